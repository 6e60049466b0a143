#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "tests/support/filter_fixture.h"

namespace cantivo::test {
namespace {

class Intake : public FilterFixture {
protected:
    // Intake alone; the records it made are then in Records().
    std::vector<HostEvent> TakeIn(std::vector<HostEvent> events) {
        host::EventQueue in(std::move(events));
        host::EventQueue out;
        filter->IntakeEvents(&in, &out);
        return out.events;
    }
};

TEST_F(Intake, EndRecordFollowsTheLatestNoteEnd) {
    TakeIn({Note(100, 60, 90, 50), Controller(120, 7, 100)});
    const auto records = Records();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_TRUE(IsEndRecord(records.back()));
    EXPECT_EQ(RecordTime(records.back()), 150u);
}

TEST_F(Intake, NoteRecordKeepsLowSixteenBitsOfItsDurationButTheEndCountsWhole) {
    TakeIn({Note(5, 64, 77, 0x11234, 9)});
    const auto records = Records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ((std::array{records[0].kind, records[0].data[0], records[0].data[1], records[0].data[2],
                          records[0].data[3]}),
              (std::array<std::uint8_t, 5>{64, 77, 0x34, 0x12, 9}));
    EXPECT_EQ(RecordTime(records[1]), 5u + 0x11234);
}

TEST_F(Intake, PhraseMarkerControllerBecomesAMarker) {
    g_Options.Ctrl = 100;
    TakeIn({Controller(0, 100, 63, 4), Controller(10, 100, 64, 6), Controller(20, 101, 64, 2)});
    const auto records = Records();
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ((std::array{records[0].kind, records[0].data[0], records[0].data[1], records[1].data[1]}),
              (std::array<std::uint8_t, 4>{0xFF, kPhraseMarker, 0, 1}));
    EXPECT_EQ(records[2].kind, 0xB2);
    EXPECT_EQ(filter->m_byMarkerChannel, 6);
}

TEST_F(Intake, WheelIsReducedTowardZero) {
    TakeIn({Wheel(0, -8192), Wheel(1, 8191), Wheel(2, -31), Wheel(3, 1000, 3)});
    const auto records = Records();
    EXPECT_EQ((std::array{WheelValue(records[0]), WheelValue(records[1]), WheelValue(records[2]),
                          WheelValue(records[3])}),
              (std::array{-256, 255, 0, 31}));
    EXPECT_EQ(records[3].kind, 0xE3);
}

TEST_F(Intake, OtherEventsGoStraightOutAndLeaveOnlyTheEndRecord) {
    const auto forwarded = TakeIn({Other(30, 7, 1), Other(90, 8, 2)});
    ASSERT_EQ(forwarded.size(), 2u);
    EXPECT_EQ(+forwarded[1].hostTag, 2u);
    const auto records = Records();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_TRUE(IsEndRecord(records[0]));
    EXPECT_EQ(RecordTime(records[0]), 90u);
}

// The first buffer holds 127999 events and the end record; one event more
// grows it once, by the same step, keeping every record.
TEST_F(Intake, BufferGrowsOnceWhenTheFirstIsFull) {
    const std::tuple<int, std::int32_t, std::size_t> cases[] = {{127999, 1024000, 1024000}, {128000, 2048000, 2048008}};
    for (const auto& [count, capacity, blockSize] : cases) {
        std::vector<HostEvent> events;
        for (int i = 0; i < count; ++i) events.push_back(Controller(i, 7, i % 128));
        TakeIn(events);
        EXPECT_EQ(filter->m_nEventCapacity, capacity);
        EXPECT_EQ(GlobalSize(filter->m_hEvents), blockSize);
        const auto records = Records();
        ASSERT_EQ(records.size(), count + 1u);
        for (int i = 0; i < count; ++i) {
            ASSERT_EQ(RecordTime(records[i]), static_cast<std::uint32_t>(i));
            ASSERT_EQ(records[i].data[1], i % 128);
        }
        EXPECT_TRUE(IsEndRecord(records.back()));
    }
}

}  // namespace
}  // namespace cantivo::test
