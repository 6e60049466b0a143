// The host's calls: connect, disconnect and the processing run.
#include <algorithm>
#include <functional>

#include "engine/error_code.h"
#include "engine/midi_filter.h"

namespace cantivo {

namespace {

template <typename T>
void ReleaseService(T*& service) {
    if (service) service->Release();
    service = nullptr;
}

}  // namespace

HRESULT CMFCMidiFilter::Connect(IUnknown* host) {
    if (!host) return E_POINTER;
    const HRESULT timeBase = host->QueryInterface(IID_IHostTimeBase, reinterpret_cast<void**>(&m_pHostTimeBase));
    const HRESULT meter = host->QueryInterface(IID_IHostMeter, reinterpret_cast<void**>(&m_pHostMeter));
    host->Release();
    if (FAILED(timeBase) || FAILED(meter)) {
        // Keep neither: a failed connect is not followed by a disconnect.
        if (FAILED(timeBase)) m_pHostTimeBase = nullptr;
        if (FAILED(meter)) m_pHostMeter = nullptr;
        ReleaseService(m_pHostTimeBase);
        ReleaseService(m_pHostMeter);
        return E_FAIL;
    }
    if (!InitializeState()) {
        ReportError(kErrRulesNotFound);
        return E_FAIL;
    }
    return S_OK;
}

HRESULT CMFCMidiFilter::Disconnect() {
    ReleaseService(m_pHostTimeBase);
    ReleaseService(m_pHostMeter);
    ReleaseState();
    return S_OK;
}

HRESULT CMFCMidiFilter::OnStart(std::int32_t) { return S_OK; }
HRESULT CMFCMidiFilter::OnLoop(std::int32_t, std::int32_t) { return S_OK; }
HRESULT CMFCMidiFilter::OnStop(std::int32_t) { return S_OK; }

HRESULT CMFCMidiFilter::ProcessEvents(std::int32_t, std::int32_t, IHostEventQueue* input, IHostEventQueue* output) {
    std::int32_t count = 0;
    if (FAILED(input->GetCount(&count))) return E_FAIL;
    if (count == 0) return S_OK;

    // The loader and ReleaseState change the slots and the buffer a run reads.
    platform::SectionGuard guard(m_csLock);
    m_nForwardedBefore = 0;
    if (m_bBypass) {
        PassThrough(input, output);
        return S_OK;
    }

    for (int k = 0; k < 7; ++k) {
        if (m_abMuted[k] || m_abLocked[k]) m_Params.aEntry[k] = {0, 0};
    }
    if (m_abMuted[7] || m_abLocked[7]) m_Params.wVariableDepth = 0;

    if (m_pHostTimeBase) m_wTimeBase = static_cast<std::uint16_t>(m_pHostTimeBase->GetTimeBase());
    if (m_pHostMeter && m_pHostMeter->HasMeter()) {
        std::int32_t first = 0, second = 0, third = 0;
        m_pHostMeter->GetMeter(0, &first, &second, &third);
        m_wMeter = static_cast<std::uint16_t>((third << 8) | second);
    }

    SetErrorCode(kNoError);
    const std::function<void()> stages[] = {
        [&] { IntakeEvents(input, output); },
        [this] { ApplyInitialValues(); },
        [this] {
            // A module may write anywhere in the block it is handed.
            if (std::any_of(std::begin(m_aSlots), std::end(m_aSlots),
                            [](const RuleSlot& slot) { return slot.wModule != kEmptySlot; }))
                m_nBlockWritten = -1;
            RunRules();
        },
        [this] { AutoOptimize(); },
        [&] { EmitEvents(output); },
    };
    for (const auto& stage : stages) {
        stage();
        NoteBlockWritten();
        if (GetErrorCode() != kNoError) {
            PassThrough(input, output);
            break;
        }
    }
    return S_OK;
}

}  // namespace cantivo
