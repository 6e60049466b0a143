#include <gtest/gtest.h>

#include <tuple>

#include "tests/support/event_bytes.h"
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

// Each event becomes its record, in order, and an end record follows at the
// latest time or note end; events of other kinds go straight out.
TEST_F(Intake, EachEventBecomesItsRecordOrGoesStraightOut) {
    g_Options.Ctrl = 100;  // the phrase marker controller
    struct Case {
        std::vector<HostEvent> input;
        std::vector<HostEvent> forwarded;
        std::vector<EventRecord> records;
    };
    const Case cases[] = {
        {{Note(5, 64, 77, 0x11234, 9), Controller(0, 100, 63, 4), Controller(10, 100, 64, 6),
          Controller(20, 101, 64, 2), Wheel(30, -8192), Wheel(31, 8191), Wheel(32, -31), Wheel(33, 1000, 3),
          Other(60000, 7, 1)},
         {Other(60000, 7, 1)},
         {MetaRecord(0, kPhraseMarker, 0), NoteRecord(5, 64, 77, 0x1234, 9), MetaRecord(10, kPhraseMarker, 1),
          ControllerRecord(20, 101, 64, 2), WheelRecord(30, -256), WheelRecord(31, 255), WheelRecord(32, 0),
          WheelRecord(33, 31, 3), MetaRecord(5 + 0x11234, kEndRecord)}},
        {{Other(30, 7, 1), Other(90, 8, 2)}, {Other(30, 7, 1), Other(90, 8, 2)}, {MetaRecord(90, kEndRecord)}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Bytes(TakeIn(c.input)), Bytes(c.forwarded));
        EXPECT_EQ(Bytes(Records()), Bytes(c.records));
    }
    EXPECT_EQ(filter->m_byMarkerChannel, 6);
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
