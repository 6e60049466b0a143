// Buffer handling shared by the test modules: room through the handle, and
// an insertion that keeps the order.
#pragma once

#include <cstring>

#include "cantivo/rule_module.h"

namespace cantivo::test {

// Makes room for `extra` more records, growing the block through its handle.
inline EventRecord* LockWithRoom(HGLOBAL* events, std::int32_t* capacity, std::int32_t bytesInUse, std::int32_t extra) {
    const std::int32_t needed = bytesInUse + extra * static_cast<std::int32_t>(sizeof(EventRecord));
    if (needed > *capacity) {
        HGLOBAL grown = GlobalReAlloc(*events, static_cast<SIZE_T>(needed), GMEM_MOVEABLE | GMEM_ZEROINIT);
        if (!grown) return nullptr;
        *events = grown;
        *capacity = needed;
    }
    return static_cast<EventRecord*>(GlobalLock(*events));
}

// Inserts `record` at `index`, moving the rest (end record included) on.
inline void InsertRecord(EventRecord* records, std::int32_t* bytesInUse, std::int32_t index, const EventRecord& record) {
    const std::int32_t count = *bytesInUse / static_cast<std::int32_t>(sizeof(EventRecord));
    std::memmove(records + index + 1, records + index, static_cast<std::size_t>(count - index) * sizeof(EventRecord));
    records[index] = record;
    *bytesInUse += sizeof(EventRecord);
}

}  // namespace cantivo::test
