// The order of the event buffer: by time, then phrase markers, tempo records,
// other status records, notes, and the end record last. Modules hand back
// their records in this order.
#pragma once

#include "cantivo/rule_module.h"

namespace cantivo {

// Rank of a record among records of one time.
inline int RecordClass(const EventRecord& r) {
    if (IsNote(r)) return 3;
    switch (r.data[0]) {
        case kPhraseMarker: return 0;
        case kTempoRecord: return 1;
        case kEndRecord: return 4;
        default: return 2;
    }
}

// The 27 bits records are ordered by: the time, then the class.
inline std::uint32_t OrderKey(const EventRecord& r) {
    return RecordTime(r) << 3 | static_cast<std::uint32_t>(RecordClass(r));
}

// -1, 0 or 1.
inline int CompareRecords(const EventRecord& a, const EventRecord& b) {
    const std::uint32_t ka = OrderKey(a);
    const std::uint32_t kb = OrderKey(b);
    return ka < kb ? -1 : (ka > kb ? 1 : 0);
}

}  // namespace cantivo
