// Makers of the events tests feed the filter: the 8-byte records the stages
// work on, and the host events of a queue.
#pragma once

#include <cstdint>
#include <vector>

#include "cantivo/mfx.h"
#include "cantivo/rule_module.h"

namespace cantivo::test {

// A record at `time` of `kind`, with its first two data bytes.
inline EventRecord Record(std::uint32_t time, std::uint8_t kind, std::uint8_t first = 0, std::uint8_t second = 0) {
    EventRecord r{};
    SetRecordTime(r, time);
    r.kind = kind;
    r.data[0] = first;
    r.data[1] = second;
    return r;
}

inline EventRecord NoteRecord(std::uint32_t time, std::uint8_t key, std::uint8_t velocity, std::uint16_t duration,
                              std::uint8_t channel = 0) {
    EventRecord r = Record(time, key, velocity);
    SetNoteDuration(r, duration);
    r.data[3] = channel;
    return r;
}

inline EventRecord ControllerRecord(std::uint32_t time, std::uint8_t number, std::uint8_t value,
                                    std::uint8_t channel = 0) {
    return Record(time, static_cast<std::uint8_t>(0xB0 | channel), number, value);
}

inline EventRecord WheelRecord(std::uint32_t time, int reduced, std::uint8_t channel = 0) {
    EventRecord r = Record(time, static_cast<std::uint8_t>(0xE0 | channel));
    SetWheelValue(r, reduced);
    return r;
}

inline EventRecord MetaRecord(std::uint32_t time, std::uint8_t what, std::uint8_t value = 0) {
    return Record(time, kMetaKind, what, value);
}

// A buffer of `capacity` records holding `records` and then an end record at `endTime`.
struct RecordBuffer {
    RecordBuffer(std::vector<EventRecord> records, std::uint32_t endTime, std::size_t capacity = 0) {
        records.push_back(MetaRecord(endTime, kEndRecord));
        bytesInUse = static_cast<std::int32_t>(records.size() * sizeof(EventRecord));
        records.resize(capacity ? capacity : records.size() + 8);
        this->records = std::move(records);
    }
    std::int32_t Capacity() const { return static_cast<std::int32_t>(records.size() * sizeof(EventRecord)); }
    // The records in use, end record included.
    std::vector<EventRecord> InUse() const {
        return {records.begin(), records.begin() + bytesInUse / static_cast<std::int32_t>(sizeof(EventRecord))};
    }

    std::vector<EventRecord> records;
    std::int32_t bytesInUse = 0;
};

// A host event at `time` of `type` on `channel`.
inline HostEvent Event(std::int32_t time, std::int32_t type, std::uint8_t channel = 0) {
    HostEvent e{};
    e.time = time;
    e.type = type;
    e.channel = channel;
    return e;
}

inline HostEvent Note(std::int32_t time, std::uint8_t key, std::uint8_t velocity, std::int32_t duration,
                      std::uint8_t channel = 0, std::uint8_t port = 0) {
    HostEvent e = Event(time, kHostNote, channel);
    e.note = {key, velocity, 64};
    e.duration = duration;
    e.port = port;
    return e;
}

inline HostEvent Controller(std::int32_t time, std::uint8_t number, std::uint8_t value, std::uint8_t channel = 0) {
    HostEvent e = Event(time, kHostController, channel);
    ControllerNumber(e) = number;
    ControllerValue(e) = value;
    return e;
}

inline HostEvent Wheel(std::int32_t time, std::int16_t value, std::uint8_t channel = 0) {
    HostEvent e = Event(time, kHostWheel, channel);
    e.wheel = value;
    return e;
}

// An event of a type the filter hands back untouched.
inline HostEvent Other(std::int32_t time, std::int32_t type, std::uint32_t tag) {
    HostEvent e = Event(time, type);
    e.hostTag = tag;
    return e;
}

}  // namespace cantivo::test
