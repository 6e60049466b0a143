#include <gtest/gtest.h>

#include <map>

#include "midi/midi_file_io.h"
#include "midi/midi_writer.h"
#include "midi/time_base.h"
#include "tools/make_example/example_piece.h"

namespace cantivo::example {
namespace {

using midi::MidiEvent;
using midi::MidiEventKind;

TEST(ExamplePiece, IsAMelodyWithAccompanimentOfAFewHundredNotes) {
    const midi::MidiFile piece = ComposeExample();
    EXPECT_EQ(piece.format, 1);
    EXPECT_EQ(midi::TicksPerQuarter(piece), 480);
    EXPECT_EQ(midi::FirstTimeSignature(piece), (midi::TimeSignature{0, 4, 2}));
    EXPECT_EQ(midi::FirstTempo(piece).microsecondsPerQuarter, 625000u);  // 96 a minute
    EXPECT_GT(midi::TempoMap(piece).size(), 1u);
    ASSERT_EQ(piece.tracks.size(), 4u);

    int notes = 0;
    std::map<std::uint8_t, int> controllers;
    int wheelMoves = 0;
    constexpr std::uint32_t kEnd = kBars * 4 * kTicksPerQuarter;
    for (const auto& track : piece.tracks) {
        EXPECT_EQ(track.endTime, kEnd);
        for (const MidiEvent& e : track.events) {
            EXPECT_LE(e.End(), kEnd);
            notes += e.kind == MidiEventKind::Note;
            if (e.kind == MidiEventKind::Controller) ++controllers[e.controller];
            wheelMoves += e.kind == MidiEventKind::PitchWheel;
        }
    }
    EXPECT_GE(notes, 200);
    EXPECT_LE(notes, 600);
    EXPECT_GT(controllers[1], 1);   // modulation
    EXPECT_GT(controllers[11], 1);  // expression
    EXPECT_GT(controllers[10], 0);  // pan
    EXPECT_GT(wheelMoves, 4);

    // The melody is one voice: each note ends before the next begins.
    const auto& melody = piece.tracks[1].events;
    const MidiEvent* previous = nullptr;
    for (const MidiEvent& e : melody) {
        if (e.kind != MidiEventKind::Note) continue;
        if (previous) {
            EXPECT_LE(previous->End(), e.time);
        }
        previous = &e;
    }
}

TEST(ExamplePiece, TheBuiltFileHoldsThePieceAndReadsBackWithoutWarnings) {
    const auto result = midi::ReadMidiFile(CANTIVO_EXAMPLE_MIDI);
    ASSERT_TRUE(result.Ok()) << result.error->Describe();
    EXPECT_TRUE(result.warnings.empty());
    EXPECT_EQ(result.file, ComposeExample());
    EXPECT_EQ(midi::WriteMidi(result.file), midi::WriteMidi(ComposeExample()));
}

}  // namespace
}  // namespace cantivo::example
