#include "rules/kit/rule_buffer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>

#include "engine/record_order.h"

namespace cantivo::rules {

namespace {

constexpr std::uint32_t kLatestTime = 0xFFFFFF;

// Stable sorting by the buffer order keeps records of one time and class as
// they came, so an untouched buffer goes back byte for byte.
bool InBufferOrder(const EventRecord& a, const EventRecord& b) { return CompareRecords(a, b) < 0; }

}  // namespace

RuleBuffer::RuleBuffer(HGLOBAL* events, std::int32_t* capacity, std::int32_t* bytesInUse)
    : events_(events), capacity_(capacity), bytesInUse_(bytesInUse) {
    const auto* base = static_cast<const EventRecord*>(GlobalLock(*events));
    if (!base) return;
    const std::int32_t count = *bytesInUse / static_cast<std::int32_t>(sizeof(EventRecord));
    for (std::int32_t i = 0; i < count; ++i) {
        if (IsEndRecord(base[i])) {
            endTime_ = RecordTime(base[i]);
            break;
        }
        records.push_back(base[i]);
    }
    GlobalUnlock(*events);
}

bool RuleBuffer::Commit() {
    std::stable_sort(records.begin(), records.end(), InBufferOrder);
    SeparateSameKeyNotes(records);
    std::uint32_t end = endTime_;
    for (const EventRecord& r : records) {
        const std::uint32_t last = RecordTime(r) + (IsNote(r) ? NoteDuration(r) : 0);
        end = std::max(end, std::min(last, kLatestTime));
    }
    EventRecord endRecord{};
    SetRecordTime(endRecord, end);
    endRecord.kind = kMetaKind;
    endRecord.data[0] = kEndRecord;
    records.push_back(endRecord);

    const auto needed = static_cast<std::int32_t>(records.size() * sizeof(EventRecord));
    if (needed > *capacity_) {
        HGLOBAL grown = GlobalReAlloc(*events_, static_cast<SIZE_T>(needed), GMEM_MOVEABLE | GMEM_ZEROINIT);
        if (!grown) return false;
        *events_ = grown;
        *capacity_ = needed;
    }
    auto* base = static_cast<EventRecord*>(GlobalLock(*events_));
    if (!base) return false;
    std::memcpy(base, records.data(), static_cast<std::size_t>(needed));
    GlobalUnlock(*events_);
    *bytesInUse_ = needed;
    records.pop_back();
    return true;
}

std::uint32_t ShiftedTime(std::uint32_t time, double delta) {
    const double moved = std::round(static_cast<double>(time) + delta);
    return static_cast<std::uint32_t>(std::clamp(moved, 0.0, static_cast<double>(kLatestTime)));
}

void SeparateSameKeyNotes(std::vector<EventRecord>& records) {
    // Index of the last note seen per key and channel.
    std::map<int, std::size_t> sounding;
    bool moved = false;
    for (std::size_t i = 0; i < records.size(); ++i) {
        EventRecord& note = records[i];
        if (!IsNote(note)) continue;
        const int voice = note.kind << 4 | (note.data[3] & 0x0F);
        const auto found = sounding.find(voice);
        if (found != sounding.end()) {
            EventRecord& earlier = records[found->second];
            const std::uint32_t start = RecordTime(earlier);
            if (RecordTime(note) <= start) {
                SetRecordTime(note, std::min(start + 1, kLatestTime));
                moved = true;
            }
            const std::uint32_t gap = RecordTime(note) - start;
            if (start + NoteDuration(earlier) > RecordTime(note)) SetNoteDuration(earlier, static_cast<std::uint16_t>(gap));
        }
        sounding[voice] = i;
    }
    // A note moved on a tick may now stand after records of the next time.
    if (moved) std::stable_sort(records.begin(), records.end(), InBufferOrder);
}

}  // namespace cantivo::rules
