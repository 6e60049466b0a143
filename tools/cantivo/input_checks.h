// What the filter's records can hold: times of 24 bits and note lengths of 16.
// A file beyond that would come back changed where no style asked for it.
#pragma once

#include <optional>
#include <string>

#include "midi/midi_file.h"

namespace cantivo::host {

inline constexpr std::uint32_t kLatestRecordTime = 0xFFFFFF;
inline constexpr std::uint32_t kLongestRecordNote = 0xFFFF;

// Why the file cannot be processed, or none.
std::optional<std::string> UnprocessableReason(const midi::MidiFile& file);

}  // namespace cantivo::host
