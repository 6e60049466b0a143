// A memory stream for tests, with failures and short transfers a test can
// inject; on Windows it answers the whole IStream, the rest with E_NOTIMPL.
#pragma once

#include <cstdint>
#include <vector>

#include "cantivo/com.h"
#include "tests/support/test_host.h"

namespace cantivo::test {

class TestStream final : public StackObject<IStream> {
public:
    TestStream() = default;
    explicit TestStream(std::vector<std::uint8_t> bytes) : bytes(std::move(bytes)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    HRESULT STDMETHODCALLTYPE Read(void* pv, ULONG cb, ULONG* pcbRead) override;
    HRESULT STDMETHODCALLTYPE Write(const void* pv, ULONG cb, ULONG* pcbWritten) override;
    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* newPosition) override;
#ifdef _WIN32
    HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*, ULARGE_INTEGER*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Commit(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Revert() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Stat(STATSTG*, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Clone(IStream**) override { return E_NOTIMPL; }
#endif

    std::vector<std::uint8_t> bytes;
    std::size_t position = 0;

    // The call (counted from 0) that fails with `failure`, moving nothing.
    int failReadAt = -1;
    int failWriteAt = -1;
    HRESULT failure = E_FAIL;
    // The call that moves one byte fewer than asked and still answers S_OK.
    int shortReadAt = -1;
    int shortWriteAt = -1;

    int readCalls = 0;
    int writeCalls = 0;
};

}  // namespace cantivo::test
