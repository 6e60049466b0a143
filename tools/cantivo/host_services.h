// What the host lends the filter: its event queues and its time-base and
// meter services, taken from the file being processed. The objects live as
// long as the host's run; references are counted but never delete them.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "cantivo/mfx.h"
#include "midi/midi_file.h"

namespace cantivo::host {

template <typename Interface>
class HostObject : public Interface {
public:
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs_; }

protected:
    HostObject() = default;
    ~HostObject() = default;
    // Gives this object for IUnknown and `wanted`.
    HRESULT Answer(REFIID wanted, REFIID riid, void** ppv);

private:
    std::atomic<ULONG> refs_{1};
};

class EventQueue final : public HostObject<IHostEventQueue> {
public:
    EventQueue() = default;
    explicit EventQueue(std::vector<HostEvent> events) : events(std::move(events)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    HRESULT STDMETHODCALLTYPE Add(const HostEvent* event) override;
    HRESULT STDMETHODCALLTYPE GetCount(std::int32_t* count) override;
    HRESULT STDMETHODCALLTYPE GetAt(std::int32_t index, HostEvent* event) override;

    std::vector<HostEvent> events;
};

// Ticks per quarter note from the file's division; milliseconds at its first tempo.
class TimeBase final : public HostObject<IHostTimeBase> {
public:
    TimeBase(std::int32_t ticksPerQuarter, std::uint32_t microsecondsPerQuarter)
        : ticksPerQuarter_(ticksPerQuarter), microsecondsPerQuarter_(microsecondsPerQuarter) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    std::int32_t STDMETHODCALLTYPE TicksToMilliseconds(std::int32_t ticks) override;
    std::int32_t STDMETHODCALLTYPE MillisecondsToTicks(std::int32_t milliseconds) override;
    std::int32_t STDMETHODCALLTYPE GetTimeBase() override { return ticksPerQuarter_; }

private:
    std::int32_t ticksPerQuarter_;
    std::uint32_t microsecondsPerQuarter_;
};

inline constexpr std::int32_t kMaxBeatUnitPower = 8;

// One meter for the whole piece, the file's first time signature; measures
// and beats count from 0.
class Meter final : public HostObject<IHostMeter> {
public:
    Meter(std::int32_t ticksPerQuarter, std::int32_t numerator, std::int32_t denominatorPower)
        : ticksPerQuarter_(ticksPerQuarter), numerator_(numerator), denominatorPower_(denominatorPower) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    HRESULT STDMETHODCALLTYPE TicksToMeasure(std::int32_t ticks, std::int32_t* measure, std::int32_t* beat,
                                             std::int32_t* tick) override;
    HRESULT STDMETHODCALLTYPE MeasureToTicks(std::int32_t measure, std::int32_t beat, std::int32_t tick,
                                             std::int32_t* ticks) override;
    std::int32_t STDMETHODCALLTYPE GetMeterCount() override { return 1; }
    std::int32_t STDMETHODCALLTYPE HasMeter() override { return 1; }
    // first: the measure the meter starts at; then beats per measure and the beat unit's power of two.
    HRESULT STDMETHODCALLTYPE GetMeter(std::int32_t measure, std::int32_t* first, std::int32_t* beatsPerMeasure,
                                       std::int32_t* beatUnitPower) override;

    std::int32_t TicksPerBeat() const;

private:
    std::int32_t ticksPerQuarter_;
    std::int32_t numerator_;
    std::int32_t denominatorPower_;
};

// The object given to the filter's Connect: it hands out the two services.
class Sequencer final : public HostObject<IUnknown> {
public:
    // The file must be timed in ticks per quarter note. A first time signature
    // of no beats or a beat unit finer than 1/256 counts as 4/4.
    explicit Sequencer(const midi::MidiFile& file);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;

    TimeBase timeBase;
    Meter meter;
};

}  // namespace cantivo::host
