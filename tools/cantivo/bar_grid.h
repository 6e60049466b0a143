// Where a file's bars begin, from its meter: a meter change that falls inside
// a bar starts a new bar there, as a sequencer's bar ruler does.
#pragma once

#include <cstdint>
#include <vector>

#include "midi/midi_file.h"

namespace cantivo::host {

// The start of bar 1 (tick 0), bar 2 and so on up to the first start at or
// beyond `end`, and at least `minimumBars` + 1 starts, so that bar n spans
// [starts[n - 1], starts[n]). Never more than kMaxBarStarts; a file timed in
// SMPTE frames is counted as 480 ticks a quarter.
std::vector<std::uint32_t> BarStarts(const midi::MidiFile& file, std::uint32_t end, std::uint32_t minimumBars = 1);

inline constexpr std::size_t kMaxBarStarts = 100000;

}  // namespace cantivo::host
