// `cantivo options`: the user's Options settings shown, or changed and checked
// as the Options dialog checks them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "options/options_settings.h"

namespace cantivo::host {

// One line per setting: NAME=VALUE and what it means.
std::string OptionsListing(const OptionsSettings& settings);

// Applies NAME=VALUE assignments to `settings` the way the dialog's OK takes
// its entries over. On a refusal `settings` is left as it was and the result
// says why, with the dialog's message where the dialog has one.
std::optional<std::string> AssignOptions(const std::vector<std::string>& assignments, OptionsSettings& settings);

}  // namespace cantivo::host
