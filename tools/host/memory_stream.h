// A stream over bytes in memory, for the settings a host hands to the
// filter's IPersistStream. On Windows it is a whole IStream; the parts the
// filter does not use answer E_NOTIMPL.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "cantivo/com_object.h"

namespace cantivo::host {

class MemoryStream : public HeldComObject<IStream> {
public:
    MemoryStream() = default;
    explicit MemoryStream(std::span<const std::uint8_t> bytes) : bytes(bytes.begin(), bytes.end()) {}

    // A read past the end gives what there is and S_FALSE.
    HRESULT STDMETHODCALLTYPE Read(void* pv, ULONG cb, ULONG* pcbRead) override;
    HRESULT STDMETHODCALLTYPE Write(const void* pv, ULONG cb, ULONG* pcbWritten) override;
    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* newPosition) override;
#ifdef _WIN32
    HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*, ULARGE_INTEGER*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Commit(DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Revert() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Stat(STATSTG*, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Clone(IStream**) override { return E_NOTIMPL; }
#endif

    std::vector<std::uint8_t> bytes;
    std::size_t position = 0;
};

}  // namespace cantivo::host
