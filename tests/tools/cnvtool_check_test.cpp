#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "tests/support/style_files.h"
#include "tools/cnvtool/check.h"

namespace cantivo::tools {
namespace {

using test::SampleStyle;
using test::Slot;
using Bytes = std::vector<std::uint8_t>;

void PutI16(Bytes& bytes, std::size_t offset, std::int16_t value) { std::memcpy(&bytes[offset], &value, 2); }

// The check refuses exactly what the reader refuses.
std::string Problems(const Bytes& bytes) {
    const StyleCheck check = CheckStyleFile(bytes);
    StyleFile ignored;
    EXPECT_EQ(check.problems.empty(), ReadStyleFile(bytes, ignored) == StyleFileFault::kNone) << FormatCheck(check);
    std::string text;
    for (const std::string& problem : check.problems) text += problem + "\n";
    return text;
}

Bytes Sample(const std::function<void(StyleFile&)>& change = {}) {
    StyleFile style = SampleStyle();
    if (change) change(style);
    return WriteStyleFile(style);
}

// The malformed styles the style reader and loader are tested with.
TEST(CnvtoolCheck, NamesTheProblemOfEachMalformedStyle) {
    const std::pair<const char*, std::function<Bytes()>> cases[] = {
        {"does not begin with SACS", [] { auto b = Sample(); b[0] = 's'; return b; }},
        {"header length says 705 bytes", [] { auto b = Sample(); b[4] = 705 & 0xFF; return b; }},
        {"does not begin with QVLT", [] { auto b = Sample(); b[kHeaderOffset + 3] = 'X'; return b; }},
        {"checksum does not match", [] { auto b = Sample(); ++b[kHeaderOffset + 705]; return b; }},
        {"slot count is 65; a style holds at most 64",
         [] { return Sample([](StyleFile& s) { s.slots.assign(65, Slot("x", 1, {})); }); }},
        {"slot 2: the label length is 64",
         [] { return Sample([](StyleFile& s) { s.slots[1].label = std::string(64, 'L'); }); }},
        {"slot 1: the label length is -1", [] { auto b = Sample(); PutI16(b, kSlotListOffset, -1); return b; }},
        {"inside slot 4's label length", [] { auto b = Sample(); b[kSlotCountOffset] = 4; return b; }},
    };
    for (const auto& [named, bytes] : cases) {
        const std::string problems = Problems(bytes());
        EXPECT_NE(problems.find(named), std::string::npos) << named << "\n" << problems;
    }
}

TEST(CnvtoolCheck, DescribesTheStyleAndAgreesWithTheReaderOnEveryCut) {
    const Bytes valid = Sample();
    const StyleCheck check = CheckStyleFile(valid);
    EXPECT_TRUE(check.problems.empty());
    for (const char* shown : {"header length: 706", "slots: 3", "slot 1 \"Swing feel\": rule module R40.DLL, 3 bytes",
                              "slot 2 \"Humanize\": rule module R41.DLL, no rule data, disabled", "meter \"4/4\"",
                              "uses: Start Time, Durations, Velocity, Modulation, Variable; locked: Expression*, Wheel"})
        EXPECT_NE(check.contents.find(shown), std::string::npos) << shown << "\n" << check.contents;
    for (std::size_t length = 0; length < valid.size(); ++length)
        EXPECT_NE(Problems(Bytes(valid.begin(), valid.begin() + static_cast<std::ptrdiff_t>(length))).find("ends after"),
                  std::string::npos)
            << length;
}

}  // namespace
}  // namespace cantivo::tools
