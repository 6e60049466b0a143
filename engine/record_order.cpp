#include "engine/record_order.h"

#include <algorithm>

namespace cantivo {

namespace {

int RecordClass(const EventRecord& r) {
    if (IsNote(r)) return 3;
    switch (r.data[0]) {
        case kPhraseMarker: return 0;
        case kTempoRecord: return 1;
        case kEndRecord: return 4;
        default: return 2;
    }
}

}  // namespace

int CompareRecords(const EventRecord& a, const EventRecord& b) {
    const std::uint32_t ta = RecordTime(a);
    const std::uint32_t tb = RecordTime(b);
    if (ta != tb) return ta < tb ? -1 : 1;
    const int ca = RecordClass(a);
    const int cb = RecordClass(b);
    return ca < cb ? -1 : (ca > cb ? 1 : 0);
}

void SortRecords(EventRecord* records, std::size_t count) {
    std::sort(records, records + count,
              [](const EventRecord& a, const EventRecord& b) { return CompareRecords(a, b) < 0; });
}

}  // namespace cantivo
