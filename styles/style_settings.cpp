#include "styles/style_settings.h"

#include <algorithm>

namespace cantivo {

namespace {
constexpr std::uint16_t kDefaultDepth = 100;
constexpr std::uint16_t kDefaultRandom = 20;
constexpr std::uint16_t kMaxDepth = 200;
constexpr std::uint16_t kMaxRandom = 30;
constexpr int kVariableRow = 7;
constexpr int kMaxInitialValue = 127;
}  // namespace

void ApplyStyleInitialValues(CMFCMidiFilter& filter) {
    filter.m_Initial = filter.m_StyleInitial;
    filter.m_Initial.bKeepTempo = 1;
    filter.m_Initial.wTempo = 120;
}

void ResetParamsAndMutes(CMFCMidiFilter& filter) {
    for (ParamEntry& entry : filter.m_Params.aEntry) entry = {kDefaultDepth, kDefaultRandom};
    filter.m_Params.wVariableDepth = kDefaultDepth;
    std::fill(std::begin(filter.m_abMuted) + 1, std::end(filter.m_abMuted), 0u);
}

void ClampParamsToLocks(CMFCMidiFilter& filter) {
    for (int row = 1; row < kVariableRow; ++row) {
        ParamEntry& entry = filter.m_Params.aEntry[row];
        if (filter.m_abLocked[row]) {
            entry = {kDefaultDepth, kDefaultRandom};
        } else {
            entry.wDepth = std::min(entry.wDepth, kMaxDepth);
            entry.wRandom = std::min(entry.wRandom, kMaxRandom);
        }
    }
    std::uint16_t& variableDepth = filter.m_Params.wVariableDepth;
    variableDepth = filter.m_abLocked[kVariableRow] ? kDefaultDepth : std::min(variableDepth, kMaxDepth);
}

void ClampInitialValues(CMFCMidiFilter& filter) {
    const auto clamped = [](std::uint16_t value) {
        return static_cast<std::uint16_t>(std::clamp<int>(static_cast<std::int16_t>(value), 0, kMaxInitialValue));
    };
    InitialValues& initial = filter.m_Initial;
    initial.wVelocity = clamped(initial.wVelocity);
    initial.wExpression = clamped(initial.wExpression);
    initial.wPan = clamped(initial.wPan);
}

}  // namespace cantivo
