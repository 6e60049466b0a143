#include "tests/support/test_stream.h"

#include <algorithm>
#include <cstring>

namespace cantivo::test {

HRESULT TestStream::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
#ifdef _WIN32
    const bool known = IsEqualGUID(riid, IID_IUnknown) || IsEqualGUID(riid, IID_ISequentialStream) ||
                       IsEqualGUID(riid, IID_IStream);
#else
    const bool known = IsEqualGUID(riid, IID_IUnknown);
#endif
    if (!known) {
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    *ppv = static_cast<IStream*>(this);
    AddRef();
    return S_OK;
}

HRESULT TestStream::Read(void* pv, ULONG cb, ULONG* pcbRead) {
    const int call = readCalls++;
    if (pcbRead) *pcbRead = 0;
    if (call == failReadAt) return failure;
    std::size_t count = std::min<std::size_t>(cb, bytes.size() - std::min(position, bytes.size()));
    if (call == shortReadAt && count > 0) --count;
    if (count > 0) std::memcpy(pv, bytes.data() + position, count);
    position += count;
    if (pcbRead) *pcbRead = static_cast<ULONG>(count);
    return S_OK;
}

HRESULT TestStream::Write(const void* pv, ULONG cb, ULONG* pcbWritten) {
    const int call = writeCalls++;
    if (pcbWritten) *pcbWritten = 0;
    if (call == failWriteAt) return failure;
    std::size_t count = cb;
    if (call == shortWriteAt && count > 0) --count;
    if (bytes.size() < position + count) bytes.resize(position + count);
    if (count > 0) std::memcpy(bytes.data() + position, pv, count);
    position += count;
    if (pcbWritten) *pcbWritten = static_cast<ULONG>(count);
    return S_OK;
}

HRESULT TestStream::Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* newPosition) {
    std::int64_t base = 0;
    if (origin == STREAM_SEEK_CUR) base = static_cast<std::int64_t>(position);
    else if (origin == STREAM_SEEK_END) base = static_cast<std::int64_t>(bytes.size());
    else if (origin != STREAM_SEEK_SET) return E_INVALIDARG;
    const std::int64_t target = base + move.QuadPart;
    if (target < 0) return E_INVALIDARG;
    position = static_cast<std::size_t>(target);
    if (newPosition) newPosition->QuadPart = position;
    return S_OK;
}

}  // namespace cantivo::test
