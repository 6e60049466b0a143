#include "tools/cantivo/input_checks.h"

#include "midi/time_base.h"

namespace cantivo::host {

std::optional<std::string> UnprocessableReason(const midi::MidiFile& file) {
    if (midi::TicksPerQuarter(file) <= 0) return "SMPTE time format not supported";
    for (std::size_t t = 0; t < file.tracks.size(); ++t) {
        const std::string where = "track " + std::to_string(t + 1) + ": ";
        for (const midi::MidiEvent& e : file.tracks[t].events) {
            if (e.time > kLatestRecordTime)
                return where + "an event at tick " + std::to_string(e.time) + " lies beyond tick " +
                       std::to_string(kLatestRecordTime) + ", the latest the filter can hold";
            if (e.kind == midi::MidiEventKind::Note && e.duration > kLongestRecordNote)
                return where + "a note at tick " + std::to_string(e.time) + " lasts " + std::to_string(e.duration) +
                       " ticks; the filter holds notes of up to " + std::to_string(kLongestRecordNote);
        }
    }
    return std::nullopt;
}

}  // namespace cantivo::host
