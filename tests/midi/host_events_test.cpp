#include <gtest/gtest.h>

#include <algorithm>

#include "midi/host_events.h"

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
    EXPECT_EQ(+events[0].type, kHostKeptEvent);
    EXPECT_EQ(+events[1].type, kHostController);
    EXPECT_EQ(events[1].note.key, 0);
    EXPECT_EQ(events[1].note.velocity, 1);
    EXPECT_EQ(+events[2].type, kHostKeptEvent);
    EXPECT_EQ(events[2].channel, 3);
    const HostEvent& note = events[4];
    EXPECT_EQ(+note.type, kHostNote);
    EXPECT_EQ(note.channel, 3);
    EXPECT_EQ(note.note.key, 60);
    EXPECT_EQ(note.note.velocity, 90);
    EXPECT_EQ(note.note.releaseVelocity, 30);
    EXPECT_EQ(+note.duration, 240);
    EXPECT_EQ(+events[6].type, kHostWheel);
    EXPECT_EQ(+events[6].wheel, -4000);
    EXPECT_EQ(+events[6].time, 120);
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
    HostEvent expression{};
    expression.time = 0;
    expression.channel = 3;
    expression.type = kHostController;
    expression.note.key = 11;
    expression.note.velocity = 90;
    events.insert(events.begin() + 3, expression);

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
    ASSERT_EQ(track.events.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(track.events[i], expected[i]) << i;
    EXPECT_EQ(track.endTime, 960u);
}

TEST(HostEvents, KeptEventsReturnOnceAndForeignEventsAreLeftOut) {
    const MidiTrack source = Source();
    std::vector<HostEvent> events = ToHostEvents(source);
    std::vector<HostEvent> extra = {events[0], events[2]};  // the same tags again
    HostEvent foreign = events[0];
    foreign.type = 77;
    extra.push_back(foreign);
    HostEvent badTag = events[0];
    badTag.hostTag = 999;
    extra.push_back(badTag);
    HostEvent tagOfANote = events[0];
    tagOfANote.hostTag = 5;  // points at a note, which is no kept event
    extra.push_back(tagOfANote);
    HostEvent noTag = events[0];
    noTag.hostTag = 0;
    extra.push_back(noTag);
    events.insert(events.end(), extra.begin(), extra.end());
    EXPECT_EQ(FromHostEvents(source, events), source);
}

TEST(HostEvents, NegativeTimesAndDurationsBecomeZero) {
    MidiTrack source;
    HostEvent note{};
    note.type = kHostNote;
    note.time = -50;
    note.duration = -3;
    note.note.key = 60;
    note.note.velocity = 64;
    const MidiTrack track = FromHostEvents(source, std::vector{note});
    ASSERT_EQ(track.events.size(), 1u);
    EXPECT_EQ(track.events[0].time, 0u);
    EXPECT_EQ(track.events[0].duration, 0u);
}

}  // namespace
}  // namespace cantivo::midi
