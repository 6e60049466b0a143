#include <gtest/gtest.h>

#include "midi/midi_reader.h"
#include "midi/midi_writer.h"
#include "tests/midi/smf_bytes.h"

namespace cantivo::midi::test {
namespace {

MidiFile OneTrack(std::vector<MidiEvent> events, std::uint32_t endTime = 0) {
    MidiFile file;
    file.format = 0;
    file.division = 96;
    file.tracks = {MidiTrack{std::move(events), endTime}};
    return file;
}

Bytes Body(const Bytes& file) { return Bytes(file.begin() + 22, file.end()); }

MidiFile ReadBack(const MidiFile& file) {
    const MidiReadResult result = ReadMidi(WriteMidi(file));
    EXPECT_TRUE(result.Ok()) << result.error->Describe();
    EXPECT_TRUE(result.warnings.empty()) << result.warnings.front().Describe();
    return result.file;
}

TEST(MidiWriter, BytesOfATrack) {
    const MidiFile file = OneTrack({MakeMeta(0, kMetaTrackName, {'A'}), MakeNote(0, 2, 60, 100, 0x20, 33),
                                    MakeController(0x10, 2, 7, 90), MakeController(0x10, 2, 10, 64),
                                    MakeSysEx(0x10, {0x41, 0xF7}), MakePitchWheel(0x30, 2, -8192),
                                    MakeChannelMessage(0x30, 0xC2, {5})},
                                   0x40);
    const Bytes bytes = WriteMidi(file);
    EXPECT_EQ(Body(bytes), (Bytes{
                               0x00, 0xFF, 0x03, 0x01, 'A',
                               0x00, 0x92, 60, 100,
                               0x10, 0xB2, 7, 90,
                               0x00, 10, 64,              // running status
                               0x00, 0xF0, 0x02, 0x41, 0xF7,
                               0x10, 0x82, 60, 33,        // status again after SysEx
                               0x10, 0xE2, 0x00, 0x00,
                               0x00, 0xC2, 5,
                               0x10, 0xFF, 0x2F, 0x00,
                           }));
}

TEST(MidiWriter, NoteEndingWhereTheNextOfItsKeyStartsIsWrittenFirst) {
    const MidiFile file = OneTrack({MakeNote(0, 0, 60, 100, 0x10), MakeNote(0x10, 0, 60, 90, 0x10)}, 0x20);
    EXPECT_EQ(Body(WriteMidi(file)), (Bytes{0x00, 0x90, 60, 100, 0x10, 0x80, 60, 64, 0x00, 0x90, 60, 90, 0x10, 0x80,
                                            60, 64, 0x00, 0xFF, 0x2F, 0x00}));
}

TEST(MidiWriter, OverlappingAndCrossingNotesOfOneKeyLeaveNoneSounding) {
    const MidiFile file = OneTrack({
        MakeNote(0, 0, 60, 100, 300),   // holds over the next two
        MakeNote(100, 0, 60, 90, 50),   // ends inside the first
        MakeNote(150, 0, 60, 80, 0),    // no length, at the other's end
        MakeNote(150, 0, 62, 80, 200),
        MakeNote(300, 0, 62, 70, 10),   // starts inside, ends after the first 62
        MakeNote(350, 0, 62, 60, 0),    // starts where the 62 above ends
    });
    // A note left sounding or ended twice would come back with a warning.
    const MidiFile back = ReadBack(file);
    EXPECT_EQ(back.tracks[0].events.size(), 6u);
    EXPECT_EQ(ReadBack(back), back);  // and from there on nothing changes
}

TEST(MidiWriter, EndOfTrackFollowsTheLastNoteEnd) {
    MidiFile file = OneTrack({MakeNote(0, 0, 60, 100, 500), MakeController(10, 0, 1, 5)}, 20);
    EXPECT_EQ(ReadBack(file).tracks[0].endTime, 500u);
    file.tracks[0].endTime = 900;
    EXPECT_EQ(ReadBack(file).tracks[0].endTime, 900u);
}

TEST(MidiWriter, ValuesAFileCannotHoldAreBroughtIntoRange) {
    MidiEvent endOfTrack = MakeMeta(5, kMetaEndOfTrack, {});
    const MidiFile file = OneTrack({MakeNote(0, 0, 60, 0, 10), endOfTrack, MakeController(10, 0, 7, 200),
                                    MakePitchWheel(10, 0, 9000), MakePitchWheel(10, 0, -9000)});
    const auto events = ReadBack(file).tracks[0].events;
    ASSERT_EQ(events.size(), 4u);  // the End of Track among the events is not written
    EXPECT_EQ(events[0].velocity, 1);  // velocity 0 would end the note
    EXPECT_EQ(events[1].value, 127);
    EXPECT_EQ(events[2].wheel, 8191);
    EXPECT_EQ(events[3].wheel, -8192);
}

// Dropped events can leave a gap no delta time holds; the file must still
// read back, with every event at its time.
TEST(MidiWriter, GapsLongerThanADeltaTimeAreBridged) {
    constexpr std::uint32_t kFar = (1u << 28) + 100;
    const MidiFile file = OneTrack(
        {MakeController(0, 0, 7, 1), MakeController(kFar, 0, 7, 2), MakeNote(kFar, 0, 60, 90, 1u << 29)});
    const MidiReadResult back = ReadMidi(WriteMidi(file));
    ASSERT_TRUE(back.Ok()) << back.error->Describe();
    std::vector<MidiEvent> events;
    for (const MidiEvent& e : back.file.tracks[0].events)
        if (!e.IsMeta(kMetaText)) events.push_back(e);
    EXPECT_EQ(events, file.tracks[0].events);
    EXPECT_EQ(back.file.tracks[0].endTime, kFar + (1u << 29));
}

}  // namespace
}  // namespace cantivo::midi::test
