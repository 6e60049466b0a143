#include <gtest/gtest.h>

#include <cstring>

#include "engine/auto_optimize.h"
#include "tests/support/records.h"

namespace cantivo::test {
namespace {

ThinningSettings Only(ThinningKind ThinningSettings::*kind, std::int32_t threshold) {
    ThinningSettings settings;
    (settings.*kind) = {true, threshold};
    return settings;
}

std::vector<EventRecord> Thin(RecordBuffer& buffer, const ThinningSettings& settings) {
    buffer.bytesInUse = ThinRecords(buffer.records.data(), buffer.bytesInUse, settings);
    return buffer.InUse();
}

// The values of the kept records of one controller number.
std::vector<int> ControllerValues(const std::vector<EventRecord>& records, std::uint8_t number) {
    std::vector<int> values;
    for (const EventRecord& r : records)
        if (IsControllerNumber(r, number)) values.push_back(r.data[1]);
    return values;
}

std::vector<int> WheelValues(const std::vector<EventRecord>& records) {
    std::vector<int> values;
    for (const EventRecord& r : records)
        if (IsWheel(r)) values.push_back(WheelValue(r));
    return values;
}

TEST(AutoOptimize, ExpressionComparesWithTheLastValueKept) {
    RecordBuffer buffer({ControllerRecord(0, 11, 100), ControllerRecord(1, 11, 101), ControllerRecord(2, 11, 103),
                         ControllerRecord(3, 11, 110)},
                        10);
    const auto out = Thin(buffer, Only(&ThinningSettings::expression, 3));
    EXPECT_EQ(ControllerValues(out, 11), (std::vector<int>{100, 103, 110}));
    EXPECT_TRUE(IsEndRecord(out.back()));
}

TEST(AutoOptimize, ExpressionFollowsTheControllerNumberSetting) {
    RecordBuffer buffer({ControllerRecord(0, 7, 100), ControllerRecord(1, 7, 101), ControllerRecord(2, 11, 100),
                         ControllerRecord(3, 11, 101)},
                        10);
    ThinningSettings settings = Only(&ThinningSettings::expression, 3);
    settings.expressionController = 7;
    const auto out = Thin(buffer, settings);
    EXPECT_EQ(ControllerValues(out, 7), (std::vector<int>{100}));
    EXPECT_EQ(ControllerValues(out, 11), (std::vector<int>{100, 101}));
}

TEST(AutoOptimize, ModulationKeepsReturnsToZero) {
    RecordBuffer twoThenZero({ControllerRecord(0, 1, 2), ControllerRecord(1, 1, 0)}, 10);
    EXPECT_EQ(ControllerValues(Thin(twoThenZero, Only(&ThinningSettings::modulation, 5)), 1),
              (std::vector<int>{2, 0}));
    RecordBuffer zeros({ControllerRecord(0, 1, 0), ControllerRecord(1, 1, 1), ControllerRecord(2, 1, 2),
                        ControllerRecord(3, 1, 0)},
                       10);
    EXPECT_EQ(ControllerValues(Thin(zeros, Only(&ThinningSettings::modulation, 4)), 1), (std::vector<int>{0}));
}

TEST(AutoOptimize, WheelSmallBendsGoOrCentre) {
    RecordBuffer sequence({WheelRecord(0, 0), WheelRecord(1, 3), WheelRecord(2, 100), WheelRecord(3, 102),
                           WheelRecord(4, 0)},
                          10);
    EXPECT_EQ(WheelValues(Thin(sequence, Only(&ThinningSettings::wheel, 8))), (std::vector<int>{0, 100, 0}));

    RecordBuffer smallAfterLarge({WheelRecord(0, 100), WheelRecord(1, 5)}, 10);
    const auto out = Thin(smallAfterLarge, Only(&ThinningSettings::wheel, 8));
    EXPECT_EQ(WheelValues(out), (std::vector<int>{100, 0}));
    EXPECT_EQ(RecordTime(out[1]), 1u);  // the 5 stays in place, set to centre
    EXPECT_EQ(out[1].data[0], 64);
    EXPECT_EQ(out[1].data[1], 0);

    RecordBuffer negative({WheelRecord(0, -200), WheelRecord(1, -195), WheelRecord(2, -150)}, 10);
    EXPECT_EQ(WheelValues(Thin(negative, Only(&ThinningSettings::wheel, 8))), (std::vector<int>{-200, -150}));
}

TEST(AutoOptimize, OneLastValueServesAllChannels) {
    RecordBuffer buffer({ControllerRecord(0, 10, 10, 1), ControllerRecord(1, 10, 12, 2)}, 10);
    EXPECT_EQ(ControllerValues(Thin(buffer, Only(&ThinningSettings::pan, 5)), 10), (std::vector<int>{10}));
}

TEST(AutoOptimize, TempoRecordsThinByTheirValue) {
    RecordBuffer buffer({MetaRecord(0, kTempoRecord, 120), MetaRecord(10, kTempoRecord, 121),
                         MetaRecord(20, kTempoRecord, 125), MetaRecord(20, kPhraseMarker, 1)},
                        30);
    const auto out = Thin(buffer, Only(&ThinningSettings::tempo, 2));
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[0].data[1], 120);
    EXPECT_EQ(out[1].data[1], 125);
    EXPECT_EQ(out[2].data[0], kPhraseMarker);
}

TEST(AutoOptimize, KindsThatAreOffKeepAllTheirRecords) {
    RecordBuffer buffer({ControllerRecord(0, 10, 10), ControllerRecord(1, 10, 10), ControllerRecord(2, 11, 5),
                         ControllerRecord(3, 11, 5)},
                        10);
    const auto out = Thin(buffer, Only(&ThinningSettings::expression, 2));
    EXPECT_EQ(ControllerValues(out, 10), (std::vector<int>{10, 10}));
    EXPECT_EQ(ControllerValues(out, 11), (std::vector<int>{5}));
}

TEST(AutoOptimize, AllOffLeavesTheBufferByteForByte) {
    RecordBuffer buffer({ControllerRecord(0, 11, 100), MetaRecord(1, kDeletedMark), ControllerRecord(2, 11, 100)}, 10);
    const auto before = buffer.records;
    const std::int32_t bytes = ThinRecords(buffer.records.data(), buffer.bytesInUse, ThinningSettings{});
    EXPECT_EQ(bytes, buffer.bytesInUse);
    EXPECT_EQ(std::memcmp(before.data(), buffer.records.data(), before.size() * sizeof(EventRecord)), 0);
}

}  // namespace
}  // namespace cantivo::test
