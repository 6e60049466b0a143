#include "engine/record_buffer.h"

#include <cstring>

namespace cantivo {

namespace {
constexpr auto kRecordBytes = static_cast<std::int32_t>(sizeof(EventRecord));
}

std::int32_t WalkLength(const EventRecord* records, std::int32_t bytesInUse) {
    const std::int32_t count = bytesInUse / kRecordBytes;
    for (std::int32_t i = 0; i < count; ++i) {
        if (IsEndRecord(records[i])) return i + 1;
    }
    return count;
}

std::int32_t CompactRecords(EventRecord* records, std::int32_t bytesInUse) {
    const std::int32_t length = WalkLength(records, bytesInUse);
    std::int32_t kept = 0;
    for (std::int32_t i = 0; i < length; ++i) {
        if (IsDeleted(records[i])) continue;
        if (kept != i) records[kept] = records[i];
        ++kept;
    }
    return bytesInUse - (length - kept) * kRecordBytes;
}

void InsertAtFront(EventRecord* records, std::int32_t& bytesInUse, std::int32_t count) {
    std::memmove(records + count, records, static_cast<std::size_t>(bytesInUse));
    bytesInUse += count * kRecordBytes;
}

}  // namespace cantivo
