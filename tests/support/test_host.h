// A host of our own for tests: event queues and the time-base and meter
// services, with failures that a test can inject.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "cantivo/mfx.h"

namespace cantivo::test {

// A COM object living on the stack or in a fixture: counted, never deleted.
template <typename Interface>
class StackObject : public Interface {
public:
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs_; }
    ULONG References() const { return refs_; }

protected:
    std::atomic<ULONG> refs_{1};
};

class TestEventQueue final : public StackObject<IHostEventQueue> {
public:
    TestEventQueue() = default;
    explicit TestEventQueue(std::vector<HostEvent> events) : events(std::move(events)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    HRESULT STDMETHODCALLTYPE Add(const HostEvent* event) override;
    HRESULT STDMETHODCALLTYPE GetCount(std::int32_t* count) override;
    HRESULT STDMETHODCALLTYPE GetAt(std::int32_t index, HostEvent* event) override;

    std::vector<HostEvent> events;
    bool failCount = false;
    std::int32_t failFetchAt = -1;  // index whose fetch fails; -1 for none
    bool failFetchOnce = false;     // only the first fetch of that index fails
    int countCalls = 0;
    int fetchCalls = 0;
};

class TestHost final : public StackObject<IUnknown> {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;

    class TimeBase final : public StackObject<IHostTimeBase> {
    public:
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
        std::int32_t STDMETHODCALLTYPE TicksToMilliseconds(std::int32_t ticks) override;
        std::int32_t STDMETHODCALLTYPE MillisecondsToTicks(std::int32_t milliseconds) override;
        std::int32_t STDMETHODCALLTYPE GetTimeBase() override { return ticksPerQuarter; }
        std::int32_t ticksPerQuarter = 480;
        std::int32_t tempoMicroseconds = 500000;
    };

    class Meter final : public StackObject<IHostMeter> {
    public:
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
        HRESULT STDMETHODCALLTYPE TicksToMeasure(std::int32_t ticks, std::int32_t* measure, std::int32_t* beat,
                                                 std::int32_t* tick) override;
        HRESULT STDMETHODCALLTYPE MeasureToTicks(std::int32_t measure, std::int32_t beat, std::int32_t tick,
                                                 std::int32_t* ticks) override;
        std::int32_t STDMETHODCALLTYPE GetMeterCount() override { return 1; }
        std::int32_t STDMETHODCALLTYPE HasMeter() override { return known ? 1 : 0; }
        HRESULT STDMETHODCALLTYPE GetMeter(std::int32_t measure, std::int32_t* first, std::int32_t* beatsPerMeasure,
                                           std::int32_t* beatUnitPower) override;
        bool known = true;
        std::int32_t beatsPerMeasure = 3;
        std::int32_t beatUnitPower = 3;  // eighths
        std::int32_t ticksPerBeat = 240;
    };

    TimeBase timeBase;
    Meter meter;
    bool offerTimeBase = true;
    bool offerMeter = true;
};

// Event makers.
HostEvent Note(std::int32_t time, std::uint8_t key, std::uint8_t velocity, std::int32_t duration,
               std::uint8_t channel = 0, std::uint8_t port = 0);
HostEvent Controller(std::int32_t time, std::uint8_t number, std::uint8_t value, std::uint8_t channel = 0);
HostEvent Wheel(std::int32_t time, std::int16_t value, std::uint8_t channel = 0);
HostEvent Other(std::int32_t time, std::int32_t type, std::uint32_t tag);

bool SameEvent(const HostEvent& a, const HostEvent& b);

}  // namespace cantivo::test
