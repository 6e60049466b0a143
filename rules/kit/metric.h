// Where a time falls in the bar and in the phrase.
#pragma once

#include <cstdint>
#include <vector>

#include "cantivo/rule_module.h"

namespace cantivo::rules {

class Metric {
public:
    // meter: (beat unit as a power of two << 8) | beats per bar; timeBase: ticks per quarter.
    Metric(std::uint16_t meter, std::uint16_t timeBase, std::int32_t phraseBars);

    std::uint32_t BeatTicks() const { return beatTicks_; }
    std::uint32_t BarTicks() const { return beatTicks_ * beatsPerBar_; }
    std::uint32_t BeatsPerBar() const { return beatsPerBar_; }

    // 0 for the bar's first beat, then 1, 2, ...
    std::uint32_t BeatInBar(std::uint32_t time) const { return time % BarTicks() / beatTicks_; }
    // Position inside the beat, 0..1.
    double InBeat(std::uint32_t time) const { return static_cast<double>(time % beatTicks_) / beatTicks_; }
    // Weight of a metric position: 1 on the bar's first beat, less on other
    // beats, least between beats.
    double Strength(std::uint32_t time) const;

    // Phrases start at the phrase markers that are on, or every phraseBars bars
    // when the material has none.
    void UsePhraseMarkers(const std::vector<EventRecord>& records);
    // Position inside the phrase, 0..1.
    double InPhrase(std::uint32_t time) const;

private:
    std::uint32_t beatTicks_;
    std::uint32_t beatsPerBar_;
    std::uint32_t phraseTicks_;
    std::vector<std::uint32_t> phraseStarts_;
};

}  // namespace cantivo::rules
