#include "tools/cantivo/host_services.h"

#include "midi/time_base.h"

namespace cantivo::host {

template <typename Interface>
HRESULT HostObject<Interface>::Answer(REFIID wanted, REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    if (IsEqualGUID(riid, IID_IUnknown) || IsEqualGUID(riid, wanted)) {
        *ppv = static_cast<Interface*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

HRESULT EventQueue::QueryInterface(REFIID riid, void** ppv) { return Answer(IID_IHostEventQueue, riid, ppv); }

HRESULT EventQueue::Add(const HostEvent* event) {
    if (!event) return E_POINTER;
    events.push_back(*event);
    return S_OK;
}

HRESULT EventQueue::GetCount(std::int32_t* count) {
    if (!count) return E_POINTER;
    *count = static_cast<std::int32_t>(events.size());
    return S_OK;
}

HRESULT EventQueue::GetAt(std::int32_t index, HostEvent* event) {
    if (!event) return E_POINTER;
    if (index < 0 || static_cast<std::size_t>(index) >= events.size()) return E_INVALIDARG;
    *event = events[static_cast<std::size_t>(index)];
    return S_OK;
}

HRESULT TimeBase::QueryInterface(REFIID riid, void** ppv) { return Answer(IID_IHostTimeBase, riid, ppv); }

std::int32_t TimeBase::TicksToMilliseconds(std::int32_t ticks) {
    return static_cast<std::int32_t>(std::int64_t{ticks} * microsecondsPerQuarter_ / ticksPerQuarter_ / 1000);
}

std::int32_t TimeBase::MillisecondsToTicks(std::int32_t milliseconds) {
    return static_cast<std::int32_t>(std::int64_t{milliseconds} * 1000 * ticksPerQuarter_ / microsecondsPerQuarter_);
}

HRESULT Meter::QueryInterface(REFIID riid, void** ppv) { return Answer(IID_IHostMeter, riid, ppv); }

std::int32_t Meter::TicksPerBeat() const {
    // A beat of 1 / 2^power is 4 / 2^power quarters.
    const std::int64_t ticks = std::int64_t{ticksPerQuarter_} * 4 >> denominatorPower_;
    return static_cast<std::int32_t>(ticks > 0 ? ticks : 1);
}

HRESULT Meter::TicksToMeasure(std::int32_t ticks, std::int32_t* measure, std::int32_t* beat, std::int32_t* tick) {
    if (!measure || !beat || !tick) return E_POINTER;
    if (ticks < 0) return E_INVALIDARG;
    const std::int32_t perBeat = TicksPerBeat();
    const std::int32_t perMeasure = perBeat * numerator_;
    *measure = ticks / perMeasure;
    *beat = ticks % perMeasure / perBeat;
    *tick = ticks % perBeat;
    return S_OK;
}

HRESULT Meter::MeasureToTicks(std::int32_t measure, std::int32_t beat, std::int32_t tick, std::int32_t* ticks) {
    if (!ticks) return E_POINTER;
    if (measure < 0 || beat < 0 || tick < 0) return E_INVALIDARG;
    const std::int64_t perBeat = TicksPerBeat();
    const std::int64_t result = (std::int64_t{measure} * numerator_ + beat) * perBeat + tick;
    if (result > INT32_MAX) return E_INVALIDARG;
    *ticks = static_cast<std::int32_t>(result);
    return S_OK;
}

HRESULT Meter::GetMeter(std::int32_t, std::int32_t* first, std::int32_t* beatsPerMeasure,
                        std::int32_t* beatUnitPower) {
    if (!first || !beatsPerMeasure || !beatUnitPower) return E_POINTER;
    *first = 0;
    *beatsPerMeasure = numerator_;
    *beatUnitPower = denominatorPower_;
    return S_OK;
}

namespace {

// A signature no measure can be built on (no beats, or a beat unit finer than
// a 256th) is taken as the file format's default.
midi::TimeSignature UsableSignature(const midi::MidiFile& file) {
    const midi::TimeSignature first = midi::FirstTimeSignature(file);
    return first.numerator == 0 || first.denominatorPower > kMaxBeatUnitPower ? midi::TimeSignature{} : first;
}

}  // namespace

Sequencer::Sequencer(const midi::MidiFile& file)
    : timeBase(midi::TicksPerQuarter(file), midi::FirstTempo(file).microsecondsPerQuarter),
      meter(midi::TicksPerQuarter(file), UsableSignature(file).numerator, UsableSignature(file).denominatorPower) {}

HRESULT Sequencer::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    if (IsEqualGUID(riid, IID_IHostTimeBase)) {
        *ppv = static_cast<IHostTimeBase*>(&timeBase);
        timeBase.AddRef();
        return S_OK;
    }
    if (IsEqualGUID(riid, IID_IHostMeter)) {
        *ppv = static_cast<IHostMeter*>(&meter);
        meter.AddRef();
        return S_OK;
    }
    return Answer(IID_IUnknown, riid, ppv);
}

}  // namespace cantivo::host
