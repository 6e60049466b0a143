// A piano-roll picture of a file before and after the filter, side by side,
// as a self-contained SVG: time across, keys up, one colour per track, the
// louder a note the stronger its colour, bar lines from the first meter.
#pragma once

#include <string>

#include "midi/midi_file.h"

namespace cantivo::host {

std::string PianoRollSvg(const midi::MidiFile& before, const midi::MidiFile& after);

}  // namespace cantivo::host
