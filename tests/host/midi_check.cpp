// A test tool: what our reader makes of a MIDI file, in one line:
//   format F division D tracks T notes N warnings W
// or the reader's error on standard error and exit code 1.
#include <cstdio>

#include "midi/midi_file_io.h"

int main(int argc, char** argv) {
    using namespace cantivo::midi;
    if (argc != 2) {
        std::fprintf(stderr, "usage: midi_check FILE.mid\n");
        return 2;
    }
    const MidiReadResult read = ReadMidiFile(argv[1]);
    if (!read.Ok()) {
        std::fprintf(stderr, "%s\n", read.error->Describe().c_str());
        return 1;
    }
    std::size_t notes = 0;
    for (const MidiTrack& track : read.file.tracks)
        for (const MidiEvent& e : track.events) notes += e.kind == MidiEventKind::Note;
    for (const MidiProblem& warning : read.warnings) std::fprintf(stderr, "%s\n", warning.Describe().c_str());
    std::printf("format %u division %u tracks %zu notes %zu warnings %zu\n", read.file.format, read.file.division,
                read.file.tracks.size(), notes, read.warnings.size());
    return 0;
}
