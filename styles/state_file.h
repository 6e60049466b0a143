// The state file qvb20.sta in the module folder: the filter's persisted
// settings, 636 bytes, written for readers outside the program.
#pragma once

#include "engine/midi_filter.h"

namespace cantivo {

constexpr const char* kStateFileName = "qvb20.sta";

// Replaces the file; a file that cannot be written is skipped silently.
void WriteStateFile(const CMFCMidiFilter& filter);

}  // namespace cantivo
