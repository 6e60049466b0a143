#include <gtest/gtest.h>

#include "tools/cantivo/input_checks.h"

namespace cantivo::host {
namespace {

midi::MidiFile WithEvent(midi::MidiEvent event, std::uint16_t division = 480) {
    midi::MidiTrack track;
    track.events = {midi::MakeNote(0, 0, 60, 100, 10), std::move(event)};
    return midi::MidiFile{1, division, {midi::MidiTrack{}, track}};
}

TEST(InputChecks, TakesWhatTheFiltersRecordsCanHold) {
    EXPECT_FALSE(UnprocessableReason(WithEvent(midi::MakeNote(kLatestRecordTime, 0, 60, 1, kLongestRecordNote))));
}

TEST(InputChecks, RefusesWhatTheFilterWouldCut) {
    EXPECT_EQ(UnprocessableReason(WithEvent(midi::MakeNote(0, 0, 60, 1, 10), 0xE728)),
              "SMPTE time format not supported");
    EXPECT_EQ(UnprocessableReason(WithEvent(midi::MakeController(kLatestRecordTime + 1, 0, 7, 1))),
              "track 2: an event at tick 16777216 lies beyond tick 16777215, the latest the filter can hold");
    EXPECT_EQ(UnprocessableReason(WithEvent(midi::MakeNote(5, 0, 60, 1, kLongestRecordNote + 1))),
              "track 2: a note at tick 5 lasts 65536 ticks; the filter holds notes of up to 65535");
}

}  // namespace
}  // namespace cantivo::host
