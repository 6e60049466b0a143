// The initial-values stage: fixed velocity, expression and pan at the start,
// later expression and pan moves, wheel and modulation data removed.
#pragma once

#include <cstdint>

#include "cantivo/rule_module.h"

namespace cantivo {

// Works on a sorted buffer of `capacity` bytes; returns the bytes in use
// afterwards. An expression and a pan controller are inserted at the earliest
// time when none stands there and the buffer has room.
std::int32_t ApplyInitialValuesTo(EventRecord* records, std::int32_t bytesInUse, std::int32_t capacity,
                                  const InitialValues& initial, std::uint8_t expressionController);

}  // namespace cantivo
