#include "rules/kit/rule_buffer.h"

#include <algorithm>
#include <cstdint>
#include <cmath>
#include <cstring>
#include <map>

#include "cantivo/record_order.h"

namespace cantivo::rules {

namespace {

// Stable sorting by the buffer order keeps records of one time and class as
// they came, so an untouched buffer goes back byte for byte.
bool InBufferOrder(const EventRecord& a, const EventRecord& b) { return CompareRecords(a, b) < 0; }

}  // namespace

RuleBuffer::RuleBuffer(HGLOBAL* events, std::int32_t* capacity, std::int32_t* bytesInUse)
    : events_(events), capacity_(capacity), bytesInUse_(bytesInUse) {
    const auto* base = static_cast<const EventRecord*>(GlobalLock(*events));
    if (!base) return;
    readable_ = true;
    // Never past the block, whatever the count says.
    const SIZE_T held = std::min(static_cast<SIZE_T>(*bytesInUse), GlobalSize(*events));
    const SIZE_T count = held / sizeof(EventRecord);
    for (SIZE_T i = 0; i < count; ++i) {
        if (IsEndRecord(base[i])) {
            endTime_ = RecordTime(base[i]);
            break;
        }
        records.push_back(base[i]);
    }
    GlobalUnlock(*events);
    inputCount_ = records.size();
}

std::size_t RuleBuffer::MostToAdd() const { return inputCount_ * kAddedPerInputRecord + kAddedAtLeast; }

bool RuleBuffer::Commit() {
    if (!readable_) return false;
    std::stable_sort(records.begin(), records.end(), InBufferOrder);
    SeparateSameKeyNotes(records);
    std::uint32_t end = endTime_;
    for (const EventRecord& r : records) {
        const std::uint32_t last = RecordTime(r) + (IsNote(r) ? NoteDuration(r) : 0);
        end = std::max(end, std::min(last, kLatestRecordTime));
    }
    EventRecord endRecord{};
    SetRecordTime(endRecord, end);
    endRecord.kind = kMetaKind;
    endRecord.data[0] = kEndRecord;
    records.push_back(endRecord);

    if (records.size() > static_cast<std::size_t>(INT32_MAX) / sizeof(EventRecord)) return false;
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
    return static_cast<std::uint32_t>(std::clamp(moved, 0.0, static_cast<double>(kLatestRecordTime)));
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
                SetRecordTime(note, std::min(start + 1, kLatestRecordTime));
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
