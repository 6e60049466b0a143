// A piano-roll picture of what the filter changed, as a self-contained SVG:
// one roll per track, the output's notes drawn over the input's ghosted ones,
// a velocity lane and a lane for each of expression, pan, modulation and the
// pitch wheel that the track holds before or after, bar numbers from the
// file's meter and key names up the side. The same files give the same bytes.
//
// Elements a reader may count: rect.ghost (an input note), rect.note (an
// output note), g.velocity-lane, g.controller-lane, text.bar-number, text.key-name.
#pragma once

#include <optional>
#include <string>

#include "midi/midi_file.h"
#include "tools/cantivo/host_options.h"

namespace cantivo::host {

// `bars` limits the picture to those bars; notes that sound in them are drawn
// whole, cut at the picture's edges.
std::string PianoRollSvg(const midi::MidiFile& before, const midi::MidiFile& after,
                         const std::optional<BarRange>& bars = std::nullopt);

}  // namespace cantivo::host
