#include "tools/host/host_services.h"

#include "midi/time_base.h"

namespace cantivo::host {

std::int32_t TimeBase::TicksToMilliseconds(std::int32_t ticks) {
    return static_cast<std::int32_t>(std::int64_t{ticks} * microsecondsPerQuarter / ticksPerQuarter / 1000);
}

std::int32_t TimeBase::MillisecondsToTicks(std::int32_t milliseconds) {
    return static_cast<std::int32_t>(std::int64_t{milliseconds} * 1000 * ticksPerQuarter / microsecondsPerQuarter);
}

std::int32_t Meter::TicksPerBeat() const {
    // A beat of 1 / 2^power is 4 / 2^power quarters.
    const std::int64_t ticks = std::int64_t{ticksPerQuarter} * 4 >> denominatorPower;
    return static_cast<std::int32_t>(ticks > 0 ? ticks : 1);
}

HRESULT Meter::TicksToMeasure(std::int32_t ticks, std::int32_t* measure, std::int32_t* beat, std::int32_t* tick) {
    if (!measure || !beat || !tick) return E_POINTER;
    if (ticks < 0) return E_INVALIDARG;
    const std::int32_t perBeat = TicksPerBeat();
    const std::int32_t perMeasure = perBeat * numerator;
    *measure = ticks / perMeasure;
    *beat = ticks % perMeasure / perBeat;
    *tick = ticks % perBeat;
    return S_OK;
}

HRESULT Meter::MeasureToTicks(std::int32_t measure, std::int32_t beat, std::int32_t tick, std::int32_t* ticks) {
    if (!ticks) return E_POINTER;
    if (measure < 0 || beat < 0 || tick < 0) return E_INVALIDARG;
    const std::int64_t perBeat = TicksPerBeat();
    const std::int64_t result = (std::int64_t{measure} * numerator + beat) * perBeat + tick;
    if (result > INT32_MAX) return E_INVALIDARG;
    *ticks = static_cast<std::int32_t>(result);
    return S_OK;
}

HRESULT Meter::GetMeter(std::int32_t, std::int32_t* first, std::int32_t* beatsPerMeasure,
                        std::int32_t* beatUnitPower) {
    if (!first || !beatsPerMeasure || !beatUnitPower) return E_POINTER;
    *first = 0;
    *beatsPerMeasure = numerator;
    *beatUnitPower = denominatorPower;
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

Sequencer::Sequencer(std::int32_t ticksPerQuarter, std::uint32_t microsecondsPerQuarter, std::int32_t numerator,
                     std::int32_t denominatorPower)
    : timeBase(ticksPerQuarter, microsecondsPerQuarter), meter(ticksPerQuarter, numerator, denominatorPower) {}

Sequencer::Sequencer(const midi::MidiFile& file)
    : Sequencer(midi::TicksPerQuarter(file), midi::FirstTempo(file).microsecondsPerQuarter,
                UsableSignature(file).numerator, UsableSignature(file).denominatorPower) {}

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
    return HeldComObject<IUnknown>::QueryInterface(riid, ppv);
}

}  // namespace cantivo::host
