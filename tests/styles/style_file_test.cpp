#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <utility>
#include <stdexcept>
#include <tuple>

#include "styles/style_file.h"
#include "tests/support/style_files.h"

namespace cantivo::test {
namespace {

StyleFileFault Read(const std::vector<std::uint8_t>& bytes) {
    StyleFile style;
    return ReadStyleFile(bytes, style);
}

void PutI16(std::vector<std::uint8_t>& bytes, std::size_t offset, std::int16_t value) {
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

TEST(StyleFile, WrittenFileReadsBackFieldForField) {
    const StyleFile written = SampleStyle();
    const auto bytes = WriteStyleFile(written);
    ASSERT_EQ(bytes.size(), kSlotListOffset + 3 * 43 + (10 + 3) + (8 + 0) + (6 + 4));
    EXPECT_EQ(std::memcmp(bytes.data(), "SACS", 4), 0);
    EXPECT_EQ(bytes[4] | (bytes[5] << 8), 706);
    EXPECT_EQ(std::memcmp(bytes.data() + kHeaderOffset, "QVLT", 4), 0);
    EXPECT_EQ(bytes[kSlotCountOffset], 3);

    StyleFile read;
    ASSERT_EQ(ReadStyleFile(bytes, read), StyleFileFault::kNone);
    StyleFileHeader expected = written.header;
    expected.bChecksum = HeaderChecksum(expected);
    EXPECT_EQ(std::memcmp(&read.header, &expected, sizeof expected), 0);
    ASSERT_EQ(read.slots.size(), 3u);
    const auto fields = [](const StyleSlotRecord& s) {
        return std::tie(s.label, s.wModule, s.data, s.bDisabled, s.abParams);
    };
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(fields(read.slots[i]), fields(written.slots[i])) << i;
}

TEST(StyleFile, MalformedHeadersAndSlotListsAreRefusedWithTheirFault) {
    const std::size_t checksum = kHeaderOffset + 705;
    const auto lengthOf = [](std::uint16_t length) {
        return [length](std::vector<std::uint8_t>& b) { std::memcpy(b.data() + kHeaderLengthOffset, &length, 2); };
    };
    const std::pair<std::function<void(std::vector<std::uint8_t>&)>, StyleFileFault> cases[] = {
        {lengthOf(705), StyleFileFault::kHeaderLength},
        {lengthOf(707), StyleFileFault::kHeaderLength},
        {[](auto& b) { b[0] = 's'; }, StyleFileFault::kFileMagic},
        // A wrong header magic with a checksum that fits it is still refused.
        {[&](auto& b) { b[kHeaderOffset + 3] = 'X', b[checksum] += 'X' - 'T'; }, StyleFileFault::kHeaderMagic},
        // The first slot's label length, then its data length, below zero.
        {[](auto& b) { PutI16(b, kSlotListOffset, -1); }, StyleFileFault::kLabelLength},
        {[](auto& b) { PutI16(b, kSlotListOffset + 2 + 10 + 2, -3); }, StyleFileFault::kDataLength},
        {[](auto& b) { b[kSlotCountOffset] = 4; }, StyleFileFault::kTruncated},  // one slot more than the list holds
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        auto bytes = WriteStyleFile(SampleStyle());
        cases[i].first(bytes);
        EXPECT_EQ(Read(bytes), cases[i].second) << i;
    }
}

// The smallest valid file: an all-zero header but for its magic, and the
// magic's sum as its checksum. Each checksummed byte counts; the reserved ones
// after them do not.
TEST(StyleFile, ChecksumCoversBytes0To673AndNotTheReservedOnes) {
    std::vector<std::uint8_t> valid = {'S', 'A', 'C', 'S', 0xC2, 0x02};
    valid.resize(kSlotListOffset, 0);
    std::memcpy(valid.data() + kHeaderOffset, "QVLT", 4);
    valid[kHeaderOffset + 705] = static_cast<std::uint8_t>('Q' + 'V' + 'L' + 'T');
    StyleFile style;
    ASSERT_EQ(ReadStyleFile(valid, style), StyleFileFault::kNone);
    EXPECT_TRUE(style.slots.empty());
    for (std::size_t offset = 4; offset < kChecksummedHeaderBytes; ++offset) {
        auto bytes = valid;
        bytes[kHeaderOffset + offset] ^= 0x01;
        ASSERT_EQ(Read(bytes), StyleFileFault::kChecksum) << offset;
    }
    for (std::size_t offset = kChecksummedHeaderBytes; offset < 705; ++offset) {
        auto bytes = valid;
        bytes[kHeaderOffset + offset] = 0xA5;
        ASSERT_EQ(Read(bytes), StyleFileFault::kNone) << offset;
    }
}

TEST(StyleFile, EveryCutShortFileIsRefusedAndLeavesTheCallersStyleAlone) {
    const auto valid = WriteStyleFile(SampleStyle());
    for (std::size_t length = 0; length < valid.size(); ++length) {
        const std::vector<std::uint8_t> cut(valid.begin(), valid.begin() + static_cast<std::ptrdiff_t>(length));
        StyleFile style = SampleStyle();
        style.slots.pop_back();
        ASSERT_NE(ReadStyleFile(cut, style), StyleFileFault::kNone) << length;
        ASSERT_EQ(style.slots.size(), 2u) << length;
    }
    // Bytes after the last slot are not part of the format and are ignored.
    auto longer = valid;
    longer.push_back(0xEE);
    EXPECT_EQ(Read(longer), StyleFileFault::kNone);
}

TEST(StyleFile, SlotCountAndLabelLengthHaveTheirLimits) {
    StyleFile style = SampleStyle();
    style.slots.assign(65, Slot("x", 1, {}));
    EXPECT_EQ(Read(WriteStyleFile(style)), StyleFileFault::kSlotCount);
    style.slots.resize(64);
    EXPECT_EQ(Read(WriteStyleFile(style)), StyleFileFault::kNone);

    style = SampleStyle();
    style.slots[1].label = std::string(64, 'L');
    EXPECT_EQ(Read(WriteStyleFile(style)), StyleFileFault::kLabelLength);
    style.slots[1].label = std::string(63, 'L');
    EXPECT_EQ(Read(WriteStyleFile(style)), StyleFileFault::kNone);
}

TEST(StyleFile, WriterRefusesLengthsARecordCannotHold) {
    StyleFile style = SampleStyle();
    style.slots[0].data.assign(32767, 7);
    EXPECT_NO_THROW(WriteStyleFile(style));
    style.slots[0].data.push_back(7);
    EXPECT_THROW(WriteStyleFile(style), std::length_error);
}

}  // namespace
}  // namespace cantivo::test
