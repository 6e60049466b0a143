// What a rule module hands back is checked before anything reads it.
#pragma once

#include <cstdint>

#include "cantivo/movable_memory.h"

namespace cantivo {

// A whole number of records, at least one, within a capacity the block really
// has, the last record in use an end record: kNoError. Otherwise
// kErrIllegalResultData, or kErrNoMemory when the block cannot be locked to
// look, as for any stage that cannot reach its records.
std::int32_t CheckRuleResult(HGLOBAL events, std::int32_t capacity, std::int32_t bytesInUse);

}  // namespace cantivo
