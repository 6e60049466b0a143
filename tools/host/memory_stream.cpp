#include "tools/host/memory_stream.h"

#include <algorithm>
#include <cstring>

namespace cantivo::host {

HRESULT MemoryStream::Read(void* pv, ULONG cb, ULONG* pcbRead) {
    if (!pv && cb) return E_POINTER;
    const std::size_t available = position < bytes.size() ? bytes.size() - position : 0;
    const std::size_t count = std::min<std::size_t>(cb, available);
    if (count) std::memcpy(pv, bytes.data() + position, count);
    position += count;
    if (pcbRead) *pcbRead = static_cast<ULONG>(count);
    return count == cb ? S_OK : S_FALSE;
}

HRESULT MemoryStream::Write(const void* pv, ULONG cb, ULONG* pcbWritten) {
    if (!pv && cb) return E_POINTER;
    if (bytes.size() < position + cb) bytes.resize(position + cb);
    if (cb) std::memcpy(bytes.data() + position, pv, cb);
    position += cb;
    if (pcbWritten) *pcbWritten = cb;
    return S_OK;
}

HRESULT MemoryStream::Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* newPosition) {
    std::int64_t base = 0;
    switch (origin) {
    case STREAM_SEEK_SET: base = 0; break;
    case STREAM_SEEK_CUR: base = static_cast<std::int64_t>(position); break;
    case STREAM_SEEK_END: base = static_cast<std::int64_t>(bytes.size()); break;
    default: return E_INVALIDARG;
    }
    const std::int64_t target = base + move.QuadPart;
    if (target < 0) return E_INVALIDARG;
    position = static_cast<std::size_t>(target);
    if (newPosition) newPosition->QuadPart = position;
    return S_OK;
}

}  // namespace cantivo::host
