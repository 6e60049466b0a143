#include "tools/cantivo/run_options.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace cantivo::host {

namespace {

std::vector<std::pair<const char*, std::int64_t>> Values(const OptionsSettings& o) {
    return {{"BITmp", o.BITmp}, {"ITmp", o.ITmp},   {"BIVol", o.BIVol}, {"IVol", o.IVol},   {"BIPch", o.BIPch},
            {"IPch", o.IPch},   {"BIModW", o.BIModW}, {"IModW", o.IModW}, {"BIPan", o.BIPan}, {"IPan", o.IPan},
            {"VolB", o.VolB},   {"PhrT", o.PhrT},   {"Ctrl", o.Ctrl}};
}

}  // namespace

void ApplyOverrides(const OptionsOverrides& overrides, OptionsSettings& settings) {
    for (int kind = 0; kind < kThinningKinds; ++kind) {
        const auto& thinning = overrides.thinning[kind];
        if (!thinning) continue;
        settings.*kThinningPairs[kind].on = *thinning != 0 ? 1 : 0;
        if (*thinning != 0) settings.*kThinningPairs[kind].threshold = *thinning;
    }
    if (overrides.expressionController) settings.VolB = *overrides.expressionController;
    if (overrides.phraseController) settings.Ctrl = *overrides.phraseController;
    if (overrides.phraseThreshold) settings.PhrT = *overrides.phraseThreshold;
}

OptionsSettings OptionsInForce(const OptionsOverrides& overrides) {
    LoadOptionsSettings();
    OptionsSettings settings = g_Options;
    ApplyOverrides(overrides, settings);
    return settings;
}

std::string OptionsLine(const OptionsSettings& settings) {
    std::string line;
    for (const auto& [name, value] : Values(settings))
        line += (line.empty() ? "" : " ") + std::string(name) + "=" + std::to_string(value);
    return line;
}

nlohmann::ordered_json OptionsJson(const OptionsSettings& settings) {
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    for (const auto& [name, value] : Values(settings)) json[name] = value;
    return json;
}

}  // namespace cantivo::host
