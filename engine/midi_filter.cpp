#include "engine/midi_filter.h"

#include <cstddef>
#include <string>

#include "engine/module_folder.h"
#include "platform/files.h"

namespace cantivo {

std::atomic<std::int32_t> g_objectCount{0};

// Rule modules get the six settings blocks as one region.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
static_assert(offsetof(CMFCMidiFilter, m_Initial) - offsetof(CMFCMidiFilter, m_Params) ==
              offsetof(SettingsRegion, initial));
static_assert(offsetof(CMFCMidiFilter, m_StyleInitial) - offsetof(CMFCMidiFilter, m_Params) ==
              offsetof(SettingsRegion, styleInitial));
static_assert(offsetof(CMFCMidiFilter, m_abMuted) - offsetof(CMFCMidiFilter, m_Params) ==
              offsetof(SettingsRegion, muted));
static_assert(offsetof(CMFCMidiFilter, m_anAxis) - offsetof(CMFCMidiFilter, m_Params) ==
              offsetof(SettingsRegion, axis));
static_assert(offsetof(CMFCMidiFilter, m_abLocked) - offsetof(CMFCMidiFilter, m_Params) ==
              offsetof(SettingsRegion, locked));
#pragma GCC diagnostic pop

namespace {

InitialValues DefaultInitialValues() { return {1, 1, 1, 1, 1, 1, 120, 100, 100, 64}; }

ParamSettings DefaultParams() {
    ParamSettings params{};
    for (ParamEntry& entry : params.aEntry) entry = {100, 20};
    params.wVariableDepth = 100;
    for (std::uint16_t& value : params.awModuleValues) value = 1;
    return params;
}

}  // namespace

CMFCMidiFilter::CMFCMidiFilter(FilterView* windowlessView) : m_pWindowlessView(windowlessView) {
    g_objectCount.fetch_add(1);
    InitializeState();
}

CMFCMidiFilter::~CMFCMidiFilter() { g_objectCount.fetch_sub(1); }

HRESULT CMFCMidiFilter::GetPages(CAUUID* pages) {
    if (!pages) return E_POINTER;
    auto* ids = static_cast<GUID*>(CoTaskMemAlloc(sizeof(GUID)));
    if (!ids) return E_OUTOFMEMORY;
    ids[0] = CLSID_CantivoPropertyPage;
    pages->cElems = 1;
    pages->pElems = ids;
    return S_OK;
}

bool CMFCMidiFilter::InitializeState() {
    m_bLoaded = 0;
    for (RuleSlot& slot : m_aSlots) ClearSlot(slot);

    const std::string pluginFolder = platform::FolderOf(ModuleFolder());
    if (!pluginFolder.empty()) platform::SetCurrentFolder(pluginFolder);

    bool found = false;
    for (int n = 0; n < 64 && !found; ++n) found = platform::FileExists(pluginFolder + "R" + std::to_string(n) + ".DLL");
    if (!found) return false;

    FreeEventBuffer();
    m_nEventBytes = 0;
    m_Initial = DefaultInitialValues();
    m_StyleInitial = DefaultInitialValues();
    for (std::uint32_t& muted : m_abMuted) muted = 1;
    for (std::uint32_t& locked : m_abLocked) locked = 1;
    m_Params = DefaultParams();
    return true;
}

void CMFCMidiFilter::ReleaseState() {
    platform::SectionGuard guard(m_csLock);
    m_bBypass = 1;
    for (RuleSlot& slot : m_aSlots) ClearSlot(slot);
    FreeEventBuffer();
}

}  // namespace cantivo
