// A host's event queue: the events it hands the filter, or those it gets back.
#pragma once

#include <cstdint>
#include <vector>

#include "cantivo/com_object.h"

namespace cantivo::host {

class EventQueue : public HeldComObject<IHostEventQueue> {
public:
    EventQueue() = default;
    explicit EventQueue(std::vector<HostEvent> events) : events(std::move(events)) {}

    HRESULT STDMETHODCALLTYPE Add(const HostEvent* event) override;
    HRESULT STDMETHODCALLTYPE GetCount(std::int32_t* count) override;
    HRESULT STDMETHODCALLTYPE GetAt(std::int32_t index, HostEvent* event) override;

    std::vector<HostEvent> events;

    // For tests, inert unless set: the read (a count or a fetch, counted from 0
    // in `reads`) that fails with E_FAIL, as a host's queue may.
    std::int32_t failReadAt = -1;
    std::int32_t reads = 0;

private:
    bool ReadFails() { return reads++ == failReadAt; }
};

}  // namespace cantivo::host
