// How a parameter row scales a module's designed amount.
#pragma once

#include <cstdint>

#include "cantivo/rule_module.h"

namespace cantivo::rules {

// depth 0..200 (100 = the style's designed amount); random 0..30 spreads it
// by up to that many percent either way. `r` is a NoteRandom value.
inline double Scaled(double designed, std::uint16_t depth, std::uint16_t random, double r) {
    return designed * depth / 100.0 * (1.0 + r * random / 100.0);
}

inline double Scaled(double designed, const ParamEntry& entry, double r) {
    return Scaled(designed, entry.wDepth, entry.wRandom, r);
}

}  // namespace cantivo::rules
