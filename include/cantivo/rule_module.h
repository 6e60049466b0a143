// The rule-module interface: what R<n>.DLL exports and the records it works on.
// A rule-module author compiles against this header alone.
#pragma once

#include <cstddef>
#include <cstdint>

#include "cantivo/movable_memory.h"

#ifdef _WIN32
#  define CANTIVO_RULE_EXPORT extern "C" __declspec(dllexport)
#else
using HWND = void*;
#  define CANTIVO_RULE_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace cantivo {

#pragma pack(push, 1)

// One record of the event buffer: 24-bit time, kind, four data bytes.
struct EventRecord {
    std::uint8_t time[3];  // ticks, little-endian
    std::uint8_t kind;     // below 0x80 a note's key, otherwise a status byte
    std::uint8_t data[4];
};
static_assert(sizeof(EventRecord) == 8);
static_assert(offsetof(EventRecord, time) == 0);
static_assert(offsetof(EventRecord, kind) == 3);
static_assert(offsetof(EventRecord, data) == 4);

struct ParamEntry {
    std::uint16_t wDepth;   // 0..200
    std::uint16_t wRandom;  // 0..30
};
static_assert(sizeof(ParamEntry) == 4);
static_assert(offsetof(ParamEntry, wRandom) == 2);

// Depth and random per parameter; parameter 7 has a depth only.
struct ParamSettings {
    ParamEntry aEntry[7];
    std::uint16_t wVariableDepth;
    std::uint16_t awModuleValues[3];  // seen only by rule modules
};
static_assert(sizeof(ParamSettings) == 36);
static_assert(offsetof(ParamSettings, aEntry) == 0);
static_assert(offsetof(ParamSettings, wVariableDepth) == 28);
static_assert(offsetof(ParamSettings, awModuleValues) == 30);

struct InitialValues {
    std::uint32_t bKeepTempo;
    std::uint32_t bKeepVelocity;
    std::uint32_t bKeepExpression;
    std::uint32_t bKeepWheel;
    std::uint32_t bKeepModulation;
    std::uint32_t bKeepPan;
    std::uint16_t wTempo;
    std::uint16_t wVelocity;
    std::uint16_t wExpression;
    std::uint16_t wPan;
};
static_assert(sizeof(InitialValues) == 32);
static_assert(offsetof(InitialValues, bKeepTempo) == 0);
static_assert(offsetof(InitialValues, bKeepVelocity) == 4);
static_assert(offsetof(InitialValues, bKeepExpression) == 8);
static_assert(offsetof(InitialValues, bKeepWheel) == 12);
static_assert(offsetof(InitialValues, bKeepModulation) == 16);
static_assert(offsetof(InitialValues, bKeepPan) == 20);
static_assert(offsetof(InitialValues, wTempo) == 24);
static_assert(offsetof(InitialValues, wVelocity) == 26);
static_assert(offsetof(InitialValues, wExpression) == 28);
static_assert(offsetof(InitialValues, wPan) == 30);

constexpr int kParameterCount = 8;

// The filter's settings as a rule module sees them, 180 bytes.
struct SettingsRegion {
    ParamSettings params;
    InitialValues initial;
    InitialValues styleInitial;
    std::uint32_t muted[kParameterCount];
    std::uint32_t axis[4];
    std::uint32_t locked[kParameterCount];
};
static_assert(sizeof(SettingsRegion) == 180);
static_assert(offsetof(SettingsRegion, params) == 0);
static_assert(offsetof(SettingsRegion, initial) == 36);
static_assert(offsetof(SettingsRegion, styleInitial) == 68);
static_assert(offsetof(SettingsRegion, muted) == 100);
static_assert(offsetof(SettingsRegion, axis) == 132);
static_assert(offsetof(SettingsRegion, locked) == 148);

#pragma pack(pop)

constexpr std::size_t kSlotParamBytes = 36;

// Kinds and markers of records whose kind byte is 0xFF.
constexpr std::uint8_t kMetaKind = 0xFF;
constexpr std::uint8_t kPhraseMarker = 0xFE;
constexpr std::uint8_t kTempoRecord = 0xFD;
constexpr std::uint8_t kDeletedMark = 0xFC;
constexpr std::uint8_t kEndRecord = 0xFF;
constexpr int kWheelCentre = 256;
constexpr std::uint8_t kModulationController = 1;
constexpr std::uint8_t kPanController = 10;

// The latest time a record's 24 bits hold.
constexpr std::uint32_t kLatestRecordTime = 0xFFFFFF;

inline std::uint32_t RecordTime(const EventRecord& r) {
    return r.time[0] | (r.time[1] << 8) | (static_cast<std::uint32_t>(r.time[2]) << 16);
}
inline void SetRecordTime(EventRecord& r, std::uint32_t ticks) {
    r.time[0] = static_cast<std::uint8_t>(ticks);
    r.time[1] = static_cast<std::uint8_t>(ticks >> 8);
    r.time[2] = static_cast<std::uint8_t>(ticks >> 16);
}
inline bool IsNote(const EventRecord& r) { return r.kind < 0x80; }
inline bool IsEndRecord(const EventRecord& r) { return r.kind == kMetaKind && r.data[0] == kEndRecord; }
inline bool IsDeleted(const EventRecord& r) { return r.kind == kMetaKind && r.data[0] == kDeletedMark; }
inline bool IsController(const EventRecord& r) { return (r.kind & 0xF0) == 0xB0; }
inline bool IsControllerNumber(const EventRecord& r, std::uint8_t number) {
    return IsController(r) && r.data[0] == number;
}
inline bool IsWheel(const EventRecord& r) { return (r.kind & 0xF0) == 0xE0; }
inline void MarkDeleted(EventRecord& r) {
    r.kind = kMetaKind;
    r.data[0] = kDeletedMark;
}

// Note records: data = velocity, duration low, duration high, channel.
inline std::uint16_t NoteDuration(const EventRecord& r) {
    return static_cast<std::uint16_t>(r.data[1] | (r.data[2] << 8));
}
inline void SetNoteDuration(EventRecord& r, std::uint16_t ticks) {
    r.data[1] = static_cast<std::uint8_t>(ticks);
    r.data[2] = static_cast<std::uint8_t>(ticks >> 8);
}

// Wheel records keep e = value/32 + 256 (0..511) as e >> 2 in data[0] and the
// low two bits in data[1]; the result here is e - 256 (-256..255).
inline int WheelValue(const EventRecord& r) { return (r.data[0] * 4 + (r.data[1] & 3)) - kWheelCentre; }
inline void SetWheelValue(EventRecord& r, int reduced) {
    const int e = reduced + kWheelCentre;
    r.data[0] = static_cast<std::uint8_t>(e >> 2);
    r.data[1] = static_cast<std::uint8_t>(e & 3);
}

// QV12Convert(page window or null, the slot's rule data, the event buffer (unlocked),
// its capacity and bytes in use, the settings region, the slot's 36-byte
// parameter block, meter, reserved (0), time base, expression controller).
// Nonzero means success. The module may resize the buffer through the handle
// and must leave it unlocked, sorted and ended by an end record.
using QV12ConvertFunction = std::int32_t (*)(HWND pageWindow, void* ruleData, HGLOBAL* events,
                                             std::int32_t* capacity, std::int32_t* bytesInUse,
                                             SettingsRegion* settings, void* slotParams, std::uint16_t meter,
                                             std::uint16_t reserved, std::uint16_t timeBase,
                                             std::uint8_t expressionController);

constexpr const char* kRuleEntryPoint = "QV12Convert";

}  // namespace cantivo
