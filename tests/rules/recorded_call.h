// What the recording test module writes for each call, read back by tests.
#pragma once

#include <cstddef>
#include <cstdint>

#include "cantivo/rule_module.h"

namespace cantivo::test {

#pragma pack(push, 1)
struct RecordedCall {
    std::uint64_t pageWindow;
    std::int32_t capacity;
    std::int32_t bytesInUse;
    SettingsRegion settings;
    std::uint8_t slotParams[kSlotParamBytes];
    std::uint16_t meter;
    std::uint16_t reserved;
    std::uint16_t timeBase;
    std::uint8_t expressionController;
    std::uint8_t ruleData[64];  // the start of the rule data: the output path
    // followed by bytesInUse / 8 records
};
#pragma pack(pop)
static_assert(sizeof(RecordedCall) == 8 + 4 + 4 + 180 + 36 + 2 + 2 + 2 + 1 + 64);
static_assert(offsetof(RecordedCall, settings) == 16);
static_assert(offsetof(RecordedCall, slotParams) == 196);
static_assert(offsetof(RecordedCall, meter) == 232);
static_assert(offsetof(RecordedCall, reserved) == 234);
static_assert(offsetof(RecordedCall, timeBase) == 236);
static_assert(offsetof(RecordedCall, expressionController) == 238);
static_assert(offsetof(RecordedCall, ruleData) == 239);

}  // namespace cantivo::test
