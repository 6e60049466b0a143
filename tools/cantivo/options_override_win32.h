// Options for one run of the Windows host. The plug-in loads its Options from
// HKEY_CURRENT_USER when it loads, and nothing else reaches them; so while an
// OptionsOverride lives, this process's HKEY_CURRENT_USER is a volatile key of
// its own that holds the run's settings where the plug-in looks. The user's
// saved settings are not touched.
#pragma once

#include <windows.h>

#include <string>

#include "options/options_settings.h"

namespace cantivo::host {

class OptionsOverride {
public:
    explicit OptionsOverride(const OptionsSettings& settings);
    ~OptionsOverride();
    OptionsOverride(const OptionsOverride&) = delete;
    OptionsOverride& operator=(const OptionsOverride&) = delete;

    // False when the registry would not take it; the plug-in then loads the saved settings.
    bool Active() const { return root_ != nullptr; }

private:
    std::string name_;  // below the user's own Software key
    HKEY root_ = nullptr;
};

}  // namespace cantivo::host
