#include "tools/cantivo/options_override_win32.h"

#include <cstdint>
#include <utility>

#include "platform/registry.h"

namespace cantivo::host {

namespace {

HKEY CreateVolatile(HKEY parent, const char* name) {
    HKEY key = nullptr;
    return RegCreateKeyExA(parent, name, 0, nullptr, REG_OPTION_VOLATILE, KEY_READ | KEY_WRITE, nullptr, &key,
                           nullptr) == ERROR_SUCCESS
               ? key
               : nullptr;
}

// Software\KELMAR\QVB20x64\Options below `root`, all volatile, so that nothing
// outlives the session even if the run is killed.
bool MakePluginKeys(HKEY root) {
    HKEY parent = root;
    bool made = true;
    for (const char* name : {"Software", "KELMAR", "QVB20x64", "Options"}) {
        HKEY key = made ? CreateVolatile(parent, name) : nullptr;
        if (parent != root) RegCloseKey(parent);
        made = key != nullptr;
        parent = key;
    }
    if (made) RegCloseKey(parent);
    return made;
}

}  // namespace

OptionsOverride::OptionsOverride(const OptionsSettings& settings)
    : name_("Software\\Cantivo-run-" + std::to_string(GetCurrentProcessId())) {
    root_ = CreateVolatile(HKEY_CURRENT_USER, name_.c_str());
    if (root_ && (!MakePluginKeys(root_) || RegOverridePredefKey(HKEY_CURRENT_USER, root_) != ERROR_SUCCESS)) {
        RegCloseKey(root_);
        root_ = nullptr;
        RegDeleteTreeA(HKEY_CURRENT_USER, name_.c_str());
        return;
    }
    if (!root_) return;
    // Written the way the dialog saves them; the tempo switch, which the
    // dialog never saves, goes beside them.
    const OptionsSettings saved = std::exchange(g_Options, settings);
    SaveOptionsSettings();
    platform::RegistryKey::Open(platform::RegistryRoot::CurrentUser, kOptionsKeyPath)
        .SetDword("BITmp", static_cast<std::uint32_t>(settings.BITmp));
    g_Options = saved;
}

OptionsOverride::~OptionsOverride() {
    if (!root_) return;
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(root_);
    RegDeleteTreeA(HKEY_CURRENT_USER, name_.c_str());
}

}  // namespace cantivo::host
