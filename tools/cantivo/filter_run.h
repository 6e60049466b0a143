// A whole run as a sequencer makes it: connect the filter with the file's
// time base and meter, hand it the settings through IPersistStream, process
// every track on its own, disconnect.
#pragma once

#include <optional>
#include <string>

#include "cantivo/mfx.h"
#include "midi/midi_file.h"
#include "tools/cantivo/settings_record.h"

namespace cantivo::host {

// Tracks with no notes, controllers or wheel moves (a conductor track) are
// copied as they are: the filter would only add its start controllers there.
bool HasChannelEvents(const midi::MidiTrack& track);

// The processed file, format 1 with the input's division; none when the
// filter refuses a step, and `problem` says which. The file must be timed in
// ticks per quarter note.
std::optional<midi::MidiFile> RunFilter(IMfxEventFilter& filter, const midi::MidiFile& input,
                                        const SettingsBytes& settings, std::string& problem);

}  // namespace cantivo::host
