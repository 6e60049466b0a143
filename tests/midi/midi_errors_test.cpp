#include <gtest/gtest.h>

#include <string>

#include "midi/midi_file_io.h"
#include "midi/midi_reader.h"
#include "tests/midi/smf_bytes.h"
#include "tests/support/temp_folder.h"

namespace cantivo::midi::test {
namespace {

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
        {"empty", {}, 0, "not a MIDI file"},
        {"not a MIDI file", {'R', 'I', 'F', 'F', 0, 0, 0, 0}, 0, "not a MIDI file"},
        {"header cut short", Truncated(good, 6), 6, "ends inside the MThd header"},
        {"header length too short", WithLength(good, 4, 4), 4, "shorter than 6"},
        {"header length past the end", WithLength(good, 4, 1000), 4, "runs past the end of the file"},
        {"format 2", [] { Bytes b = Smf(1, {kEndOfTrack}); b[9] = 2; return b; }(), 8, "format 2"},
        {"format 0 with two tracks", Smf(0, {kEndOfTrack, kEndOfTrack}), 10, "one track"},
        {"division 0", Smf(1, {kEndOfTrack}, 0), 12, "division"},
        {"missing track", [] { Bytes b = Smf(1, {kEndOfTrack}); b[11] = 2; return b; }(), 26,
         "after 1 of 2 tracks"},
        {"chunk length past the end", WithLength(good, 18, 100), 18, "chunk length 100"},
        {"chunk header cut short", Truncated(good, 19), 19, "ends inside a chunk header"},
        {"running status with no status", Smf(0, {Ended({0x00, 60, 100})}), kFirstBody + 1, "running status"},
        {"delta time of five bytes", Smf(0, {Ended({0x81, 0x81, 0x81, 0x81, 0x01, 0x90, 60, 1})}), kFirstBody,
         "longer than four bytes"},
        {"delta time cut by the chunk", Smf(0, {{0x00, 0xC0, 1, 0x81}}), kFirstBody + 4, "ends inside a delta time"},
        {"SysEx longer than the track", Smf(0, {Ended({0x00, 0xF0, 0x7F, 0x01, 0xF7})}), kFirstBody + 3,
         "SysEx event of 127 bytes"},
        {"SysEx length of five bytes", Smf(0, {{0x00, 0xF0, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}}), kFirstBody + 2,
         "longer than four bytes"},
        {"meta longer than the track", Smf(0, {{0x00, 0xFF, 0x01, 0x05, 'a', 'b'}}), kFirstBody + 4,
         "meta event of 5 bytes"},
        {"meta type cut off", Smf(0, {{0x00, 0xFF}}), kFirstBody + 2, "ends inside a meta event"},
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

TEST(MidiFileIo, MissingFilesAndFoldersAreErrors) {
    cantivo::test::TempFolder folder;
    const MidiReadResult missing = ReadMidiFile(folder / "absent.mid");
    ASSERT_FALSE(missing.Ok());
    EXPECT_EQ(missing.error->offset, 0u);
    EXPECT_NE(missing.error->message.find("cannot open"), std::string::npos);
    EXPECT_FALSE(WriteMidiFile(folder / "no folder" / "x.mid", MidiFile{}));
    // A file that is there is written and read back by the example piece's own test.
}

}  // namespace
}  // namespace cantivo::midi::test
