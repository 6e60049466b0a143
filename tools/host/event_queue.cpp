#include "tools/host/event_queue.h"

namespace cantivo::host {

HRESULT EventQueue::Add(const HostEvent* event) {
    if (!event) return E_POINTER;
    events.push_back(*event);
    return S_OK;
}

HRESULT EventQueue::GetCount(std::int32_t* count) {
    if (!count) return E_POINTER;
    if (ReadFails()) return E_FAIL;
    *count = static_cast<std::int32_t>(events.size());
    return S_OK;
}

HRESULT EventQueue::GetAt(std::int32_t index, HostEvent* event) {
    if (!event) return E_POINTER;
    if (ReadFails()) return E_FAIL;
    if (index < 0 || static_cast<std::size_t>(index) >= events.size()) return E_INVALIDARG;
    *event = events[static_cast<std::size_t>(index)];
    return S_OK;
}

}  // namespace cantivo::host
