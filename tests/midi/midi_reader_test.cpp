#include <gtest/gtest.h>

#include <algorithm>

#include "midi/midi_reader.h"
#include "tests/midi/smf_bytes.h"

namespace cantivo::midi::test {
namespace {

MidiReadResult Read(const Bytes& bytes) {
    MidiReadResult result = ReadMidi(bytes);
    EXPECT_TRUE(result.Ok()) << result.error->Describe();
    return result;
}

TEST(MidiReader, HeaderFieldsAndFormats) {
    const auto one = Read(Smf(1, {kEndOfTrack, kEndOfTrack, kEndOfTrack}, 480));
    EXPECT_EQ(one.file.format, 1);
    EXPECT_EQ(one.file.division, 480);
    EXPECT_EQ(one.file.tracks.size(), 3u);
    EXPECT_TRUE(one.warnings.empty());

    const auto zero = Read(Smf(0, {Ended({0x00, 0x90, 60, 100, 0x60, 0x80, 60, 0})}, 0xE728));
    EXPECT_EQ(zero.file.format, 0);
    EXPECT_EQ(zero.file.division, 0xE728);  // SMPTE timing is kept as it is
    ASSERT_EQ(zero.file.tracks.size(), 1u);
    EXPECT_EQ(zero.file.tracks[0].events, std::vector{MakeNote(0, 0, 60, 100, 0x60, 0)});
}

struct Track {
    const char* name;
    Bytes body;  // ended by an End of Track
    std::vector<MidiEvent> events;
};

// Well-formed tracks read without a warning.
TEST(MidiReader, EventsOfEveryKind) {
    const std::vector<Track> tracks = {
        {"notes paired with durations and release velocities",
         {0x00, 0x91, 60, 90, 0x00, 0x91, 64, 80,
          0x10, 0x95, 60, 70,        // another channel, same key
          0x20, 0x81, 60, 33,        // off with release 33
          0x08, 0x91, 64, 0,         // off as velocity 0
          0x81, 0x00, 0x85, 60, 1},  // two-byte delta
         {MakeNote(0, 1, 60, 90, 0x30, 33), MakeNote(0, 1, 64, 80, 0x38, 64),
          MakeNote(0x10, 5, 60, 70, 0x28 + 128, 1)}},
        {"running status carries over data and meta events",
         {0x00, 0x90, 60, 100, 0x00, 62, 101, 0x10, 60, 0,
          0x00, 0xFF, 0x01, 0x01, 'x',
          0x00, 62, 0,              // still running after the meta event
          0x00, 0xB3, 7, 90, 0x05, 10, 30,
          0x00, 0xE3, 0x00, 0x40, 0x05, 0x7F, 0x7F},
         {MakeNote(0, 0, 60, 100, 0x10, 64), MakeNote(0, 0, 62, 101, 0x10, 64), MakeMeta(0x10, 0x01, {'x'}),
          MakeController(0x10, 3, 7, 90), MakeController(0x15, 3, 10, 30), MakePitchWheel(0x15, 3, 0),
          MakePitchWheel(0x1A, 3, 8191)}},
        {"other events kept with their bytes in place",
         {0x00, 0xFF, 0x03, 0x04, 'L', 'e', 'a', 'd',
          0x00, 0xF0, 0x03, 0x43, 0x12, 0xF7,
          0x00, 0xC2, 40, 0x00, 0x92, 60, 100,
          0x10, 0xA2, 60, 50, 0x10, 0xD2, 70,
          0x00, 0xF7, 0x02, 0x01, 0x02,
          0x00, 0xFF, 0x7F, 0x00,
          0x10, 0x82, 60, 64},
         {MakeMeta(0, kMetaTrackName, {'L', 'e', 'a', 'd'}), MakeSysEx(0, {0x43, 0x12, 0xF7}),
          MakeChannelMessage(0, 0xC2, {40}), MakeNote(0, 2, 60, 100, 0x30, 64),
          MakeChannelMessage(0x10, 0xA2, {60, 50}), MakeChannelMessage(0x20, 0xD2, {70}),
          MakeSysEx(0x20, {0x01, 0x02}, kSysExEscapeStatus), MakeMeta(0x20, 0x7F, {})}},
        {"overlapping notes of one key end in the order they started",
         {0x00, 0x90, 60, 10, 0x10, 0x90, 60, 20, 0x10, 0x80, 60, 0, 0x10, 0x80, 60, 0},
         {MakeNote(0, 0, 60, 10, 0x20, 0), MakeNote(0x10, 0, 60, 20, 0x20, 0)}},
    };
    for (const Track& track : tracks) {
        SCOPED_TRACE(track.name);
        const auto result = Read(Smf(0, {Ended(track.body)}));
        EXPECT_EQ(result.file.tracks[0].events, track.events);
        std::uint32_t end = 0;
        for (const MidiEvent& e : track.events) end = std::max(end, e.End());
        EXPECT_EQ(result.file.tracks[0].endTime, end);
        EXPECT_TRUE(result.warnings.empty());
    }
}

struct Warned {
    const char* name;
    Bytes file;
    std::size_t events;  // in the first track
    std::uint32_t firstEnd;
    std::uint32_t endTime;
    std::vector<std::pair<std::size_t, const char*>> warnings;  // offset, words of the message
};

TEST(MidiReader, WhatCanBeReadInSpiteOfAFaultGivesWarnings) {
    Bytes skipped = Header(1, 1, 96);
    Append(skipped, {'X', 'Y', 'Z', 'W', 0, 0, 0, 2, 0xAA, 0xBB});
    Append(skipped, TrackChunk(Ended({0x00, 0xC0, 5})));
    Append(skipped, {0x00, 0x00});
    const std::vector<Warned> cases = {
        {"note-offs without a note-on are dropped",
         Smf(0, {Ended({0x00, 0x90, 60, 100, 0x10, 0x80, 60, 0, 0x10, 0x80, 60, 0, 0x00, 0x93, 61, 0})}), 1, 0x10, 0x20,
         {{kFirstBody + 8, "key 60 on channel 1 without a note-on"}, {kFirstBody + 12, "key 61 on channel 4"}}},
        {"a hanging note lasts until the End of Track",
         Smf(0, {{0x00, 0x90, 60, 100, 0x10, 0x90, 62, 100, 0x10, 0x80, 62, 0, 0x40, 0xFF, 0x2F, 0x00}}), 2, 0x60, 0x60,
         {{kFirstBody, "key 60 on channel 1 at tick 0 has no note-off; it lasts until the track's end at tick 96"}}},
        {"a track without End of Track ends at its last event",
         Smf(0, {{0x00, 0x90, 60, 100, 0x30, 0xB0, 7, 100}}), 2, 0x30, 0x30,
         {{kFirstBody + 8, "no End of Track"}, {kFirstBody, "lasts until the track's end at tick 48"}}},
        {"unknown chunks and bytes after the last track are skipped", skipped, 1, 0, 0,
         {{14, "chunk 'XYZW' of 2 bytes skipped"}, {skipped.size() - 2, "2 bytes after the last track"}}},
        {"bytes after the End of Track are ignored", Smf(0, {{0x00, 0xFF, 0x2F, 0x00, 0x00, 0x90, 60, 100}}), 0, 0, 0,
         {{kFirstBody + 4, "4 bytes after the End of Track"}}},
    };
    for (const Warned& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = Read(c.file);
        ASSERT_EQ(result.file.tracks.size(), 1u);
        ASSERT_EQ(result.file.tracks[0].events.size(), c.events);
        if (c.events) {
            EXPECT_EQ(result.file.tracks[0].events[0].End(), c.firstEnd);
        }
        EXPECT_EQ(result.file.tracks[0].endTime, c.endTime);
        ASSERT_EQ(result.warnings.size(), c.warnings.size());
        for (std::size_t i = 0; i < c.warnings.size(); ++i) {
            EXPECT_EQ(result.warnings[i].offset, c.warnings[i].first);
            EXPECT_NE(result.warnings[i].message.find(c.warnings[i].second), std::string::npos)
                << result.warnings[i].message;
        }
    }
}

}  // namespace
}  // namespace cantivo::midi::test
