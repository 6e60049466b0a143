#include "midi/midi_file.h"

#include <utility>

namespace cantivo::midi {

MidiEvent MakeNote(std::uint32_t time, std::uint8_t channel, std::uint8_t key, std::uint8_t velocity,
                   std::uint32_t duration, std::uint8_t releaseVelocity) {
    MidiEvent e;
    e.time = time;
    e.kind = MidiEventKind::Note;
    e.channel = channel;
    e.key = key;
    e.velocity = velocity;
    e.releaseVelocity = releaseVelocity;
    e.duration = duration;
    return e;
}

MidiEvent MakeController(std::uint32_t time, std::uint8_t channel, std::uint8_t controller, std::uint8_t value) {
    MidiEvent e;
    e.time = time;
    e.kind = MidiEventKind::Controller;
    e.channel = channel;
    e.controller = controller;
    e.value = value;
    return e;
}

MidiEvent MakePitchWheel(std::uint32_t time, std::uint8_t channel, std::int16_t wheel) {
    MidiEvent e;
    e.time = time;
    e.kind = MidiEventKind::PitchWheel;
    e.channel = channel;
    e.wheel = wheel;
    return e;
}

MidiEvent MakeMeta(std::uint32_t time, std::uint8_t type, std::vector<std::uint8_t> data) {
    MidiEvent e;
    e.time = time;
    e.status = kMetaStatus;
    e.metaType = type;
    e.data = std::move(data);
    return e;
}

MidiEvent MakeChannelMessage(std::uint32_t time, std::uint8_t status, std::vector<std::uint8_t> data) {
    MidiEvent e;
    e.time = time;
    e.status = status;
    e.data = std::move(data);
    return e;
}

MidiEvent MakeSysEx(std::uint32_t time, std::vector<std::uint8_t> data, std::uint8_t status) {
    MidiEvent e;
    e.time = time;
    e.status = status;
    e.data = std::move(data);
    return e;
}

}  // namespace cantivo::midi
