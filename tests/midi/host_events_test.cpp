#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "midi/host_events.h"
#include "tests/support/records.h"

namespace cantivo::midi {
namespace {

MidiTrack Source() {
    MidiTrack track;
    track.events = {MakeMeta(0, kMetaTrackName, {'P'}),
                    MakeController(0, 3, 0, 1),  // bank select before the program change
                    MakeChannelMessage(0, 0xC3, {48}),
                    MakeController(0, 3, 7, 100),
                    MakeNote(0, 3, 60, 90, 240, 30),
                    MakeNote(0, 3, 64, 80, 240),
                    MakePitchWheel(120, 3, -4000),
                    MakeChannelMessage(240, 0xD3, {20}),
                    MakeNote(240, 3, 67, 70, 480),
                    MakeSysEx(480, {0x10, 0xF7})};
    track.endTime = 960;
    return track;
}

// What a filter does with the queue: events it does not handle go out first,
// the rest follow rebuilt from its own records, without their tags.
std::vector<HostEvent> AsAFilterGivesThemBack(std::vector<HostEvent> events) {
    std::stable_partition(events.begin(), events.end(), [](const HostEvent& e) { return e.type == kHostKeptEvent; });
    for (HostEvent& e : events) {
        if (e.type != kHostKeptEvent) e.hostTag = 0;
    }
    return events;
}

TEST(HostEvents, EventsBecomeTheHostsKinds) {
    const std::vector<HostEvent> events = ToHostEvents(Source(), 2);
    ASSERT_EQ(events.size(), 10u);
    for (std::size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(+events[i].hostTag, i + 1);
        EXPECT_EQ(events[i].port, 2);
    }
    EXPECT_EQ((std::tuple{+events[0].type, +events[1].type, +events[1].note.key, +events[1].note.velocity,
                          +events[2].type, +events[2].channel}),
              (std::tuple{kHostKeptEvent, kHostController, 0, 1, kHostKeptEvent, 3}));
    const HostEvent& note = events[4];
    EXPECT_EQ((std::tuple{+note.type, +note.channel, +note.note.key, +note.note.velocity, +note.note.releaseVelocity,
                          +note.duration}),
              (std::tuple{kHostNote, 3, 60, 90, 30, 240}));
    EXPECT_EQ((std::tuple{+events[6].type, +events[6].wheel, +events[6].time}), (std::tuple{kHostWheel, -4000, 120}));
}

TEST(HostEvents, TrackComesBackWholeFromAFilterThatChangedNothing) {
    const MidiTrack source = Source();
    EXPECT_EQ(FromHostEvents(source, ToHostEvents(source)), source);
    EXPECT_EQ(FromHostEvents(source, AsAFilterGivesThemBack(ToHostEvents(source))), source);
}

TEST(HostEvents, ChangedNotesAndNewEventsFindTheirPlaces) {
    const MidiTrack source = Source();
    std::vector<HostEvent> events = AsAFilterGivesThemBack(ToHostEvents(source));
    for (HostEvent& e : events) {
        if (e.type == kHostNote && e.note.key == 64) {
            e.time = 240;  // moved onto the channel pressure's time
            e.duration = 100;
        }
        if (e.type == kHostNote && e.note.key == 67) e.note.velocity = 100;
    }
    events.insert(events.begin() + 3, cantivo::test::Controller(0, 11, 90, 3));

    const MidiTrack track = FromHostEvents(source, events);
    MidiEvent louder = source.events[8];
    louder.velocity = 100;
    // Events with no counterpart follow those with one at their time.
    const std::vector<MidiEvent> expected = {
        source.events[0], source.events[1], source.events[2], source.events[3], source.events[4],
        MakeController(0, 3, 11, 90),
        source.events[6], source.events[7], louder,
        MakeNote(240, 3, 64, 80, 100, 64),
        source.events[9]};
    EXPECT_EQ(track.events, expected);
    EXPECT_EQ(track.endTime, 960u);
}

TEST(HostEvents, NegativeTimesAndDurationsBecomeZero) {
    const MidiTrack track = FromHostEvents(MidiTrack{}, std::vector{cantivo::test::Note(-50, 60, 64, -3)});
    ASSERT_EQ(track.events.size(), 1u);
    EXPECT_EQ(track.events[0].time, 0u);
    EXPECT_EQ(track.events[0].duration, 0u);
}

}  // namespace
}  // namespace cantivo::midi
