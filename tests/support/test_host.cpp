#include "tests/support/test_host.h"

#include <cstring>

namespace cantivo::test {

namespace {

template <typename Interface, typename Object>
HRESULT AnswerFor(Object* self, REFIID wanted, REFIID riid, void** ppv) {
    if (IsEqualGUID(riid, IID_IUnknown) || IsEqualGUID(riid, wanted)) {
        *ppv = static_cast<Interface*>(self);
        self->AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

}  // namespace

HRESULT TestEventQueue::QueryInterface(REFIID riid, void** ppv) {
    return AnswerFor<IHostEventQueue>(this, IID_IHostEventQueue, riid, ppv);
}

HRESULT TestEventQueue::Add(const HostEvent* event) {
    events.push_back(*event);
    return S_OK;
}

HRESULT TestEventQueue::GetCount(std::int32_t* count) {
    ++countCalls;
    if (failCount) return E_FAIL;
    *count = static_cast<std::int32_t>(events.size());
    return S_OK;
}

HRESULT TestEventQueue::GetAt(std::int32_t index, HostEvent* event) {
    ++fetchCalls;
    if (index == failFetchAt) {
        if (failFetchOnce) failFetchAt = -1;
        return E_FAIL;
    }
    if (index < 0 || index >= static_cast<std::int32_t>(events.size())) return E_FAIL;
    *event = events[static_cast<std::size_t>(index)];
    return S_OK;
}

HRESULT TestHost::QueryInterface(REFIID riid, void** ppv) {
    if (IsEqualGUID(riid, IID_IHostTimeBase) && offerTimeBase) {
        *ppv = static_cast<IHostTimeBase*>(&timeBase);
        timeBase.AddRef();
        return S_OK;
    }
    if (IsEqualGUID(riid, IID_IHostMeter) && offerMeter) {
        *ppv = static_cast<IHostMeter*>(&meter);
        meter.AddRef();
        return S_OK;
    }
    return AnswerFor<IUnknown>(this, IID_IUnknown, riid, ppv);
}

HRESULT TestHost::TimeBase::QueryInterface(REFIID riid, void** ppv) {
    return AnswerFor<IHostTimeBase>(this, IID_IHostTimeBase, riid, ppv);
}

std::int32_t TestHost::TimeBase::TicksToMilliseconds(std::int32_t ticks) {
    return static_cast<std::int32_t>(std::int64_t{ticks} * tempoMicroseconds / ticksPerQuarter / 1000);
}

std::int32_t TestHost::TimeBase::MillisecondsToTicks(std::int32_t milliseconds) {
    return static_cast<std::int32_t>(std::int64_t{milliseconds} * 1000 * ticksPerQuarter / tempoMicroseconds);
}

HRESULT TestHost::Meter::QueryInterface(REFIID riid, void** ppv) {
    return AnswerFor<IHostMeter>(this, IID_IHostMeter, riid, ppv);
}

HRESULT TestHost::Meter::TicksToMeasure(std::int32_t ticks, std::int32_t* measure, std::int32_t* beat,
                                        std::int32_t* tick) {
    const std::int32_t perMeasure = ticksPerBeat * beatsPerMeasure;
    *measure = ticks / perMeasure;
    *beat = ticks % perMeasure / ticksPerBeat;
    *tick = ticks % ticksPerBeat;
    return S_OK;
}

HRESULT TestHost::Meter::MeasureToTicks(std::int32_t measure, std::int32_t beat, std::int32_t tick,
                                        std::int32_t* ticks) {
    *ticks = (measure * beatsPerMeasure + beat) * ticksPerBeat + tick;
    return S_OK;
}

HRESULT TestHost::Meter::GetMeter(std::int32_t measure, std::int32_t* first, std::int32_t* beats,
                                  std::int32_t* unitPower) {
    *first = measure;
    *beats = beatsPerMeasure;
    *unitPower = beatUnitPower;
    return S_OK;
}

HostEvent Note(std::int32_t time, std::uint8_t key, std::uint8_t velocity, std::int32_t duration,
               std::uint8_t channel, std::uint8_t port) {
    HostEvent e{};
    e.time = time;
    e.type = kHostNote;
    e.note.key = key;
    e.note.velocity = velocity;
    e.note.releaseVelocity = 64;
    e.duration = duration;
    e.channel = channel;
    e.port = port;
    return e;
}

HostEvent Controller(std::int32_t time, std::uint8_t number, std::uint8_t value, std::uint8_t channel) {
    HostEvent e{};
    e.time = time;
    e.type = kHostController;
    ControllerNumber(e) = number;
    ControllerValue(e) = value;
    e.channel = channel;
    return e;
}

HostEvent Wheel(std::int32_t time, std::int16_t value, std::uint8_t channel) {
    HostEvent e{};
    e.time = time;
    e.type = kHostWheel;
    e.wheel = value;
    e.channel = channel;
    return e;
}

HostEvent Other(std::int32_t time, std::int32_t type, std::uint32_t tag) {
    HostEvent e{};
    e.time = time;
    e.type = type;
    e.hostTag = tag;
    return e;
}

bool SameEvent(const HostEvent& a, const HostEvent& b) { return std::memcmp(&a, &b, sizeof(HostEvent)) == 0; }

}  // namespace cantivo::test
