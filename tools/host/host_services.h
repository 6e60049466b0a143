// The time-base and meter services a host lends the filter, and the object
// given to the filter's Connect that hands them out. The objects live as long
// as the host's run; references are counted but never delete them.
#pragma once

#include <cstdint>

#include "cantivo/com_object.h"
#include "midi/midi_file.h"

namespace cantivo::host {

// Ticks per quarter note; milliseconds at one tempo.
class TimeBase final : public HeldComObject<IHostTimeBase> {
public:
    TimeBase(std::int32_t ticksPerQuarter, std::uint32_t microsecondsPerQuarter)
        : ticksPerQuarter(ticksPerQuarter), microsecondsPerQuarter(microsecondsPerQuarter) {}

    std::int32_t STDMETHODCALLTYPE TicksToMilliseconds(std::int32_t ticks) override;
    std::int32_t STDMETHODCALLTYPE MillisecondsToTicks(std::int32_t milliseconds) override;
    std::int32_t STDMETHODCALLTYPE GetTimeBase() override { return ticksPerQuarter; }

    std::int32_t ticksPerQuarter;
    std::uint32_t microsecondsPerQuarter;
};

inline constexpr std::int32_t kMaxBeatUnitPower = 8;

// One meter for the whole piece; measures and beats count from 0.
class Meter : public HeldComObject<IHostMeter> {
public:
    Meter(std::int32_t ticksPerQuarter, std::int32_t numerator, std::int32_t denominatorPower)
        : ticksPerQuarter(ticksPerQuarter), numerator(numerator), denominatorPower(denominatorPower) {}

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

    std::int32_t ticksPerQuarter;
    std::int32_t numerator;
    std::int32_t denominatorPower;
};

// The object given to the filter's Connect: it hands out the two services.
class Sequencer : public HeldComObject<IUnknown> {
public:
    Sequencer(std::int32_t ticksPerQuarter, std::uint32_t microsecondsPerQuarter, std::int32_t numerator,
              std::int32_t denominatorPower);
    // The file must be timed in ticks per quarter note. A first time signature
    // of no beats or a beat unit finer than 1/256 counts as 4/4.
    explicit Sequencer(const midi::MidiFile& file);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;

    TimeBase timeBase;
    Meter meter;
};

}  // namespace cantivo::host
