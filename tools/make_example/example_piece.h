// The bundled example: a short piece of our own in D minor, a melody over
// broken piano chords and a bass line, 24 bars of 4/4 with controller moves,
// pitch-bend gestures and a closing ritardando.
#pragma once

#include "midi/midi_file.h"

namespace cantivo::example {

inline constexpr int kTicksPerQuarter = 480;
inline constexpr int kBars = 24;

// Format 1: a conductor track, then "Melody", "Piano" and "Bass" on channels 1 to 3.
midi::MidiFile ComposeExample();

}  // namespace cantivo::example
