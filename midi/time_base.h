// What a host needs of a file to give a filter its time base and meter.
#pragma once

#include <cstdint>
#include <vector>

#include "midi/midi_file.h"

namespace cantivo::midi {

struct TempoChange {
    std::uint32_t time = 0;
    std::uint32_t microsecondsPerQuarter = 500000;

    bool operator==(const TempoChange&) const = default;
};

struct TimeSignature {
    std::uint32_t time = 0;
    std::uint8_t numerator = 4;
    std::uint8_t denominatorPower = 2;  // the beat unit is 1 / 2^power

    bool operator==(const TimeSignature&) const = default;
};

// Tempo and time-signature events of every track, by time; at one time, in
// track order. Events too short to hold their values are left out.
std::vector<TempoChange> TempoMap(const MidiFile& file);
std::vector<TimeSignature> TimeSignatureMap(const MidiFile& file);

// The first of each, or the file format's defaults: 120 quarters a minute, 4/4.
TempoChange FirstTempo(const MidiFile& file);
TimeSignature FirstTimeSignature(const MidiFile& file);

// Ticks per quarter note; 0 for a file timed in SMPTE frames.
int TicksPerQuarter(const MidiFile& file);

}  // namespace cantivo::midi
