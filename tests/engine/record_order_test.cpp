#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "engine/record_order.h"

namespace cantivo {
namespace {

EventRecord Make(std::uint32_t time, std::uint8_t kind, std::uint8_t data0 = 0) {
    EventRecord r{};
    SetRecordTime(r, time);
    r.kind = kind;
    r.data[0] = data0;
    return r;
}

TEST(RecordLayout, TimeIsTwentyFourBitLittleEndian) {
    EventRecord r{};
    SetRecordTime(r, 0x123456);
    EXPECT_EQ(r.time[0], 0x56);
    EXPECT_EQ(r.time[1], 0x34);
    EXPECT_EQ(r.time[2], 0x12);
    EXPECT_EQ(RecordTime(r), 0x123456u);
    SetRecordTime(r, 70000 + (1u << 24));
    EXPECT_EQ(RecordTime(r), 70000u);
}

TEST(RecordLayout, WheelValueRoundTripsThroughItsTwoParts) {
    for (int value = -256; value <= 255; ++value) {
        EventRecord r{};
        r.kind = 0xE3;
        SetWheelValue(r, value);
        EXPECT_LE(r.data[0], 127);
        EXPECT_LE(r.data[1], 3);
        EXPECT_EQ(WheelValue(r), value);
    }
    EventRecord centre{};
    SetWheelValue(centre, 0);
    EXPECT_EQ(centre.data[0], 64);
    EXPECT_EQ(centre.data[1], 0);
}

TEST(CompareRecords, TimeComesFirst) {
    EXPECT_EQ(CompareRecords(Make(10, 0xFF, kEndRecord), Make(11, 0xFF, kPhraseMarker)), -1);
    EXPECT_EQ(CompareRecords(Make(11, 60), Make(10, 0xB0, 7)), 1);
}

TEST(CompareRecords, ClassesAtOneTime) {
    // marker < tempo < controller/wheel < note < end record
    const std::vector<EventRecord> ordered = {Make(5, 0xFF, kPhraseMarker), Make(5, 0xFF, kTempoRecord),
                                              Make(5, 0xB2, 7), Make(5, 60), Make(5, 0xFF, kEndRecord)};
    for (std::size_t i = 0; i < ordered.size(); ++i) {
        for (std::size_t j = 0; j < ordered.size(); ++j) {
            const int expected = i < j ? -1 : (i > j ? 1 : 0);
            EXPECT_EQ(CompareRecords(ordered[i], ordered[j]), expected) << i << " vs " << j;
        }
    }
    EXPECT_EQ(CompareRecords(Make(5, 0xB0, 7), Make(5, 0xE0, 64)), 0);
    EXPECT_EQ(CompareRecords(Make(5, 60), Make(5, 72)), 0);
    // Status records below 0xFF with byte 4 = 0xFE sort as markers too.
    EXPECT_EQ(CompareRecords(Make(5, 0xB0, 0xFE), Make(5, 0xB0, 7)), -1);
}

TEST(SortRecords, OrdersAMixedBufferByTimeAndClass) {
    std::mt19937 random(7);
    std::vector<EventRecord> records;
    for (int i = 0; i < 2000; ++i) {
        const std::uint8_t kinds[] = {60, 0xB1, 0xE2, 0xFF};
        const std::uint8_t kind = kinds[random() % 4];
        const std::uint8_t data0 = kind == 0xFF ? (random() % 2 ? kPhraseMarker : kTempoRecord) : 7;
        records.push_back(Make(random() % 50, kind, data0));
    }
    records.push_back(Make(49, 0xFF, kEndRecord));
    std::shuffle(records.begin(), records.end(), random);
    SortRecords(records.data(), records.size());
    for (std::size_t i = 1; i < records.size(); ++i) EXPECT_LE(CompareRecords(records[i - 1], records[i]), 0);
    EXPECT_TRUE(IsEndRecord(records.back()));
}

}  // namespace
}  // namespace cantivo
