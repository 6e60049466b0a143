#include "midi/time_base.h"

#include <algorithm>

namespace cantivo::midi {

namespace {

template <typename Change, typename Decode>
std::vector<Change> Collect(const MidiFile& file, std::uint8_t metaType, std::size_t length, Decode decode) {
    std::vector<Change> changes;
    for (const MidiTrack& track : file.tracks) {
        for (const MidiEvent& e : track.events) {
            if (e.IsMeta(metaType) && e.data.size() >= length) changes.push_back(decode(e));
        }
    }
    std::stable_sort(changes.begin(), changes.end(), [](const Change& a, const Change& b) { return a.time < b.time; });
    return changes;
}

}  // namespace

std::vector<TempoChange> TempoMap(const MidiFile& file) {
    return Collect<TempoChange>(file, kMetaTempo, 3, [](const MidiEvent& e) {
        return TempoChange{e.time, (std::uint32_t{e.data[0]} << 16) | (std::uint32_t{e.data[1]} << 8) | e.data[2]};
    });
}

std::vector<TimeSignature> TimeSignatureMap(const MidiFile& file) {
    return Collect<TimeSignature>(file, kMetaTimeSignature, 2,
                                  [](const MidiEvent& e) { return TimeSignature{e.time, e.data[0], e.data[1]}; });
}

TempoChange FirstTempo(const MidiFile& file) {
    const auto map = TempoMap(file);
    return map.empty() ? TempoChange{} : map.front();
}

TimeSignature FirstTimeSignature(const MidiFile& file) {
    const auto map = TimeSignatureMap(file);
    return map.empty() ? TimeSignature{} : map.front();
}

int TicksPerQuarter(const MidiFile& file) { return (file.division & 0x8000) ? 0 : file.division; }

}  // namespace cantivo::midi
