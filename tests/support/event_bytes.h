// Host events compared as the bytes a host sees, padding-free as they are.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#include "cantivo/mfx.h"

namespace cantivo::test {

using EventBytes = std::array<std::uint8_t, sizeof(HostEvent)>;

inline EventBytes BytesOf(const HostEvent& event) {
    EventBytes bytes;
    std::memcpy(bytes.data(), &event, sizeof event);
    return bytes;
}

// In the order given, or sorted to compare as a multiset.
inline std::vector<EventBytes> Bytes(const std::vector<HostEvent>& events, bool sorted = false) {
    std::vector<EventBytes> bytes;
    for (const HostEvent& event : events) bytes.push_back(BytesOf(event));
    if (sorted) std::sort(bytes.begin(), bytes.end());
    return bytes;
}

}  // namespace cantivo::test
