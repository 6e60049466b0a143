#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "tests/support/style_files.h"
#include "tools/cnvtool/style_source.h"

namespace cantivo::test {
namespace {

using nlohmann::json;
using tools::SourceError;
using tools::StyleFromSource;
using tools::StyleToSource;

// Compiling the dump of a style gives the style's bytes again.
void ExpectRoundTrip(const StyleFile& style) {
    const auto bytes = WriteStyleFile(style);
    StyleFile read;
    ASSERT_EQ(ReadStyleFile(bytes, read), StyleFileFault::kNone);
    const json source = json::parse(StyleToSource(read).dump());
    EXPECT_EQ(WriteStyleFile(StyleFromSource(source)), bytes) << source.dump(2);
}

std::string ErrorOf(const json& source) {
    try {
        StyleFromSource(source);
    } catch (const SourceError& error) {
        return error.what();
    }
    return "compiled";
}

TEST(StyleSource, DumpNamesEveryFieldReadably) {
    const json source = json::parse(StyleToSource(SampleStyle()).dump());
    const std::pair<const char*, json> fields[] = {
        {"/header/tempoMin", 90}, {"/header/expressionMin", -5}, {"/header/timeBase", 480},
        {"/header/scoreType", "Lead sheet"}, {"/header/meter", "4/4"}, {"/header/used", {0, 1, 1, 1, 0, 0, 2, 1}},
        {"/header/initial/keepExpression", 1}, {"/header/initial/pan", 70},
        {"/header/description/text", "A light swing."}, {"/header/description/axisPresets", {"1253"}},
        {"/header/description/variableLabel", "Groove"}, {"/header/reserved/hex", std::string(62, '0')},
        {"/slots/0/label", "Swing feel"}, {"/slots/0/module", 40}, {"/slots/0/data", "abc"},
        {"/slots/1/disabled", 1}, {"/slots/1/data", ""}, {"/slots/2/data/hex", "01020304"}};
    for (const auto& [pointer, value] : fields) EXPECT_EQ(source[json::json_pointer(pointer)], value) << pointer;
    EXPECT_EQ(source["slots"][2]["params"]["hex"].get<std::string>().substr(0, 6), "2a2b2c");
}

TEST(StyleSource, RuleTextCarriesItsTerminatorAndHexMayBeSpacedAndInCapitals) {
    json source = json::parse(StyleToSource(SampleStyle()).dump());
    source["slots"][0]["data"] = {{"text", "seed=3 metric=14"}};
    const StyleFile style = StyleFromSource(source);
    const std::string expected("seed=3 metric=14\0", 17);
    EXPECT_EQ(std::string(style.slots[0].data.begin(), style.slots[0].data.end()), expected);
    // Hex may be spaced and in capitals.
    source["slots"][0]["data"] = {{"hex", "0A 0b\n0C"}};
    EXPECT_EQ(StyleFromSource(source).slots[0].data, (std::vector<std::uint8_t>{0x0A, 0x0B, 0x0C}));
}

// Bytes that text cannot carry go as hex, and come back the same.
TEST(StyleSource, EveryTestStyleRoundTrips) {
    const std::pair<const char*, std::function<void(StyleFile&)>> changes[] = {
        {"the sample", [](StyleFile&) {}},
        {"no slots, empty description",
         [](StyleFile& s) {
             s.slots.clear();
             std::memset(s.header.szDescription, 0, kDescriptionBytes);
         }},
        {"the most and largest slots",
         [](StyleFile& s) {
             s.slots.assign(64, Slot(std::string(63, 'n'), 65535, std::vector<std::uint8_t>(32767, 0xC3), 0xFF));
         }},
        {"a label with no presets", [](StyleFile& s) { std::strcpy(s.header.szDescription, "Only a label$Bass%1234$x"); }},
        {"a description without a NUL", [](StyleFile& s) { std::memset(s.header.szDescription, 'D', kDescriptionBytes); }},
        {"bytes text cannot carry",
         [](StyleFile& s) {
             std::memcpy(s.header.szMeter, "4/4\0junk", 8);          // bytes after the NUL
             std::memset(s.header.szNotesGen, 'G', kStyleTextBytes);  // no NUL in the field
             s.header.szScoreType[0] = static_cast<char>(0xE9);      // a code-page letter
             std::strcpy(s.header.szDescription, "Cut short%12");     // a preset the end cuts
             s.header.abReserved[30] = 0x5A;
             s.slots[0].label = "Caf\xE9";
             s.slots[1].data = {'t', 'a', 'b', '\t'};
         }},
    };
    for (const auto& [name, change] : changes) {
        SCOPED_TRACE(name);
        StyleFile style = SampleStyle();
        change(style);
        ExpectRoundTrip(style);
    }
}

TEST(StyleSource, BadSourcesNameTheFieldAndTheFault) {
    const json good = StyleToSource(SampleStyle());
    const auto with = [&](const std::string& pointer, const json& value) {
        json source = good;
        source[json::json_pointer(pointer)] = value;
        return ErrorOf(source);
    };
    json missing = good;
    missing["header"].erase("tempoMin");
    EXPECT_EQ(ErrorOf(missing), "header.tempoMin: missing");
    EXPECT_EQ(with("/header/tempoMin", 40000), "header.tempoMin: expected an integer in -32768..32767, got 40000");
    EXPECT_EQ(with("/header/meter", json{{"hex", "00"}}), "header.meter: expected 16 bytes, got 1");
    EXPECT_EQ(with("/header/meter", 44), "header.meter: expected a string or {\"hex\": \"...\"}");
    EXPECT_EQ(with("/header/notesDel", "caf\xC3\xA9"),
              "header.notesDel: character 3 is not ASCII; write the bytes as {\"hex\": \"...\"}");
    EXPECT_EQ(with("/header/used", json::array({1, 1})),
              "header.used: expected an array of 8 integers, one per parameter 0..7");
    EXPECT_EQ(with("/header/description/text", "50% swing"),
              "header.description.text: expected text without '%' or '$'");
    EXPECT_EQ(with("/header/description/axisPresets/0", "125"),
              "header.description.axisPresets[0]: expected exactly four characters, such as \"1253\"");
    EXPECT_EQ(with("/header/description/variableLabel", std::string(470, 'v')),
              "header.description: text, presets and label come to 490 characters; at most 479 fit");
    EXPECT_EQ(with("/header/reserved", "text"), "header.reserved: expected {\"hex\": \"...\"}");
    EXPECT_EQ(with("/slots/0/lable", "x"), "slots[0].lable: unknown field");
    EXPECT_EQ(with("/slots/0/label", std::string(64, 'l')), "slots[0].label: longer than 63 characters");
    EXPECT_EQ(with("/slots/0/data", json{{"hex", "abc"}}), "slots[0].data.hex: odd number of hex digits");
    EXPECT_EQ(with("/slots/0/data", json{{"hex", "zz"}}), "slots[0].data.hex: 'z' is not a hex digit");
    EXPECT_EQ(with("/slots/0/data", std::string(32768, 'd')), "slots[0].data: more than 32767 bytes");
    EXPECT_EQ(with("/slots/2", 5), "slots[2]: expected an object");

    json tooMany = good;
    for (int i = 0; i < 62; ++i) tooMany["slots"].push_back(good["slots"][0]);
    EXPECT_EQ(ErrorOf(tooMany), "slots: holds 65 slots; at most 64 fit");
}

}  // namespace
}  // namespace cantivo::test
