// A test tool around the MIDI layer, for checks against an independent reader.
//   midi_dump FILE            our reader's view of FILE's notes, controllers and wheel moves
//   midi_dump --rewrite IN OUT   IN read and written again by our writer
#include <cstdio>
#include <string>

#include "midi/midi_file_io.h"

namespace {

using namespace cantivo::midi;

void Dump(const MidiFile& file) {
    std::printf("file %u %u %zu\n", file.format, file.division, file.tracks.size());
    for (std::size_t t = 0; t < file.tracks.size(); ++t) {
        const MidiTrack& track = file.tracks[t];
        std::printf("track %zu end %u\n", t, track.endTime);
        for (const MidiEvent& e : track.events) {
            switch (e.kind) {
                case MidiEventKind::Note:
                    std::printf("%u note %u %u %u %u %u\n", e.time, e.channel, e.key, e.velocity, e.releaseVelocity,
                                e.duration);
                    break;
                case MidiEventKind::Controller:
                    std::printf("%u controller %u %u %u\n", e.time, e.channel, e.controller, e.value);
                    break;
                case MidiEventKind::PitchWheel: std::printf("%u wheel %u %d\n", e.time, e.channel, e.wheel); break;
                case MidiEventKind::Other: break;  // kept by its bytes, not compared
            }
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && !(argc == 4 && std::string(argv[1]) == "--rewrite")) return 2;

    const MidiReadResult result = ReadMidiFile(argv[argc == 2 ? 1 : 2]);
    if (!result.Ok()) {
        std::fprintf(stderr, "error: %s\n", result.error->Describe().c_str());
        return 1;
    }
    if (argc == 4) return WriteMidiFile(argv[3], result.file) ? 0 : 1;
    Dump(result.file);
    return 0;
}
