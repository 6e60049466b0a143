// A track as a host's event queue holds it, and back again after a filter has
// worked on it.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "cantivo/mfx.h"
#include "midi/midi_file.h"

namespace cantivo::midi {

// The host type of every event that is not a note, controller or pitch wheel.
// Such an event carries hostTag = 1 + its index in the track; a filter hands
// it back untouched and the track finds the event's bytes again by the tag.
inline constexpr std::int32_t kHostKeptEvent = 0x100;

std::vector<HostEvent> ToHostEvents(const MidiTrack& track, std::uint8_t port = 0);

// The track that `events` make, given the track they were made from: notes,
// controllers and wheel moves as the events say, kept events by their tag,
// each once, at the time the host event gives. Events at one time are put in
// the order of their counterparts in `source` (the same kind, channel, and key
// or controller number at that time); events with none follow them, in the
// order given. Negative times and durations become 0; events of other host
// types are not ours and are left out. The End of Track stays where it was.
MidiTrack FromHostEvents(const MidiTrack& source, std::span<const HostEvent> events);

}  // namespace cantivo::midi
