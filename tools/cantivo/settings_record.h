// The filter's settings as a host saves them with its project: 636 bytes that
// the host hands to the filter's IPersistStream::Load to choose the style.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "cantivo/rule_module.h"
#include "tools/cantivo/host_options.h"

namespace cantivo::host {

constexpr std::size_t kNameFieldBytes = 260;

#pragma pack(push, 1)
struct SettingsRecord {
    char szStyleFolder[kNameFieldBytes];
    char szStyleName[kNameFieldBytes];
    ParamSettings params;
    InitialValues initial;
    std::uint32_t muted[kParameterCount];
    std::uint32_t axis[4];
};
#pragma pack(pop)
static_assert(sizeof(SettingsRecord) == 636);
static_assert(offsetof(SettingsRecord, szStyleFolder) == 0);
static_assert(offsetof(SettingsRecord, szStyleName) == 260);
static_assert(offsetof(SettingsRecord, params) == 520);
static_assert(offsetof(SettingsRecord, initial) == 556);
static_assert(offsetof(SettingsRecord, muted) == 588);
static_assert(offsetof(SettingsRecord, axis) == 620);

using SettingsBytes = std::array<std::uint8_t, sizeof(SettingsRecord)>;

// What a user has after choosing a style on the page of a fresh filter: depths
// 100, randomness 20, parameters 1..7 on (0, which has no row, stays off), the
// style's initial values with the tempo kept at 120, the page's axes.
SettingsRecord FreshSettings(const InitialValues& styleInitial);

// A state file's bytes; none unless there are exactly 636.
std::optional<SettingsRecord> SettingsFromBytes(std::span<const std::uint8_t> bytes);
SettingsBytes ToBytes(const SettingsRecord& record);

// The style, depths, randomness, mutes and initial values the options name.
void ApplyOptions(SettingsRecord& record, const HostOptions& options);

}  // namespace cantivo::host
