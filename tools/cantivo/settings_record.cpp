#include "tools/cantivo/settings_record.h"

#include <algorithm>
#include <cstring>

namespace cantivo::host {

namespace {

constexpr std::uint16_t kDefaultDepth = 100;
constexpr std::uint16_t kDefaultRandom = 20;
constexpr std::uint16_t kModuleValue = 1;
constexpr std::uint32_t kPageAxes[4] = {1, 2, 5, 4};

void SetName(char (&field)[kNameFieldBytes], const std::string& name) {
    std::memset(field, 0, kNameFieldBytes);
    name.copy(field, std::min(name.size(), kNameFieldBytes - 1));
}

}  // namespace

SettingsRecord FreshSettings(const InitialValues& styleInitial) {
    SettingsRecord record{};
    for (ParamEntry& entry : record.params.aEntry) entry = {kDefaultDepth, kDefaultRandom};
    record.params.wVariableDepth = kDefaultDepth;
    std::fill(std::begin(record.params.awModuleValues), std::end(record.params.awModuleValues), kModuleValue);
    record.initial = styleInitial;
    record.initial.bKeepTempo = 1;
    record.initial.wTempo = 120;
    record.muted[0] = 1;
    std::copy(std::begin(kPageAxes), std::end(kPageAxes), record.axis);
    return record;
}

std::optional<SettingsRecord> SettingsFromBytes(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != sizeof(SettingsRecord)) return std::nullopt;
    SettingsRecord record;
    std::memcpy(&record, bytes.data(), sizeof record);
    // A name without its terminator is cut, as the filter would cut it.
    record.szStyleFolder[kNameFieldBytes - 1] = '\0';
    record.szStyleName[kNameFieldBytes - 1] = '\0';
    return record;
}

SettingsBytes ToBytes(const SettingsRecord& record) {
    SettingsBytes bytes;
    std::memcpy(bytes.data(), &record, sizeof record);
    return bytes;
}

void ApplyOptions(SettingsRecord& record, const HostOptions& options) {
    if (!options.styleName.empty()) {
        SetName(record.szStyleFolder, options.styleFolder);
        SetName(record.szStyleName, options.styleName);
    }
    for (int k = 0; k < kParameterCount; ++k) {
        if (options.depth[k]) {
            if (k < kParameterCount - 1) {
                record.params.aEntry[k].wDepth = *options.depth[k];
            } else {
                record.params.wVariableDepth = *options.depth[k];
            }
        }
        if (options.random[k] && k < kParameterCount - 1) record.params.aEntry[k].wRandom = *options.random[k];
        if (options.muted[k]) record.muted[k] = *options.muted[k] ? 1 : 0;
    }
    if (options.velocity) {
        record.initial.bKeepVelocity = 0;
        record.initial.wVelocity = *options.velocity;
    }
    if (options.expression) {
        record.initial.bKeepExpression = 0;
        record.initial.wExpression = *options.expression;
    }
    if (options.pan) {
        record.initial.bKeepPan = 0;
        record.initial.wPan = *options.pan;
    }
    if (options.dropWheel) record.initial.bKeepWheel = 0;
    if (options.dropModulation) record.initial.bKeepModulation = 0;
}

}  // namespace cantivo::host
