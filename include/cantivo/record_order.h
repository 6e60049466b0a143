// The order of the event buffer: by time, then phrase markers, tempo records,
// other status records, notes, and the end record last. Modules hand back
// their records in this order.
#pragma once

#include "cantivo/rule_module.h"

namespace cantivo {

// Rank of a record among records of one time.
inline int RecordClass(const EventRecord& r) {
    // Selects rather than jumps: records of every class come mixed.
    const std::uint8_t second = r.data[0];
    const int status = second == kPhraseMarker ? 0 : second == kTempoRecord ? 1 : second == kEndRecord ? 4 : 2;
    return IsNote(r) ? 3 : status;
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
