#include <gtest/gtest.h>

#include "midi/midi_file_io.h"
#include "tools/make_example/example_piece.h"

namespace cantivo::example {
namespace {

using midi::MidiEvent;

// The piece the host tests and the demo run, with every event inside its bars.
TEST(ExamplePiece, TheBuiltFileHoldsThePieceWithEveryEventInsideItsBars) {
    const auto result = midi::ReadMidiFile(CANTIVO_EXAMPLE_MIDI);
    ASSERT_TRUE(result.Ok()) << result.error->Describe();
    EXPECT_TRUE(result.warnings.empty());
    const midi::MidiFile piece = ComposeExample();
    EXPECT_EQ(result.file, piece);

    constexpr std::uint32_t kEnd = kBars * 4 * kTicksPerQuarter;
    for (const auto& track : piece.tracks) {
        EXPECT_EQ(track.endTime, kEnd);
        for (const MidiEvent& e : track.events) EXPECT_LE(e.End(), kEnd);
    }
}

}  // namespace
}  // namespace cantivo::example
