// Reading and writing MIDI files on disk.
#pragma once

#include <filesystem>

#include "midi/midi_reader.h"

namespace cantivo::midi {

// A file that cannot be opened is an error at offset 0.
MidiReadResult ReadMidiFile(const std::filesystem::path& path);

// False when the file cannot be written completely.
bool WriteMidiFile(const std::filesystem::path& path, const MidiFile& file);

}  // namespace cantivo::midi
