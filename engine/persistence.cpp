// The filter's IPersistStream face: the six persisted fields, 636 bytes.
#include <algorithm>
#include <utility>
#include <vector>

#include "engine/midi_filter.h"
#include "engine/persisted_settings.h"

namespace cantivo {

namespace {

// A name read from a stream carries no promise of a terminator.
void TerminateName(std::span<std::uint8_t> name) {
    if (std::find(name.begin(), name.end(), 0) == name.end()) name.back() = 0;
}

}  // namespace

HRESULT CMFCMidiFilter::GetClassID(CLSID* classId) {
    if (!classId) return E_POINTER;
    *classId = CLSID_CantivoFilter;
    return S_OK;
}

HRESULT CMFCMidiFilter::IsDirty() { return m_bDirty ? S_OK : S_FALSE; }

HRESULT CMFCMidiFilter::Load(IStream* stream) {
    if (!stream) return E_POINTER;
    if (IsDirty() == S_OK) return S_OK;  // unsaved changes win over the project's copy

    const auto fields = PersistedFields(*this);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        // Each field is taken whole or not at all.
        std::vector<std::uint8_t> block(fields[i].size());
        ULONG read = 0;
        if (stream->Read(block.data(), static_cast<ULONG>(block.size()), &read) != S_OK || read != block.size())
            return E_FAIL;
        std::copy(block.begin(), block.end(), fields[i].begin());
        if (i < kPersistedNameFields) TerminateName(fields[i]);
    }
    m_bDirty = 0;

    if (m_pPage) {
        m_pPage->RefreshFromState(*this);
    } else if (m_pWindowlessView) {
        m_pWindowlessView->ReloadStyle(*this);
    }
    m_bLoaded = 1;
    m_bBypass = 0;
    return S_OK;
}

HRESULT CMFCMidiFilter::Save(IStream* stream, BOOL /*clearDirty*/) {
    if (!stream) return E_POINTER;
    for (const std::span<const std::uint8_t> field : PersistedFields(std::as_const(*this))) {
        ULONG written = 0;
        const HRESULT result = stream->Write(field.data(), static_cast<ULONG>(field.size()), &written);
        if (result == STG_E_MEDIUMFULL) return STG_E_MEDIUMFULL;
        if (FAILED(result) || written != field.size()) return STG_E_CANTSAVE;
    }
    // Cleared whatever the caller asked: what is saved is no longer unsaved.
    m_bDirty = 0;
    return S_OK;
}

HRESULT CMFCMidiFilter::GetSizeMax(ULARGE_INTEGER* size) {
    if (!size) return E_POINTER;
    size->QuadPart = kPersistedBytes;
    return S_OK;
}

}  // namespace cantivo
