#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "midi/midi_file_io.h"
#include "midi/midi_reader.h"
#include "tests/midi/smf_bytes.h"
#include "tests/support/temp_folder.h"

namespace cantivo::midi::test {
namespace {

MidiReadResult Read(const Bytes& bytes) {
    MidiReadResult result = ReadMidi(bytes);
    EXPECT_TRUE(result.Ok()) << result.error->Describe();
    return result;
}

TEST(MidiReader, SmpteTimingIsKeptAsItIs) {
    const auto zero = Read(Smf(0, {Ended({0x00, 0x90, 60, 100, 0x60, 0x80, 60, 0})}, 0xE728));
    EXPECT_EQ((std::tuple{+zero.file.format, +zero.file.division, zero.file.tracks.size()}), (std::tuple{0, 0xE728, 1u}));
}

struct Track {
    const char* name;
    Bytes body;  // ended by an End of Track
    std::vector<MidiEvent> events;
    std::uint32_t endTime;
};

// Well-formed tracks read without a warning; mido checks the common kinds on
// its own files, these are what it never writes.
TEST(MidiReader, EventsOfEveryKind) {
    const std::vector<Track> tracks = {
        {"running status carries over data and meta events",
         {0x00, 0x90, 60, 100, 0x00, 62, 101, 0x10, 60, 0,
          0x00, 0xFF, 0x01, 0x01, 'x',
          0x00, 62, 0,              // still running after the meta event
          0x00, 0xB3, 7, 90, 0x05, 10, 30,
          0x00, 0xE3, 0x00, 0x40, 0x05, 0x7F, 0x7F},
         {MakeNote(0, 0, 60, 100, 0x10, 64), MakeNote(0, 0, 62, 101, 0x10, 64), MakeMeta(0x10, 0x01, {'x'}),
          MakeController(0x10, 3, 7, 90), MakeController(0x15, 3, 10, 30), MakePitchWheel(0x15, 3, 0),
          MakePitchWheel(0x1A, 3, 8191)},
         0x1A},
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
          MakeSysEx(0x20, {0x01, 0x02}, kSysExEscapeStatus), MakeMeta(0x20, 0x7F, {})},
         0x30},
    };
    for (const Track& track : tracks) {
        SCOPED_TRACE(track.name);
        const auto result = Read(Smf(0, {Ended(track.body)}));
        EXPECT_EQ(result.file.tracks[0].events, track.events);
        EXPECT_EQ(result.file.tracks[0].endTime, track.endTime);
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

struct Malformed {
    const char* name;
    Bytes bytes;
    std::size_t offset;
    const char* says;
};

Bytes WithLength(Bytes bytes, std::size_t at, std::uint32_t length) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(length >> (24 - 8 * i));
    return bytes;
}

Bytes Truncated(Bytes bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

// Nine program changes, each 2^28 - 1 ticks after the one before.
Bytes NineLongestDeltas() {
    Bytes body;
    for (int i = 0; i < 9; ++i) Append(body, {0xFF, 0xFF, 0xFF, 0x7F, 0xC0, 0});
    return body;
}

TEST(MidiReaderErrors, NameTheOffsetWhereReadingStopped) {
    const Bytes good = Smf(1, {Ended({0x00, 0x90, 60, 100, 0x10, 0x80, 60, 0})});
    const std::vector<Malformed> cases = {
        {"not a MIDI file", {'R', 'I', 'F', 'F', 0, 0, 0, 0}, 0, "not a MIDI file"},
        {"header cut short", Truncated(good, 6), 6, "ends inside the MThd header"},
        {"header length too short", WithLength(good, 4, 4), 4, "shorter than 6"},
        {"format 2", [] { Bytes b = Smf(1, {kEndOfTrack}); b[9] = 2; return b; }(), 8, "format 2"},
        {"format 0 with two tracks", Smf(0, {kEndOfTrack, kEndOfTrack}), 10, "one track"},
        {"division 0", Smf(1, {kEndOfTrack}, 0), 12, "division"},
        {"missing track", [] { Bytes b = Smf(1, {kEndOfTrack}); b[11] = 2; return b; }(), 26,
         "after 1 of 2 tracks"},
        {"chunk length past the end", WithLength(good, 18, 100), 18, "chunk length 100"},
        {"running status with no status", Smf(0, {Ended({0x00, 60, 100})}), kFirstBody + 1, "running status"},
        {"delta time of five bytes", Smf(0, {Ended({0x81, 0x81, 0x81, 0x81, 0x01, 0x90, 60, 1})}), kFirstBody,
         "longer than four bytes"},
        {"SysEx longer than the track", Smf(0, {Ended({0x00, 0xF0, 0x7F, 0x01, 0xF7})}), kFirstBody + 3,
         "SysEx event of 127 bytes"},
        {"meta longer than the track", Smf(0, {{0x00, 0xFF, 0x01, 0x05, 'a', 'b'}}), kFirstBody + 4,
         "meta event of 5 bytes"},
        {"status byte in the data", Smf(0, {Ended({0x00, 0x90, 60, 0x90})}), kFirstBody + 3, "data byte expected"},
        {"channel message cut off", Smf(0, {{0x00, 0x90, 60}}), kFirstBody + 3, "ends inside a channel message"},
        {"system real-time status", Smf(0, {Ended({0x00, 0xF8})}), kFirstBody + 1, "0xF8"},
        {"time past 2^31 ticks", Smf(0, {Ended(NineLongestDeltas())}), kFirstBody + 48, "passes"},
    };
    for (const Malformed& c : cases) {
        SCOPED_TRACE(c.name);
        const MidiReadResult result = ReadMidi(c.bytes);
        ASSERT_FALSE(result.Ok());
        EXPECT_EQ(result.error->offset, c.offset) << result.error->Describe();
        EXPECT_NE(result.error->message.find(c.says), std::string::npos) << result.error->Describe();
        EXPECT_EQ(result.error->Describe().rfind("offset " + std::to_string(c.offset) + ": ", 0), 0u);
        EXPECT_TRUE(result.file.tracks.empty());
    }
}

TEST(MidiFileIo, WritingIntoAMissingFolderFails) {
    cantivo::test::TempFolder folder;
    EXPECT_FALSE(WriteMidiFile(folder / "no folder" / "x.mid", MidiFile{}));
}

}  // namespace
}  // namespace cantivo::midi::test
