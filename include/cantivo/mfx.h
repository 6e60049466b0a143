// The sequencer host's plug-in interface for MIDI filters: what a host calls on
// a filter, the services a host lends it, and the event record of the host's
// queues. A host compiles against this header alone.
#pragma once

#include <cstddef>
#include <cstdint>

#include "cantivo/com.h"

namespace cantivo {

enum HostEventType : std::int32_t {
    kHostNote = 0,
    kHostController = 2,
    kHostWheel = 5,
    // A host may use any other value for events the filter hands back untouched.
};

#pragma pack(push, 1)
// One event as the host's queues hand it over.
struct HostEvent {
    std::int32_t time;      // ticks
    std::uint8_t port;
    std::uint8_t channel;
    std::int32_t type;      // HostEventType or a host's own
    union {
        struct {
            std::uint8_t key;             // controller: number
            std::uint8_t velocity;        // controller: value
            std::uint8_t releaseVelocity;
        } note;
        std::int16_t wheel;               // -8192..8191
    };
    std::int32_t duration;  // note: ticks
    // Beyond here the host's own: filters copy it with the event and never read it.
    std::uint32_t hostTag;
    std::uint8_t hostReserved[7];
};
#pragma pack(pop)

static_assert(sizeof(HostEvent) == 28);
static_assert(offsetof(HostEvent, time) == 0);
static_assert(offsetof(HostEvent, port) == 4);
static_assert(offsetof(HostEvent, channel) == 5);
static_assert(offsetof(HostEvent, type) == 6);
static_assert(offsetof(HostEvent, note) == 10);
static_assert(offsetof(HostEvent, wheel) == 10);
static_assert(offsetof(HostEvent, duration) == 13);
static_assert(offsetof(HostEvent, hostTag) == 17);

// The controller number and value share the note's first two bytes.
inline std::uint8_t& ControllerNumber(HostEvent& e) { return e.note.key; }
inline std::uint8_t& ControllerValue(HostEvent& e) { return e.note.velocity; }

// Slots 3..5: add, count, fetch.
struct IHostEventQueue : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Add(const HostEvent* event) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetCount(std::int32_t* count) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetAt(std::int32_t index, HostEvent* event) = 0;
protected:
    ~IHostEventQueue() = default;
};

// Slot 5 is the time base, in ticks per quarter note.
struct IHostTimeBase : IUnknown {
    virtual std::int32_t STDMETHODCALLTYPE TicksToMilliseconds(std::int32_t ticks) = 0;
    virtual std::int32_t STDMETHODCALLTYPE MillisecondsToTicks(std::int32_t milliseconds) = 0;
    virtual std::int32_t STDMETHODCALLTYPE GetTimeBase() = 0;
protected:
    ~IHostTimeBase() = default;
};

// Slots 6 and 7: whether a meter is known, and the meter at a measure:
// (measure, beats per measure, beat unit as a power of two).
struct IHostMeter : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE TicksToMeasure(std::int32_t ticks, std::int32_t* measure, std::int32_t* beat,
                                                     std::int32_t* tick) = 0;
    virtual HRESULT STDMETHODCALLTYPE MeasureToTicks(std::int32_t measure, std::int32_t beat, std::int32_t tick,
                                                     std::int32_t* ticks) = 0;
    virtual std::int32_t STDMETHODCALLTYPE GetMeterCount() = 0;
    virtual std::int32_t STDMETHODCALLTYPE HasMeter() = 0;
    virtual HRESULT STDMETHODCALLTYPE GetMeter(std::int32_t measure, std::int32_t* first, std::int32_t* beatsPerMeasure,
                                               std::int32_t* beatUnitPower) = 0;
protected:
    ~IHostMeter() = default;
};

// What a host calls on a filter, in slot order after IUnknown.
struct IMfxEventFilter : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Connect(IUnknown* host) = 0;
    virtual HRESULT STDMETHODCALLTYPE Disconnect() = 0;
    virtual HRESULT STDMETHODCALLTYPE OnStart(std::int32_t time) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnLoop(std::int32_t from, std::int32_t to) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnStop(std::int32_t time) = 0;
    virtual HRESULT STDMETHODCALLTYPE ProcessEvents(std::int32_t startTime, std::int32_t endTime, IHostEventQueue* input,
                                                    IHostEventQueue* output) = 0;
    virtual HRESULT STDMETHODCALLTYPE CopyEvents(IHostEventQueue* input, IHostEventQueue* output) = 0;
protected:
    ~IMfxEventFilter() = default;
};

// {6F1C0A52-3B7E-4C1D-9A20-5E1B7C40D101} and on: identifiers of our own.
inline constexpr IID IID_IMfxEventFilter = {0x6F1C0A52, 0x3B7E, 0x4C1D, {0x9A, 0x20, 0x5E, 0x1B, 0x7C, 0x40, 0xD1, 0x01}};
inline constexpr IID IID_IHostEventQueue = {0x6F1C0A52, 0x3B7E, 0x4C1D, {0x9A, 0x20, 0x5E, 0x1B, 0x7C, 0x40, 0xD1, 0x02}};
inline constexpr IID IID_IHostTimeBase = {0x6F1C0A52, 0x3B7E, 0x4C1D, {0x9A, 0x20, 0x5E, 0x1B, 0x7C, 0x40, 0xD1, 0x03}};
inline constexpr IID IID_IHostMeter = {0x6F1C0A52, 0x3B7E, 0x4C1D, {0x9A, 0x20, 0x5E, 0x1B, 0x7C, 0x40, 0xD1, 0x04}};

// The filter's and its property page's classes.
inline constexpr CLSID CLSID_CantivoFilter = {0x6F1C0A52, 0x3B7E, 0x4C1D, {0x9A, 0x20, 0x5E, 0x1B, 0x7C, 0x40, 0xD2, 0x01}};
inline constexpr CLSID CLSID_CantivoPropertyPage = {0x6F1C0A52, 0x3B7E, 0x4C1D, {0x9A, 0x20, 0x5E, 0x1B, 0x7C, 0x40, 0xD2, 0x02}};

}  // namespace cantivo
