#include "rules/kit/metric.h"

#include <algorithm>

namespace cantivo::rules {

Metric::Metric(std::uint16_t meter, std::uint16_t timeBase, std::int32_t phraseBars) {
    const std::uint32_t unitPower = std::min<std::uint32_t>(meter >> 8, 6);
    const std::uint32_t quarter = timeBase ? timeBase : 120;
    beatTicks_ = std::max<std::uint32_t>(1, quarter * 4 >> unitPower);
    beatsPerBar_ = std::max<std::uint32_t>(1, meter & 0xFF);
    // A phrase longer than any record's time is as good as one without end.
    const std::uint64_t phrase = std::uint64_t{BarTicks()} * static_cast<std::uint32_t>(std::max(1, phraseBars));
    phraseTicks_ = static_cast<std::uint32_t>(std::min<std::uint64_t>(phrase, kLatestRecordTime + 1));
}

double Metric::Strength(std::uint32_t time) const {
    const std::uint32_t inBeat = time % beatTicks_;
    if (inBeat != 0) return inBeat * 2 == beatTicks_ ? 0.25 : 0.1;
    const std::uint32_t beat = BeatInBar(time);
    if (beat == 0) return 1.0;
    // The middle of an even bar is its second strongest point.
    return beatsPerBar_ % 2 == 0 && beat * 2 == beatsPerBar_ ? 0.7 : 0.5;
}

void Metric::UsePhraseMarkers(const std::vector<EventRecord>& records) {
    phraseStarts_.clear();
    for (const EventRecord& r : records)
        if (r.kind == kMetaKind && r.data[0] == kPhraseMarker && r.data[1]) phraseStarts_.push_back(RecordTime(r));
}

double Metric::InPhrase(std::uint32_t time) const {
    if (phraseStarts_.empty()) return static_cast<double>(time % phraseTicks_) / phraseTicks_;
    auto next = std::upper_bound(phraseStarts_.begin(), phraseStarts_.end(), time);
    const std::uint32_t start = next == phraseStarts_.begin() ? 0 : *(next - 1);
    const std::uint32_t end = next == phraseStarts_.end() ? start + phraseTicks_ : *next;
    return end > start ? std::min(1.0, static_cast<double>(time - start) / (end - start)) : 0.0;
}

}  // namespace cantivo::rules
