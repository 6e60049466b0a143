// Plain operations on a run of event records, shared by the stages.
#pragma once

#include <cstdint>

#include "cantivo/rule_module.h"

namespace cantivo {

// The records a stage walks: from the first up to the end record, never past
// the bytes in use. The count includes the end record when there is one.
std::int32_t WalkLength(const EventRecord* records, std::int32_t bytesInUse);

// Closes the gaps left by deleted marks, keeping the order, and returns the
// bytes in use afterwards.
std::int32_t CompactRecords(EventRecord* records, std::int32_t bytesInUse);

// Moves every record in use `count` places on, freeing the first ones; their
// bytes are those of the old records until the caller sets them. The caller
// makes sure there is room.
void InsertAtFront(EventRecord* records, std::int32_t& bytesInUse, std::int32_t count);

}  // namespace cantivo
