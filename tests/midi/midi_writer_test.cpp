#include <gtest/gtest.h>

#include <map>

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
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 14), Header(0, 1, 96));
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
    EXPECT_EQ(ReadBack(file), file);
}

// For every key and channel, each note-on is ended by a later (or simultaneous)
// note-off, and nothing is left sounding at the End of Track.
void ExpectNoStuckNotes(const Bytes& body) {
    std::map<int, int> sounding;
    std::uint8_t status = 0;
    std::size_t at = 0;
    while (at < body.size()) {
        while (body[at] & 0x80) ++at;  // delta
        ++at;
        if (body[at] & 0x80) status = body[at++];
        if (status == 0xFF) break;
        ASSERT_TRUE(status == 0x80 || status == 0x90) << "only notes in this track";
        int& count = sounding[body[at]];
        count += status == 0x90 ? 1 : -1;
        ASSERT_GE(count, 0) << "note-off before its note-on at byte " << at;
        at += 2;
    }
    for (const auto& [key, count] : sounding) EXPECT_EQ(count, 0) << "key " << key;
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
    const Bytes bytes = WriteMidi(file);
    ExpectNoStuckNotes(Body(bytes));
    // Reading pairs each note-off with the earliest open note of its key, so
    // the three sixties come back with the ends in starting order.
    const MidiFile back = ReadBack(file);
    const auto& events = back.tracks[0].events;
    ASSERT_EQ(events.size(), 6u);
    EXPECT_EQ(events[0].End(), 150u);
    EXPECT_EQ(events[1].End(), 150u);
    EXPECT_EQ(events[2].End(), 300u);
    EXPECT_EQ(back.tracks[0].endTime, 350u);
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

TEST(MidiWriter, EventsOutOfTimeOrderAreWrittenInTimeOrderKeepingTies) {
    const MidiFile file = OneTrack({MakeController(20, 0, 1, 1), MakeController(10, 0, 2, 2),
                                    MakeController(20, 0, 3, 3), MakeController(10, 0, 4, 4)});
    const auto events = ReadBack(file).tracks[0].events;
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[0].controller, 2);
    EXPECT_EQ(events[1].controller, 4);
    EXPECT_EQ(events[2].controller, 1);
    EXPECT_EQ(events[3].controller, 3);
}

TEST(MidiWriter, ReadWriteReadKeepsEveryEvent) {
    // A hand-made format 1 file with every kind of event, running status and
    // velocity-0 note-offs, none of which our writer produces itself.
    const Bytes original = Smf(1, {Ended({0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x00, 0xFF, 0x58, 0x04, 3, 3, 24, 8,
                                          0x60, 0xFF, 0x51, 0x03, 0x06, 0x00, 0x00}),
                                   Ended({0x00, 0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7, 0x00, 0xC3, 12,
                                          0x00, 0x93, 60, 100, 0x00, 64, 90, 0x30, 60, 0, 0x00, 0xB3, 1, 20,
                                          0x08, 1, 40, 0x00, 0xA3, 64, 20, 0x00, 0xE3, 0x11, 0x22,
                                          0x10, 0x83, 64, 12, 0x00, 0xD3, 9, 0x00, 0xF7, 0x01, 0x05,
                                          0x20, 0xFF, 0x06, 0x01, 'm'})},
                               480);
    const MidiReadResult first = ReadMidi(original);
    ASSERT_TRUE(first.Ok()) << first.error->Describe();
    ASSERT_EQ(first.file.tracks[1].events.size(), 11u);
    EXPECT_EQ(ReadBack(first.file), first.file);
}

}  // namespace
}  // namespace cantivo::midi::test
