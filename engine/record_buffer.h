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

// Moves every record in use one place on and returns the freed first record;
// its bytes are those of the old first record until the caller sets them.
// The caller makes sure there is room.
EventRecord& InsertAtFront(EventRecord* records, std::int32_t& bytesInUse);

}  // namespace cantivo
