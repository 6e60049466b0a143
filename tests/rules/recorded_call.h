// What the recording test module writes for each call, read back by tests.
#pragma once

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

}  // namespace cantivo::test
