// The rule stage: every active slot's module, in slot order, on the buffer.
#include "engine/rule_stage.h"

#include "engine/error_code.h"
#include "engine/midi_filter.h"
#include "engine/rule_module_loader.h"
#include "options/options_settings.h"

namespace cantivo {

namespace {

bool IsSkipped(const RuleSlot& slot) {
    return slot.wModule == kEmptySlot || slot.wDisabled != 0 || slot.wModule == 13 || slot.wModule == 15 ||
           slot.wModule == 18;
}

}  // namespace

std::int32_t CheckRuleResult(HGLOBAL events, std::int32_t capacity, std::int32_t bytesInUse) {
    constexpr auto kRecordBytes = static_cast<std::int32_t>(sizeof(EventRecord));
    // The size comes first: a handle the module freed has none, and its block is never read.
    if (!events || bytesInUse < kRecordBytes || bytesInUse % kRecordBytes != 0 || bytesInUse > capacity ||
        static_cast<SIZE_T>(capacity) > GlobalSize(events))
        return kErrIllegalResultData;
    const auto* records = static_cast<const EventRecord*>(GlobalLock(events));
    if (!records) return kErrNoMemory;
    const bool ended = IsEndRecord(records[bytesInUse / kRecordBytes - 1]);
    GlobalUnlock(events);
    return ended ? kNoError : kErrIllegalResultData;
}

void CMFCMidiFilter::RunRules() {
    for (RuleSlot& slot : m_aSlots) {
        if (IsSkipped(slot)) continue;
        const auto module = m_pModuleLoader->Load(static_cast<std::int16_t>(slot.wModule));
        if (!module) {
            SetErrorCode(kErrCantLoadRuleFile);
            return;
        }
        const QV12ConvertFunction convert = module->Convert();
        if (!convert) {
            SetErrorCode(kErrBadRuleFileFormat);
            return;
        }
        std::int32_t result = 0;
        if (slot.pData) {
            result = convert(m_pPage ? m_pPage->Window() : nullptr, slot.pData, &m_hEvents, &m_nEventCapacity, &m_nEventBytes, Settings(),
                             slot.abParams, m_wMeter, m_wReserved, m_wTimeBase, g_Options.VolB);
        }
        if (result == 0) {
            SetErrorCode(kErrNoMemory);
            return;
        }
        const std::int32_t check = CheckRuleResult(m_hEvents, m_nEventCapacity, m_nEventBytes);
        if (check != kNoError) {
            SetErrorCode(check);
            return;
        }
    }
}

}  // namespace cantivo
