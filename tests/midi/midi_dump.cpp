// A test tool around the MIDI layer, for checks against an independent reader.
//   midi_dump FILE            our reader's view of FILE, one event a line
//   midi_dump --rewrite IN OUT   IN read and written again by our writer
//   midi_dump --sample OUT    a file of every kind of event, crossing notes of
//                             one key among them, made by our writer
#include <cstdio>
#include <random>
#include <string>

#include "midi/midi_file_io.h"

namespace {

using namespace cantivo::midi;

std::string HexBytes(const std::vector<std::uint8_t>& data) {
    std::string text;
    char byte[4];
    for (std::uint8_t b : data) {
        std::snprintf(byte, sizeof byte, "%02x", b);
        text += byte;
    }
    return text.empty() ? "-" : text;
}

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
                case MidiEventKind::Other:
                    if (e.status == kMetaStatus) {
                        std::printf("%u meta %02x %s\n", e.time, e.metaType, HexBytes(e.data).c_str());
                    } else if (e.status >= 0xF0) {
                        std::printf("%u sysex %02x %s\n", e.time, e.status, HexBytes(e.data).c_str());
                    } else {
                        std::printf("%u channel %02x %s\n", e.time, e.status, HexBytes(e.data).c_str());
                    }
                    break;
            }
        }
    }
}

MidiFile Sample() {
    std::mt19937 random(77);
    auto pick = [&](int low, int high) { return static_cast<int>(low + random() % (high - low + 1)); };
    auto byte = [&](int low, int high) { return static_cast<std::uint8_t>(pick(low, high)); };

    MidiTrack conductor;
    conductor.events = {MakeMeta(0, kMetaTrackName, {'s', 'a', 'm', 'p', 'l', 'e'}),
                        MakeMeta(0, kMetaTimeSignature, {3, 2, 24, 8}), MakeMeta(0, kMetaTempo, {0x07, 0xA1, 0x20}),
                        MakeSysEx(0, {0x41, 0x10, 0x42, 0x12, 0xF7}), MakeMeta(2000, kMetaTempo, {0x08, 0x00, 0x00}),
                        MakeMeta(3000, 0x06, {'e', 'n', 'd'})};
    conductor.endTime = 4000;

    MidiTrack music;
    std::uint32_t time = 0;
    for (int i = 0; i < 400; ++i) {
        time += static_cast<std::uint32_t>(pick(0, 3) == 0 ? 0 : pick(1, 40));
        const std::uint8_t channel = byte(0, 3);
        switch (pick(0, 9)) {
            case 0: music.events.push_back(MakeController(time, channel, byte(0, 127), byte(0, 127))); break;
            case 1: music.events.push_back(MakePitchWheel(time, channel, static_cast<std::int16_t>(pick(-8192, 8191)))); break;
            case 2: music.events.push_back(MakeChannelMessage(time, 0xC0 | channel, {byte(0, 127)})); break;
            case 3: music.events.push_back(MakeChannelMessage(time, 0xA0 | channel, {byte(60, 64), byte(0, 127)})); break;
            case 4: music.events.push_back(MakeChannelMessage(time, 0xD0 | channel, {byte(0, 127)})); break;
            case 5: music.events.push_back(MakeMeta(time, 0x01, {byte(32, 126), byte(32, 126)})); break;
            default:  // few keys, so that notes of one key overlap and cross
                music.events.push_back(MakeNote(time, channel, byte(60, 64), byte(1, 127),
                                                static_cast<std::uint32_t>(pick(0, 5) == 0 ? 0 : pick(1, 400)),
                                                byte(0, 127)));
                break;
        }
    }
    music.endTime = time;

    MidiFile file;
    file.format = 1;
    file.division = 192;
    file.tracks = {conductor, music};
    return file;
}

int Usage() {
    std::fprintf(stderr, "usage: midi_dump FILE | --rewrite IN OUT | --sample OUT\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--sample") return WriteMidiFile(argv[2], Sample()) ? 0 : 1;
    if (argc != 2 && !(argc == 4 && std::string(argv[1]) == "--rewrite")) return Usage();

    const MidiReadResult result = ReadMidiFile(argv[argc == 2 ? 1 : 2]);
    for (const MidiProblem& warning : result.warnings) std::fprintf(stderr, "warning: %s\n", warning.Describe().c_str());
    if (!result.Ok()) {
        std::fprintf(stderr, "error: %s\n", result.error->Describe().c_str());
        return 1;
    }
    if (argc == 4) return WriteMidiFile(argv[3], result.file) ? 0 : 1;
    Dump(result.file);
    return 0;
}
