#include "styles/style_loader.h"

#include <cstring>
#include <new>
#include <optional>

#include "engine/error_code.h"
#include "engine/module_folder.h"
#include "platform/files.h"
#include "styles/style_library.h"
#include "styles/style_settings.h"

namespace cantivo {

namespace {

bool Fail(std::int32_t code) {
    ReportError(code);
    return false;
}

// Fills a slot from its record; false when its data block cannot be had,
// which leaves the slot with its label, module and length but no data.
bool FillSlot(RuleSlot& slot, const StyleSlotRecord& record) {
    std::memcpy(slot.szName, record.label.data(), record.label.size());
    slot.szName[record.label.size()] = '\0';
    slot.wModule = record.wModule;
    slot.nDataLen = static_cast<std::int16_t>(record.data.size());
    // A slot without data still gets a block: the rule stage runs slots that have one.
    slot.pData = new (std::nothrow) std::uint8_t[record.data.size() + kRuleDataPadding]();
    if (!slot.pData) return false;
    if (!record.data.empty()) std::memcpy(slot.pData, record.data.data(), record.data.size());
    slot.wDisabled = record.bDisabled;
    std::memcpy(slot.abParams, record.abParams.data(), sizeof slot.abParams);
    return true;
}

std::optional<std::vector<std::uint8_t>> ReadNamedStyle(const CMFCMidiFilter& filter) {
    const auto path = StyleFilePath(ModuleFolder(), FieldText(filter.m_szStyleFolder), FieldText(filter.m_szStyleName));
    return path ? platform::ReadWholeFile(*path, platform::ReadMode::kExclusiveSequential) : std::nullopt;
}

// The steps that run under the filter's lock; the file is read under it too,
// unless its bytes are given. The whole file is checked before the first field
// of the state changes.
bool LoadLocked(CMFCMidiFilter& filter, const std::vector<std::uint8_t>* given, StyleView* view, bool interactive,
                bool keepSettings) {
    platform::SectionGuard lock(filter.m_csLock);

    const auto read = given ? std::nullopt : ReadNamedStyle(filter);
    const std::vector<std::uint8_t>* bytes = given ? given : read ? &*read : nullptr;
    if (!bytes) return Fail(kErrCantOpenFile);
    StyleFile style;
    if (ReadStyleFile(*bytes, style) != StyleFileFault::kNone) return Fail(kErrBadFileFormat);

    filter.m_StyleInitial = style.header.StyleInitial;
    if (interactive) {
        if (filter.m_bBypass) {
            filter.m_bBypass = 0;
            ApplyStyleInitialValues(filter);
            if (!keepSettings) ResetParamsAndMutes(filter);
        }
        if (view) view->ShowInitialValues();
    }
    // Shown before the slots are read, so it stays on screen when they fail.
    if (view) view->ShowStyleInformation(style.header, interactive);

    for (int k = 0; k < kParameterCount; ++k) filter.m_abLocked[k] = style.header.abUsed[k] == 0 ? 1 : 0;
    if (view) {
        ClampParamsToLocks(filter);
        view->ShowRows();
    }

    for (RuleSlot& slot : filter.m_aSlots) ClearSlot(slot);
    filter.m_nSlotCount = static_cast<std::uint32_t>(style.slots.size());
    for (std::size_t i = 0; i < style.slots.size(); ++i) {
        if (!FillSlot(filter.m_aSlots[i], style.slots[i])) return Fail(kErrNoMemory);
    }

    if (view) view->BindRegulatorAxes();
    return true;
}

bool FinishLoad(CMFCMidiFilter& filter, StyleView* view, bool ok) {
    if (!view) return ok;

    if (ok) view->RedrawRegulators();
    view->EnableOkButton(ok);
    if (ok) {
        filter.m_bBypass = 0;
        filter.m_bDirty = 1;
        view->MarkDirty();
    } else {
        filter.m_bBypass = 1;  // events pass through until a style loads
    }
    return ok;
}

}  // namespace

bool LoadStyle(CMFCMidiFilter& filter, StyleView* view, bool interactive, bool keepSettings) {
    if (filter.m_szStyleName[0] == '\0' || filter.m_szStyleFolder[0] == '\0') return false;
    return FinishLoad(filter, view, LoadLocked(filter, nullptr, view, interactive, keepSettings));
}

bool LoadStyleBytes(CMFCMidiFilter& filter, const std::vector<std::uint8_t>& bytes, StyleView* view,
                    bool interactive, bool keepSettings) {
    return FinishLoad(filter, view, LoadLocked(filter, &bytes, view, interactive, keepSettings));
}

}  // namespace cantivo
