// The change report as JSON, for scripts: the same figures as the text.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "tools/cantivo/change_report.h"

namespace cantivo::host {

nlohmann::ordered_json ReportJson(const ChangeReport& report);

// Indented, one document; bytes of track names that are not UTF-8 are replaced.
std::string JsonText(const nlohmann::ordered_json& json);

}  // namespace cantivo::host
