// Auto optimization: drops tempo, expression, wheel, modulation and pan
// records that differ too little from the last one of their kind kept.
#pragma once

#include <cstdint>

#include "cantivo/rule_module.h"

namespace cantivo {

struct ThinningKind {
    bool on = false;
    std::int32_t threshold = 0;  // smallest change kept
};

struct ThinningSettings {
    ThinningKind tempo;
    ThinningKind expression;
    ThinningKind wheel;
    ThinningKind modulation;
    ThinningKind pan;
    std::uint8_t expressionController = 11;

    bool AnyOn() const { return tempo.on || expression.on || wheel.on || modulation.on || pan.on; }
};

// Returns the bytes in use afterwards; leaves the buffer untouched when every
// kind is off.
std::int32_t ThinRecords(EventRecord* records, std::int32_t bytesInUse, const ThinningSettings& settings);

}  // namespace cantivo
