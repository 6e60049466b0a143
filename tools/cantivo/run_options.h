// The Options settings a run of the filter uses: the user's, as the plug-in
// loads them, with the run's own changes on top.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "options/options_settings.h"
#include "tools/cantivo/host_options.h"

namespace cantivo::host {

void ApplyOverrides(const OptionsOverrides& overrides, OptionsSettings& settings);

// Loads the user's settings (the registry key the Options dialog writes, or
// natively the settings file) and applies the run's changes.
OptionsSettings OptionsInForce(const OptionsOverrides& overrides);

// NAME=VALUE for each setting, in the order the plug-in loads them.
std::string OptionsLine(const OptionsSettings& settings);
nlohmann::ordered_json OptionsJson(const OptionsSettings& settings);

}  // namespace cantivo::host
