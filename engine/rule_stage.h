// What a rule module hands back is checked before anything reads it.
#pragma once

#include <cstdint>

#include "cantivo/movable_memory.h"

namespace cantivo {

// A whole number of records, at least one, within a capacity the block really
// has, the last record in use an end record.
bool IsValidRuleResult(HGLOBAL events, std::int32_t capacity, std::int32_t bytesInUse);

}  // namespace cantivo
