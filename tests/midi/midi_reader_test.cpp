#include <gtest/gtest.h>

#include "midi/midi_reader.h"
#include "tests/midi/smf_bytes.h"

namespace cantivo::midi::test {
namespace {

constexpr std::size_t kFirstBody = 22;  // header 14, chunk header 8

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

TEST(MidiReader, NotesArePairedWithDurationsAndReleaseVelocities) {
    // Two channels, a chord, a note-on with velocity 0 as the note-off.
    const auto result = Read(Smf(0, {Ended({
                                         0x00, 0x91, 60, 90,         // ch 2 on
                                         0x00, 0x91, 64, 80,         // ch 2 on
                                         0x10, 0x95, 60, 70,         // ch 6, same key
                                         0x20, 0x81, 60, 33,         // ch 2 off with release 33
                                         0x08, 0x91, 64, 0,          // ch 2 off as velocity 0
                                         0x81, 0x00, 0x85, 60, 1,    // ch 6 off after 128 ticks
                                     })}));
    const auto& events = result.file.tracks[0].events;
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0], MakeNote(0, 1, 60, 90, 0x30, 33));
    EXPECT_EQ(events[1], MakeNote(0, 1, 64, 80, 0x38, 64));
    EXPECT_EQ(events[2], MakeNote(0x10, 5, 60, 70, 0x28 + 128, 1));
    EXPECT_EQ(result.file.tracks[0].endTime, 0x38u + 128);
    EXPECT_TRUE(result.warnings.empty());
}

TEST(MidiReader, RunningStatusCarriesOverDataAndMetaEvents) {
    const auto result = Read(Smf(0, {Ended({
                                         0x00, 0x90, 60, 100,  // status given
                                         0x00, 62, 101,        // running: another note-on
                                         0x10, 60, 0,          // running: velocity 0 ends the first
                                         0x00, 0xFF, 0x01, 0x01, 'x',
                                         0x00, 62, 0,          // still running after a meta event
                                         0x00, 0xB3, 7, 90,
                                         0x05, 10, 30,         // running controller
                                         0x00, 0xE3, 0x00, 0x40,
                                         0x05, 0x7F, 0x7F,     // running wheel
                                     })}));
    const auto& events = result.file.tracks[0].events;
    ASSERT_EQ(events.size(), 7u);
    EXPECT_EQ(events[0], MakeNote(0, 0, 60, 100, 0x10, 64));
    EXPECT_EQ(events[1], MakeNote(0, 0, 62, 101, 0x10, 64));
    EXPECT_EQ(events[2], MakeMeta(0x10, 0x01, {'x'}));
    EXPECT_EQ(events[3], MakeController(0x10, 3, 7, 90));
    EXPECT_EQ(events[4], MakeController(0x15, 3, 10, 30));
    EXPECT_EQ(events[5], MakePitchWheel(0x15, 3, 0));
    EXPECT_EQ(events[6], MakePitchWheel(0x1A, 3, 8191));
}

TEST(MidiReader, OtherEventsAreKeptWithTheirBytesInPlace) {
    const auto result = Read(Smf(1, {Ended({
                                         0x00, 0xFF, 0x03, 0x04, 'L', 'e', 'a', 'd',
                                         0x00, 0xF0, 0x03, 0x43, 0x12, 0xF7,
                                         0x00, 0xC2, 40,
                                         0x00, 0x92, 60, 100,
                                         0x10, 0xA2, 60, 50,       // aftertouch
                                         0x10, 0xD2, 70,           // channel pressure
                                         0x00, 0xF7, 0x02, 0x01, 0x02,  // escape
                                         0x00, 0xFF, 0x7F, 0x00,   // empty sequencer-specific
                                         0x10, 0x82, 60, 64,
                                     })}));
    const auto& events = result.file.tracks[0].events;
    ASSERT_EQ(events.size(), 8u);
    EXPECT_EQ(events[0], MakeMeta(0, kMetaTrackName, {'L', 'e', 'a', 'd'}));
    EXPECT_EQ(events[1], MakeSysEx(0, {0x43, 0x12, 0xF7}));
    EXPECT_EQ(events[2], MakeChannelMessage(0, 0xC2, {40}));
    EXPECT_EQ(events[3], MakeNote(0, 2, 60, 100, 0x30, 64));
    EXPECT_EQ(events[4], MakeChannelMessage(0x10, 0xA2, {60, 50}));
    EXPECT_EQ(events[5], MakeChannelMessage(0x20, 0xD2, {70}));
    EXPECT_EQ(events[6], MakeSysEx(0x20, {0x01, 0x02}, kSysExEscapeStatus));
    EXPECT_EQ(events[7], MakeMeta(0x20, 0x7F, {}));
}

TEST(MidiReader, OverlappingNotesOfOneKeyEndInTheOrderTheyStarted) {
    const auto result = Read(Smf(0, {Ended({
                                         0x00, 0x90, 60, 10,
                                         0x10, 0x90, 60, 20,
                                         0x10, 0x80, 60, 0,
                                         0x10, 0x80, 60, 0,
                                     })}));
    const auto& events = result.file.tracks[0].events;
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].duration, 0x20u);
    EXPECT_EQ(events[1].duration, 0x20u);
    EXPECT_EQ(events[1].velocity, 20);
}

TEST(MidiReader, OrphanNoteOffIsDroppedWithAWarning) {
    const auto result = Read(Smf(0, {Ended({
                                         0x00, 0x90, 60, 100,
                                         0x10, 0x80, 60, 0,
                                         0x10, 0x80, 60, 0,  // no note left to end
                                         0x00, 0x93, 61, 0,  // nor here, as velocity 0
                                     })}));
    ASSERT_EQ(result.file.tracks[0].events.size(), 1u);
    ASSERT_EQ(result.warnings.size(), 2u);
    EXPECT_EQ(result.warnings[0].offset, kFirstBody + 8);
    EXPECT_NE(result.warnings[0].message.find("key 60 on channel 1 without a note-on"), std::string::npos);
    EXPECT_EQ(result.warnings[1].offset, kFirstBody + 12);
    EXPECT_NE(result.warnings[1].message.find("key 61 on channel 4"), std::string::npos);
}

TEST(MidiReader, HangingNoteLastsUntilTheEndOfTrackWithAWarning) {
    const auto result = Read(Smf(0, {{
                                         0x00, 0x90, 60, 100,
                                         0x10, 0x90, 62, 100,
                                         0x10, 0x80, 62, 0,
                                         0x40, 0xFF, 0x2F, 0x00,
                                     }}));
    const auto& track = result.file.tracks[0];
    EXPECT_EQ(track.endTime, 0x60u);
    ASSERT_EQ(track.events.size(), 2u);
    EXPECT_EQ(track.events[0], MakeNote(0, 0, 60, 100, 0x60, 64));
    EXPECT_EQ(track.events[1].duration, 0x10u);
    ASSERT_EQ(result.warnings.size(), 1u);
    EXPECT_EQ(result.warnings[0].offset, kFirstBody);
    EXPECT_NE(result.warnings[0].message.find("no note-off"), std::string::npos);
}

TEST(MidiReader, TrackWithoutEndOfTrackEndsAtItsLastEvent) {
    const auto result = Read(Smf(0, {{0x00, 0x90, 60, 100, 0x30, 0xB0, 7, 100}}));
    EXPECT_EQ(result.file.tracks[0].endTime, 0x30u);
    ASSERT_EQ(result.warnings.size(), 2u);  // no End of Track, and so the note hangs
    EXPECT_EQ(result.file.tracks[0].events[0].duration, 0x30u);
}

TEST(MidiReader, UnknownChunksAndTrailingBytesAreSkippedWithWarnings) {
    Bytes bytes = Header(1, 1, 96);
    Append(bytes, {'X', 'Y', 'Z', 'W', 0, 0, 0, 2, 0xAA, 0xBB});
    Append(bytes, TrackChunk(Ended({0x00, 0xC0, 5})));
    Append(bytes, {0x00, 0x00});
    const auto result = Read(bytes);
    ASSERT_EQ(result.file.tracks.size(), 1u);
    EXPECT_EQ(result.file.tracks[0].events, std::vector{MakeChannelMessage(0, 0xC0, {5})});
    ASSERT_EQ(result.warnings.size(), 2u);
    EXPECT_EQ(result.warnings[0].offset, 14u);
    EXPECT_NE(result.warnings[0].message.find("'XYZW'"), std::string::npos);
    EXPECT_EQ(result.warnings[1].offset, bytes.size() - 2);
}

TEST(MidiReader, BytesAfterEndOfTrackAreIgnoredWithAWarning) {
    const auto result = Read(Smf(0, {{0x00, 0xFF, 0x2F, 0x00, 0x00, 0x90, 60, 100}}));
    EXPECT_TRUE(result.file.tracks[0].events.empty());
    ASSERT_EQ(result.warnings.size(), 1u);
    EXPECT_EQ(result.warnings[0].offset, kFirstBody + 4);
}

}  // namespace
}  // namespace cantivo::midi::test
