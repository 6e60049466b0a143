#include "midi/midi_file_io.h"

#include <fstream>
#include <iterator>

#include "midi/midi_writer.h"

namespace cantivo::midi {

MidiReadResult ReadMidiFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        MidiReadResult result;
        result.error = MidiProblem{0, "cannot open " + path.string()};
        return result;
    }
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return ReadMidi(bytes);
}

bool WriteMidiFile(const std::filesystem::path& path, const MidiFile& file) {
    const std::vector<std::uint8_t> bytes = WriteMidi(file);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return out.good();
}

}  // namespace cantivo::midi
