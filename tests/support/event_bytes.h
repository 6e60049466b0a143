// Host events or records compared as their bytes, padding-free as they are.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#include "cantivo/mfx.h"

namespace cantivo::test {

template <typename T>
using BytesOfOne = std::array<std::uint8_t, sizeof(T)>;
using EventBytes = BytesOfOne<HostEvent>;

// In the order given, or sorted to compare as a multiset.
template <typename T>
std::vector<BytesOfOne<T>> Bytes(const std::vector<T>& items, bool sorted = false) {
    std::vector<BytesOfOne<T>> bytes(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) std::memcpy(bytes[i].data(), &items[i], sizeof(T));
    if (sorted) std::sort(bytes.begin(), bytes.end());
    return bytes;
}

}  // namespace cantivo::test
