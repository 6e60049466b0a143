// A MIDI file read, handed through a host's queue and back, and written: what
// is written must read back, and writing it again must give the same bytes.
// A refused file is refused at an offset inside it; a read one reads back the
// same, but for the empty text events that bridge gaps no delta time holds.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "midi/host_events.h"
#include "midi/midi_reader.h"
#include "midi/midi_writer.h"

using namespace cantivo;

// The file without empty text events: the writer bridges a gap no delta time
// holds with them, and reading takes them in like any other event.
midi::MidiFile WithoutEmptyTexts(midi::MidiFile file) {
    for (midi::MidiTrack& track : file.tracks)
        std::erase_if(track.events, [](const midi::MidiEvent& e) { return e.IsMeta(midi::kMetaText) && e.data.empty(); });
    return file;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const midi::MidiReadResult read = midi::ReadMidi({data, size});
    if (!read.Ok()) {
        if (read.error->offset > size) std::abort();  // a refusal names a place inside the file
        return 0;
    }
    const midi::MidiReadResult reread = midi::ReadMidi(midi::WriteMidi(read.file));
    if (!reread.Ok() || WithoutEmptyTexts(reread.file) != WithoutEmptyTexts(read.file)) std::abort();
    midi::MidiFile file = read.file;
    for (midi::MidiTrack& track : file.tracks) track = midi::FromHostEvents(track, midi::ToHostEvents(track));

    const auto written = midi::WriteMidi(file);
    const midi::MidiReadResult again = midi::ReadMidi(written);
    if (!again.Ok()) std::abort();
    if (midi::WriteMidi(again.file) != written) std::abort();
    return 0;
}
