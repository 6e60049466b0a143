// The order of the event buffer: by time, then phrase markers, tempo records,
// other status records, notes, and the end record last. Modules hand back
// their records in this order.
#pragma once

#include "cantivo/rule_module.h"

namespace cantivo {

// Rank of a record among records of one time.
// Rank of a record of this kind byte and first data byte.
inline int RecordClass(std::uint8_t kind, std::uint8_t first) {
    // Selects rather than jumps: records of every class come mixed.
    const int status = first == kPhraseMarker ? 0 : first == kTempoRecord ? 1 : first == kEndRecord ? 4 : 2;
    return kind < 0x80 ? 3 : status;
}
inline int RecordClass(const EventRecord& r) { return RecordClass(r.kind, r.data[0]); }

// The 27 bits records are ordered by: the time, then the class.
inline std::uint32_t OrderKey(std::uint32_t time, std::uint8_t kind, std::uint8_t first) {
    return (time & kLatestRecordTime) << 3 | static_cast<std::uint32_t>(RecordClass(kind, first));
}
inline std::uint32_t OrderKey(const EventRecord& r) { return OrderKey(RecordTime(r), r.kind, r.data[0]); }

// -1, 0 or 1.
inline int CompareRecords(const EventRecord& a, const EventRecord& b) {
    const std::uint32_t ka = OrderKey(a);
    const std::uint32_t kb = OrderKey(b);
    return ka < kb ? -1 : (ka > kb ? 1 : 0);
}

}  // namespace cantivo
