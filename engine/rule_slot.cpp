#include "engine/rule_slot.h"

namespace cantivo {

void ClearSlot(RuleSlot& slot) {
    delete[] slot.pData;
    slot.pData = nullptr;
    slot.szName[0] = '\0';
    slot.wModule = kEmptySlot;
    slot.nDataLen = 0;
    slot.wDisabled = 0;
}

}  // namespace cantivo
