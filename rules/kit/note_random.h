// Randomness that repeats: drawn from the style's seed and the note itself,
// so the same input and settings always give the same output.
#pragma once

#include <cstdint>

#include "cantivo/rule_module.h"

namespace cantivo::rules {

// A value in [-1, 1) for this record, seed and purpose.
double NoteRandom(std::uint32_t seed, const EventRecord& record, std::uint32_t purpose = 0);

}  // namespace cantivo::rules
