// Plain operations on a run of event records, shared by the stages.
#pragma once

#include <cstdint>

#include "cantivo/rule_module.h"
#include "engine/packed_record.h"

namespace cantivo {

// Walks the records from the first up to the end record, never past the bytes
// in use, handing each but the end record to `decide(record)`, which may
// change it and returns whether it stays. A record that goes is left as a
// deleted mark where it stood, and the gaps close, keeping the order. Returns
// the bytes in use afterwards. Whether a record stays picks where it is copied
// to, so that dropping records at random costs no mispredicted branch.
template <typename Decide>
std::int32_t CompactingWalk(EventRecord* records, std::int32_t bytesInUse, Decide&& decide) {
    const std::int32_t count = bytesInUse / static_cast<std::int32_t>(sizeof(EventRecord));
    std::int32_t kept = 0;
    std::int32_t walked = 0;
    for (; walked < count; ++walked) {
        PackedRecord r = PackedRecord::Load(records[walked]);
        if (r.IsEnd()) {
            r.Store(records[kept++]);
            ++walked;
            break;
        }
        const bool stays = decide(r);
        r.MarkDeletedIf(!stays);
        r.Store(records[walked]);
        // A record that goes is written where it stood once more.
        r.Store(records[Select(stays, kept, walked)]);
        kept += static_cast<std::int32_t>(stays);
    }
    return bytesInUse - (walked - kept) * static_cast<std::int32_t>(sizeof(EventRecord));
}

// Moves every record in use `count` places on, freeing the first ones; their
// bytes are those of the old records until the caller sets them. The caller
// makes sure there is room.
void InsertAtFront(EventRecord* records, std::int32_t& bytesInUse, std::int32_t count);

}  // namespace cantivo
