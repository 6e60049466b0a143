#pragma once

#include <cstddef>
#include <cstdint>

#include "cantivo/rule_module.h"

namespace cantivo {

constexpr int kSlotCount = 64;
constexpr std::uint16_t kEmptySlot = 65535;
// Zero bytes after every slot's data, outside its length: a module that reads
// its data as text always finds an end.
constexpr std::size_t kRuleDataPadding = 4;

#pragma pack(push, 1)
// One rule slot of a style: which module runs, with what data and parameters.
struct RuleSlot {
    char szName[64];
    std::uint16_t wModule;   // R<n>.DLL; kEmptySlot for none
    std::int16_t nDataLen;
    std::uint8_t* pData;     // heap block of nDataLen bytes and the padding, owned by the slot
    std::uint16_t wDisabled;
    std::uint8_t abParams[kSlotParamBytes];
};
#pragma pack(pop)
static_assert(sizeof(RuleSlot) == 114);
static_assert(offsetof(RuleSlot, szName) == 0);
static_assert(offsetof(RuleSlot, wModule) == 64);
static_assert(offsetof(RuleSlot, nDataLen) == 66);
static_assert(offsetof(RuleSlot, pData) == 68);
static_assert(offsetof(RuleSlot, wDisabled) == 76);
static_assert(offsetof(RuleSlot, abParams) == 78);

// Frees the slot's data and leaves it empty.
void ClearSlot(RuleSlot& slot);

}  // namespace cantivo
