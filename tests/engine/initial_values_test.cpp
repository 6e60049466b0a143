#include <gtest/gtest.h>

#include "engine/initial_values.h"
#include "tests/support/records.h"

namespace cantivo::test {
namespace {

constexpr InitialValues kKeepAll = {1, 1, 1, 1, 1, 1, 120, 100, 100, 64};
constexpr std::uint8_t kExpression = 11;

std::vector<EventRecord> Apply(RecordBuffer& buffer, const InitialValues& initial = kKeepAll,
                               std::uint8_t expression = kExpression) {
    buffer.bytesInUse = ApplyInitialValuesTo(buffer.records.data(), buffer.bytesInUse, buffer.Capacity(), initial,
                                             expression);
    return buffer.InUse();
}

bool IsControllerAt(const EventRecord& r, std::uint32_t time, std::uint8_t kind, std::uint8_t number,
                    std::uint8_t value) {
    return RecordTime(r) == time && r.kind == kind && r.data[0] == number && r.data[1] == value;
}

TEST(InitialValues, DefaultsOnlyAddExpressionAndPanAtTheEarliestTime) {
    RecordBuffer buffer({NoteRecord(30, 60, 90, 100, 3), ControllerRecord(50, 11, 20, 3)}, 130);
    const auto out = Apply(buffer);
    ASSERT_EQ(out.size(), 5u);
    EXPECT_TRUE(IsControllerAt(out[0], 30, 0xB3, kExpression, 100));
    EXPECT_TRUE(IsControllerAt(out[1], 30, 0xB3, 10, 64));
    EXPECT_EQ(out[2].kind, 60);
    EXPECT_EQ(out[2].data[0], 90);
    EXPECT_TRUE(IsControllerAt(out[3], 50, 0xB3, 11, 20));
    EXPECT_TRUE(IsEndRecord(out[4]));
}

TEST(InitialValues, FixedVelocityForEveryNote) {
    InitialValues initial = kKeepAll;
    initial.bKeepVelocity = 0;
    initial.wVelocity = 90;
    RecordBuffer buffer({NoteRecord(0, 60, 10, 5), NoteRecord(5, 62, 127, 5)}, 10);
    const auto out = Apply(buffer, initial);
    EXPECT_EQ(out[2].data[0], 90);
    EXPECT_EQ(out[3].data[0], 90);
}

TEST(InitialValues, PanAtTheStartTakesTheValueAndLaterPansGo) {
    InitialValues initial = kKeepAll;
    initial.bKeepPan = 0;
    initial.wPan = 64;
    RecordBuffer buffer({ControllerRecord(0, 10, 20), NoteRecord(0, 60, 90, 10), ControllerRecord(480, 10, 100)}, 500);
    const auto out = Apply(buffer, initial);
    ASSERT_EQ(out.size(), 4u);  // expression inserted, later pan removed, no pan inserted
    EXPECT_TRUE(IsControllerAt(out[0], 0, 0xB0, kExpression, 100));
    EXPECT_TRUE(IsControllerAt(out[1], 0, 0xB0, 10, 64));
    EXPECT_EQ(out[2].kind, 60);
    EXPECT_TRUE(IsEndRecord(out[3]));
}

TEST(InitialValues, KeptExpressionAtTheStartStaysAndLaterMovesGoWhenNotKept) {
    InitialValues initial = kKeepAll;
    initial.bKeepExpression = 0;
    initial.wExpression = 77;
    RecordBuffer buffer({ControllerRecord(0, 7, 30), ControllerRecord(100, 7, 50), ControllerRecord(100, 11, 50)}, 200);
    const auto out = Apply(buffer, initial, 7);
    ASSERT_EQ(out.size(), 4u);
    EXPECT_TRUE(IsControllerAt(out[0], 0, 0xB0, 10, 64));
    EXPECT_TRUE(IsControllerAt(out[1], 0, 0xB0, 7, 77));
    EXPECT_TRUE(IsControllerAt(out[2], 100, 0xB0, 11, 50));
}

TEST(InitialValues, PanIsInsertedEvenWhileKept) {
    RecordBuffer buffer({ControllerRecord(0, 11, 90), ControllerRecord(10, 10, 30)}, 20);
    const auto out = Apply(buffer);
    ASSERT_EQ(out.size(), 4u);
    EXPECT_TRUE(IsControllerAt(out[0], 0, 0xB0, 10, 64));
    EXPECT_TRUE(IsControllerAt(out[2], 10, 0xB0, 10, 30));
}

TEST(InitialValues, InsertedControllersUseTheChannelOfTheLastNote) {
    RecordBuffer buffer({NoteRecord(0, 60, 90, 10, 5), NoteRecord(0, 62, 90, 10, 2), NoteRecord(10, 64, 90, 10, 5)},
                        20);
    const auto out = Apply(buffer);
    EXPECT_EQ(out[0].kind, 0xB5);
    EXPECT_EQ(out[1].kind, 0xB5);
}

TEST(InitialValues, NoNotesAndNoControllersStillGetBothAtTheEndTimeOnChannelZero) {
    RecordBuffer buffer({}, 700);
    const auto out = Apply(buffer);
    ASSERT_EQ(out.size(), 3u);
    EXPECT_TRUE(IsControllerAt(out[0], 700, 0xB0, kExpression, 100));
    EXPECT_TRUE(IsControllerAt(out[1], 700, 0xB0, 10, 64));
    EXPECT_TRUE(IsEndRecord(out[2]));
}

TEST(InitialValues, WheelAndModulationRemovedWhenNotKept) {
    InitialValues initial = kKeepAll;
    initial.bKeepWheel = 0;
    initial.bKeepModulation = 0;
    RecordBuffer buffer({WheelRecord(0, 10), ControllerRecord(5, 1, 40), NoteRecord(5, 60, 90, 10),
                         ControllerRecord(6, 2, 40), WheelRecord(7, -3)},
                        20);
    const auto out = Apply(buffer, initial);
    for (const EventRecord& r : out) {
        EXPECT_FALSE(IsWheel(r));
        EXPECT_FALSE(IsControllerNumber(r, 1));
        EXPECT_FALSE(IsDeleted(r));
    }
    EXPECT_EQ(out.size(), 5u);  // expression, pan, note, controller 2, end
}

TEST(InitialValues, FullBufferGetsNoInsert) {
    RecordBuffer buffer({NoteRecord(0, 60, 90, 10)}, 10, 2);
    ASSERT_EQ(buffer.bytesInUse, buffer.Capacity());
    const auto out = Apply(buffer);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].kind, 60);

    RecordBuffer roomForOne({NoteRecord(0, 60, 90, 10)}, 10, 3);
    const auto withPan = Apply(roomForOne);
    ASSERT_EQ(withPan.size(), 3u);
    EXPECT_TRUE(IsControllerAt(withPan[0], 0, 0xB0, 10, 64));
}

TEST(InitialValues, RecordsPastTheEndRecordAreNotTouched) {
    InitialValues initial = kKeepAll;
    initial.bKeepVelocity = 0;
    initial.wVelocity = 1;
    RecordBuffer buffer({NoteRecord(0, 60, 90, 10)}, 10);
    buffer.records[2] = NoteRecord(20, 61, 90, 10);  // in use, but after the end record
    buffer.bytesInUse += sizeof(EventRecord);
    const auto out = Apply(buffer, initial);
    ASSERT_EQ(out.size(), 5u);
    EXPECT_EQ(out[2].data[0], 1);
    EXPECT_EQ(out[4].kind, 61);
    EXPECT_EQ(out[4].data[0], 90);
}

}  // namespace
}  // namespace cantivo::test
