#include <gtest/gtest.h>

#include "tools/cantivo/bar_grid.h"
#include "tools/cantivo/piano_roll.h"

namespace cantivo::host {
namespace {

using midi::MakeController;
using midi::MakeMeta;
using midi::MakeNote;
using midi::MakePitchWheel;
using midi::MidiEvent;
using midi::MidiFile;
using midi::MidiTrack;

MidiEvent Meter(std::uint32_t time, std::uint8_t numerator, std::uint8_t denominatorPower) {
    return MakeMeta(time, midi::kMetaTimeSignature, {numerator, denominatorPower, 24, 8});
}

MidiTrack Track(const std::string& name, std::vector<MidiEvent> events) {
    MidiTrack track;
    track.events = {MakeMeta(0, midi::kMetaTrackName, std::vector<std::uint8_t>(name.begin(), name.end()))};
    track.events.insert(track.events.end(), events.begin(), events.end());
    return track;
}

// A conductor track with the meter, then one track of music.
MidiFile Piece(std::vector<MidiEvent> music, std::vector<MidiEvent> meters = {}) {
    return MidiFile{1, 480, {Track("Conductor", std::move(meters)), Track("Lead", std::move(music))}};
}

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

TEST(BarGrid, BarsFollowTheMeterAndAChangeInsideABarStartsANewOne) {
    // 3/4 (1440 ticks), 2/4 from 2880 (960 ticks), 6/8 from 4000, inside the bar that began at 3840.
    const MidiFile file = Piece({}, {Meter(0, 3, 2), Meter(2880, 2, 2), Meter(4000, 6, 3)});
    EXPECT_EQ(BarStarts(file, 5000), (std::vector<std::uint32_t>{0, 1440, 2880, 3840, 4000, 5440}));
    // At least as many bars as asked for, past the end of the music.
    EXPECT_EQ(BarStarts(Piece({}), 0, 3), (std::vector<std::uint32_t>{0, 1920, 3840, 5760}));
    // A meter no bar can have counts as 4/4.
    EXPECT_EQ(BarStarts(Piece({}, {Meter(0, 0, 2)}), 1), (std::vector<std::uint32_t>{0, 1920}));
}

TEST(PianoRoll, GhostsTheInputUnderTheOutputWithVelocityAndControllerLanes) {
    const MidiFile before = Piece({MakeNote(0, 0, 60, 100, 480), MakeNote(480, 0, 64, 90, 480),
                                   MakeController(0, 0, 11, 100), MakeController(10, 0, 11, 100)});
    const MidiFile after = Piece({MakeNote(12, 0, 60, 80, 470), MakeNote(480, 0, 64, 95, 500),
                                  MakeNote(960, 0, 67, 70, 480), MakeController(0, 0, 11, 100),
                                  MakePitchWheel(0, 0, 0)});
    const std::string svg = PianoRollSvg(before, after);
    EXPECT_EQ(svg.rfind("<svg xmlns=\"http://www.w3.org/2000/svg\"", 0), 0u);
    const std::pair<const char*, std::size_t> counts[] = {
        {"<rect class=\"ghost\"", 2}, {"<rect class=\"note\"", 3}, {"class=\"ghost-stem\"", 2}, {"class=\"stem\"", 3},
        // The conductor track, without notes or controllers, gets no roll.
        {"class=\"title\"", 1}, {">Track 2: Lead<", 1}, {"<g class=\"velocity-lane\"", 1},
        // Expression thinned from two moves to one, the wheel added; no pan or modulation lane.
        {"<g class=\"controller-lane\"", 2}, {"data-controller=\"11\"", 1}, {"data-controller=\"-1\"", 1},
        {"class=\"ghost-point\"", 2}, {"class=\"point\"", 2},
        // Rows tall enough to name every key from B3 to G#4.
        {">B3<", 1}, {">C4<", 1}, {">C#4<", 1}, {">G4<", 1}, {">G#4<", 1}, {">A4<", 0}};
    for (const auto& [part, count] : counts) EXPECT_EQ(Count(svg, part), count) << part;
}

TEST(PianoRoll, BarsChooseWhatIsDrawnAndAreNumberedFromTheFile) {
    std::vector<MidiEvent> notes;
    for (std::uint32_t bar = 0; bar < 4; ++bar) notes.push_back(MakeNote(bar * 1440 + 100, 0, 60, 100, 2000));
    const MidiFile piece = Piece(notes, {Meter(0, 3, 2)});
    const std::string whole = PianoRollSvg(piece, piece);
    EXPECT_EQ(Count(whole, "class=\"bar-number\""), 5u);  // the last note rings into bar 5
    EXPECT_EQ(Count(whole, "<rect class=\"ghost\""), 4u);

    const std::string part = PianoRollSvg(piece, piece, BarRange{2, 3});
    // Notes of bars 2 and 3, and the one of bar 1 that still sounds in bar 2.
    const std::pair<const char*, std::size_t> counts[] = {
        {"class=\"bar-number\"", 2}, {">1</text>", 0}, {">2</text>", 1}, {">3</text>", 1}, {"<rect class=\"ghost\"", 3}};
    for (const auto& [element, count] : counts) EXPECT_EQ(Count(part, element), count) << element;
}

TEST(PianoRoll, TrackNamesAreEscapedIntoPrintableText) {
    MidiFile piece = Piece({MakeNote(0, 0, 60, 100, 480)});
    piece.tracks[1] = Track("<R&B> \"\xff\"", piece.tracks[1].events);
    EXPECT_EQ(Count(PianoRollSvg(piece, piece), ">Track 2: &lt;R&amp;B&gt; &quot;?&quot;<"), 1u);
}

}  // namespace
}  // namespace cantivo::host
