// Reading a Standard MIDI File of format 0 or 1 from its bytes. A malformed
// file gives an error that names the byte offset where reading stopped; things
// that can be read sensibly in spite of a fault give warnings instead.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "midi/midi_file.h"

namespace cantivo::midi {

struct MidiProblem {
    std::size_t offset = 0;  // from the start of the file
    std::string message;

    // "offset N: message"
    std::string Describe() const;
};

struct MidiReadResult {
    MidiFile file;  // meaningful only without an error
    std::vector<MidiProblem> warnings;
    std::optional<MidiProblem> error;

    bool Ok() const { return !error; }
};

// Note-offs close the earliest open note of their key and channel. A note-on
// with velocity 0 is a note-off with release velocity 64. A note-off with no
// open note is dropped; a note still open at the End of Track lasts until it.
MidiReadResult ReadMidi(std::span<const std::uint8_t> bytes);

}  // namespace cantivo::midi
