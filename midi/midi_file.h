// A Standard MIDI File as the rest of the system sees it: tracks of timed
// events, with every note's on and off joined into one event with a duration.
#pragma once

#include <cstdint>
#include <vector>

namespace cantivo::midi {

enum class MidiEventKind : std::uint8_t {
    Note,
    Controller,
    PitchWheel,
    Other,  // meta, SysEx, program change, aftertouch, channel pressure: kept as read
};

inline constexpr std::uint8_t kMetaStatus = 0xFF;
inline constexpr std::uint8_t kSysExStatus = 0xF0;
inline constexpr std::uint8_t kSysExEscapeStatus = 0xF7;

inline constexpr std::uint8_t kMetaText = 0x01;
inline constexpr std::uint8_t kMetaTrackName = 0x03;
inline constexpr std::uint8_t kMetaEndOfTrack = 0x2F;
inline constexpr std::uint8_t kMetaTempo = 0x51;
inline constexpr std::uint8_t kMetaTimeSignature = 0x58;

struct MidiEvent {
    std::uint32_t time = 0;  // absolute ticks
    MidiEventKind kind = MidiEventKind::Other;
    std::uint8_t channel = 0;  // Note, Controller, PitchWheel

    // Note
    std::uint8_t key = 0;
    std::uint8_t velocity = 0;
    std::uint8_t releaseVelocity = 0;
    std::uint32_t duration = 0;

    // Controller
    std::uint8_t controller = 0;
    std::uint8_t value = 0;

    // PitchWheel, -8192..8191
    std::int16_t wheel = 0;

    // Other: the status byte (0xFF meta, 0xF0 or 0xF7 SysEx, or a channel
    // status with its channel), the meta type for meta events, and the bytes
    // that follow, without the length that meta and SysEx events carry.
    std::uint8_t status = 0;
    std::uint8_t metaType = 0;
    std::vector<std::uint8_t> data;

    bool IsMeta(std::uint8_t type) const {
        return kind == MidiEventKind::Other && status == kMetaStatus && metaType == type;
    }
    std::uint32_t End() const { return kind == MidiEventKind::Note ? time + duration : time; }

    bool operator==(const MidiEvent&) const = default;
};

struct MidiTrack {
    // In the order they are written; times never decrease.
    std::vector<MidiEvent> events;
    // The time of the End of Track event; writing moves it past any later note end.
    std::uint32_t endTime = 0;

    bool operator==(const MidiTrack&) const = default;
};

struct MidiFile {
    std::uint16_t format = 1;
    // Ticks per quarter note, or an SMPTE time base when bit 15 is set.
    std::uint16_t division = 480;
    std::vector<MidiTrack> tracks;

    bool operator==(const MidiFile&) const = default;
};

// Builders for the common events.
MidiEvent MakeNote(std::uint32_t time, std::uint8_t channel, std::uint8_t key, std::uint8_t velocity,
                   std::uint32_t duration, std::uint8_t releaseVelocity = 64);
MidiEvent MakeController(std::uint32_t time, std::uint8_t channel, std::uint8_t controller, std::uint8_t value);
MidiEvent MakePitchWheel(std::uint32_t time, std::uint8_t channel, std::int16_t wheel);
MidiEvent MakeMeta(std::uint32_t time, std::uint8_t type, std::vector<std::uint8_t> data);
// A program change, aftertouch or channel pressure: `status` with its channel.
MidiEvent MakeChannelMessage(std::uint32_t time, std::uint8_t status, std::vector<std::uint8_t> data);
// `data` as it follows the length in the file: a whole message ends in 0xF7.
MidiEvent MakeSysEx(std::uint32_t time, std::vector<std::uint8_t> data, std::uint8_t status = kSysExStatus);

}  // namespace cantivo::midi
