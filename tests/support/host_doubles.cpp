#include "tests/support/host_doubles.h"

namespace cantivo::test {

HRESULT TestHost::QueryInterface(REFIID riid, void** ppv) {
    if (IsEqualGUID(riid, IID_IHostMeter) && !meterKnown) return unknownMeter_.QueryInterface(riid, ppv);
    return host::Sequencer::QueryInterface(riid, ppv);
}

HRESULT FailingStream::Read(void* pv, ULONG cb, ULONG* pcbRead) {
    const int call = readCalls++;
    if (pcbRead) *pcbRead = 0;
    if (call == failReadAt) return failure;
    const ULONG asked = call == shortReadAt && cb > 0 ? cb - 1 : cb;
    host::MemoryStream::Read(pv, asked, pcbRead);
    return S_OK;
}

HRESULT FailingStream::Write(const void* pv, ULONG cb, ULONG* pcbWritten) {
    const int call = writeCalls++;
    if (pcbWritten) *pcbWritten = 0;
    if (call == failWriteAt) return failure;
    const ULONG given = call == shortWriteAt && cb > 0 ? cb - 1 : cb;
    return host::MemoryStream::Write(pv, given, pcbWritten);
}

}  // namespace cantivo::test
