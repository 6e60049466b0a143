// The filter object a host creates: its state record and its COM faces.
#pragma once

#include <atomic>
#include <cstdint>

#include "cantivo/com.h"
#include "cantivo/com_object.h"
#include "cantivo/mfx.h"
#include "cantivo/movable_memory.h"
#include "cantivo/rule_module.h"
#include "engine/auto_optimize.h"
#include "engine/filter_view.h"
#include "engine/rule_module_loader.h"
#include "engine/rule_slot.h"
#include "platform/critical_section.h"

namespace cantivo {

// Live filter objects; the module may unload only when none is left.
extern std::atomic<std::int32_t> g_objectCount;

constexpr std::uint32_t kEventBufferStep = 1024000;
constexpr std::size_t kNameBytes = 260;

class CMFCMidiFilter final : public ComObject<IMfxEventFilter, IPersistStream, ISpecifyPropertyPages> {
public:
    // The windowless view is wired by whoever creates the filter, since the
    // style library sits above the engine.
    explicit CMFCMidiFilter(FilterView* windowlessView = nullptr);
    ~CMFCMidiFilter() override;

    // IMfxEventFilter
    HRESULT STDMETHODCALLTYPE Connect(IUnknown* host) override;
    HRESULT STDMETHODCALLTYPE Disconnect() override;
    HRESULT STDMETHODCALLTYPE OnStart(std::int32_t time) override;
    HRESULT STDMETHODCALLTYPE OnLoop(std::int32_t from, std::int32_t to) override;
    HRESULT STDMETHODCALLTYPE OnStop(std::int32_t time) override;
    HRESULT STDMETHODCALLTYPE ProcessEvents(std::int32_t startTime, std::int32_t endTime, IHostEventQueue* input,
                                            IHostEventQueue* output) override;
    HRESULT STDMETHODCALLTYPE CopyEvents(IHostEventQueue* input, IHostEventQueue* output) override;

    // IPersistStream
    HRESULT STDMETHODCALLTYPE GetClassID(CLSID* classId) override;
    HRESULT STDMETHODCALLTYPE IsDirty() override;
    HRESULT STDMETHODCALLTYPE Load(IStream* stream) override;
    HRESULT STDMETHODCALLTYPE Save(IStream* stream, BOOL clearDirty) override;
    HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER* size) override;

    // ISpecifyPropertyPages
    HRESULT STDMETHODCALLTYPE GetPages(CAUUID* pages) override;

    // True when at least one rule module R0..R63 exists.
    bool InitializeState();
    void ReleaseState();
    void Lock() { m_csLock.Enter(); }
    void Unlock() { m_csLock.Leave(); }

    // Stages of a run; each sets the module error code when it fails.
    void IntakeEvents(IHostEventQueue* input, IHostEventQueue* output);
    void ApplyInitialValues();
    void RunRules();
    // Settles the run's thinning from the Options; output applies it record by
    // record as it walks, so that thinning costs no walk of its own.
    void AutoOptimize();
    void EmitEvents(IHostEventQueue* output);
    void PassThrough(IHostEventQueue* input, IHostEventQueue* output);

    // Intake's buffer primitives.
    // One step more room for intake; false when the block is gone.
    bool GrowIntakeBuffer();
    std::uint32_t AllocateEventBuffer(std::uint8_t** address);
    bool ResizeEventBuffer(std::uint32_t newSize);
    void FreeEventBuffer();
    // After each stage of a run: how far the block may now hold data.
    void NoteBlockWritten();
    // Once intake has written its records: zeros past them, where an earlier
    // run's records may still lie.
    void ClearPastIntake();
    // The event block for a stage, or null with the run failed: a stage that
    // cannot reach its records cannot run.
    EventRecord* LockEventRecords();

    // The settings region handed to rule modules: m_Params up to m_abLocked.
    SettingsRegion* Settings() { return reinterpret_cast<SettingsRegion*>(&m_Params); }

    platform::CriticalSection m_csLock;
    std::uint32_t m_bDirty = 0;
    IHostTimeBase* m_pHostTimeBase = nullptr;
    IHostMeter* m_pHostMeter = nullptr;
    std::uint32_t m_nIntakeCapacity = 0;
    std::int32_t m_nIntakeUsed = 0;
    std::uint8_t* m_pIntakeBase = nullptr;
    std::uint8_t m_byPort = 0;
    std::uint8_t m_byMarkerChannel = 0;
    RuleSlot m_aSlots[kSlotCount] = {};
    char m_szStyleFolder[kNameBytes] = {};
    char m_szStyleName[kNameBytes] = {};
    alignas(4) ParamSettings m_Params = {};  // keeps the six blocks below free of padding
    InitialValues m_Initial = {};
    InitialValues m_StyleInitial = {};
    std::uint32_t m_abMuted[kParameterCount] = {};
    std::uint32_t m_anAxis[4] = {1, 2, 5, 4};
    std::uint32_t m_abLocked[kParameterCount] = {};
    std::uint32_t m_nSlotCount = 0;
    HGLOBAL m_hEvents = nullptr;
    std::int32_t m_nEventBytes = 0;
    std::int32_t m_nEventCapacity = 0;
    std::uint16_t m_wMeter = 0x0204;
    std::uint16_t m_wReserved = 0;
    std::uint16_t m_wTimeBase = 120;
    std::uint32_t m_bLoaded = 0;
    std::uint32_t m_bBypass = 1;
    // The open page, set and cleared by the page's window: a stream load
    // refreshes it from the state.
    FilterView* m_pPage = nullptr;
    // Without a page, a stream load reloads the style through this view; with
    // neither, the slots stay as they are.
    FilterView* m_pWindowlessView = nullptr;
    // Where each run's modules come from; tests may hand in their own.
    RuleModuleLoader* m_pModuleLoader = &ModuleFileLoader();

    // Input events before this index that intake handed straight to the
    // output, so that a failed run's pass-through does not send them twice.
    std::int32_t m_nForwardedBefore = 0;
    // Bytes from the start of the event block that runs have written since it
    // was zero-filled; -1 once a module had it, when it is not used again.
    std::int32_t m_nBlockWritten = -1;
    ThinningSettings m_Thinning = {};
};

}  // namespace cantivo
