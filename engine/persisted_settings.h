// The settings a host keeps with its project, and the state file repeats: six
// fields of the state record back to back, 636 bytes, no header.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>

#include "engine/midi_filter.h"

namespace cantivo {

constexpr std::size_t kPersistedBytes = 636;
constexpr std::size_t kPersistedFieldCount = 6;
constexpr std::size_t kPersistedNameFields = 2;  // the two names lead
// Where each field starts: style folder, style name, m_Params, m_Initial,
// m_abMuted, m_anAxis.
constexpr std::array<std::size_t, kPersistedFieldCount + 1> kPersistedOffsets = {0, 260, 520, 556, 588, 620,
                                                                                 kPersistedBytes};
static_assert(sizeof(CMFCMidiFilter::m_szStyleFolder) == kPersistedOffsets[1] - kPersistedOffsets[0]);
static_assert(sizeof(CMFCMidiFilter::m_szStyleName) == kPersistedOffsets[2] - kPersistedOffsets[1]);
static_assert(sizeof(CMFCMidiFilter::m_Params) == kPersistedOffsets[3] - kPersistedOffsets[2]);
static_assert(sizeof(CMFCMidiFilter::m_Initial) == kPersistedOffsets[4] - kPersistedOffsets[3]);
static_assert(sizeof(CMFCMidiFilter::m_abMuted) == kPersistedOffsets[5] - kPersistedOffsets[4]);
static_assert(sizeof(CMFCMidiFilter::m_anAxis) == kPersistedOffsets[6] - kPersistedOffsets[5]);

// The six fields as byte ranges of the filter, in stream order.
template <typename Filter>
    requires std::is_same_v<std::remove_const_t<Filter>, CMFCMidiFilter>
auto PersistedFields(Filter& filter) {
    using Byte = std::conditional_t<std::is_const_v<Filter>, const std::uint8_t, std::uint8_t>;
    const auto field = [](auto& member) { return std::span<Byte>(reinterpret_cast<Byte*>(&member), sizeof member); };
    return std::array{field(filter.m_szStyleFolder), field(filter.m_szStyleName), field(filter.m_Params),
                      field(filter.m_Initial),       field(filter.m_abMuted),     field(filter.m_anAxis)};
}

}  // namespace cantivo
