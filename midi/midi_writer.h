// Writing a Standard MIDI File. A note becomes a note-on and a real note-off
// (0x80, with its release velocity); channel messages use running status, and
// every meta and SysEx event is followed by a full status byte again.
#pragma once

#include <cstdint>
#include <vector>

#include "midi/midi_file.h"

namespace cantivo::midi {

// Events are written in time order, those at one time in their order in the
// track. A note-off goes before any event at its time, so a note that ends
// where the next one of its key starts never swallows it; a note of no length
// ends right after it starts. The End of Track comes after the last note end.
// A note of velocity 0, which a file cannot hold, is written with velocity 1.
// A gap between events longer than a delta time holds (2^28 - 1 ticks) is
// bridged by empty text events, so the file always reads back.
std::vector<std::uint8_t> WriteMidi(const MidiFile& file);

}  // namespace cantivo::midi
