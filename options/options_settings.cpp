#include "options/options_settings.h"

#include <string>

#include "platform/registry.h"

namespace cantivo {

OptionsSettings g_Options;

namespace {

using platform::RegistryKey;
using platform::RegistryRoot;

// Software (opened, never created), then KELMAR and QVB20x64 created when missing.
RegistryKey OpenPluginKey() {
    RegistryKey software = RegistryKey::Open(RegistryRoot::CurrentUser, "Software");
    RegistryKey kelmar = software.Create("KELMAR");
    return kelmar.Create("QVB20x64");
}

RegistryKey OpenOptionsKey() { return OpenPluginKey().Create("Options"); }

std::uint32_t Query(const char* name, std::uint32_t fallback) {
    return OpenOptionsKey().QueryDword(name).value_or(fallback);
}

void Store(const char* name, std::uint32_t value) { OpenOptionsKey().SetDword(name, value); }

}  // namespace

void LoadOptionsSettings() {
    OptionsSettings& o = g_Options;
    o.BITmp = static_cast<std::int32_t>(Query("BITmp", 1));
    o.ITmp = static_cast<std::int32_t>(Query("ITmp", 2));
    o.BIVol = static_cast<std::int32_t>(Query("BIVol", 1));
    o.IVol = static_cast<std::int32_t>(Query("IVol", 2));
    o.BIPch = static_cast<std::int32_t>(Query("BIPch", 1));
    o.IPch = static_cast<std::int32_t>(Query("IPch", 2));
    o.BIModW = static_cast<std::int32_t>(Query("BIModW", 1));
    o.IModW = static_cast<std::int32_t>(Query("IModW", 5));
    o.BIPan = static_cast<std::int32_t>(Query("BIPan", 1));
    o.IPan = static_cast<std::int32_t>(Query("IPan", 5));
    o.VolB = static_cast<std::uint8_t>(Query("VolB", 11));
    Query("PhrT", 0);  // read, but phrase markers stay off
    o.PhrT = 0;
    const auto ctrl = static_cast<std::int32_t>(Query("Ctrl", 50));
    o.Ctrl = static_cast<std::uint8_t>(ctrl < 0 || ctrl > 127 ? 50 : ctrl);
}

void SaveOptionsSettings() {
    const OptionsSettings& o = g_Options;
    Store("VolB", o.VolB);
    Store("PhrT", static_cast<std::uint32_t>(o.PhrT));
    Store("Ctrl", o.Ctrl);
    Store("ITmp", static_cast<std::uint32_t>(o.ITmp));
    Store("BIVol", static_cast<std::uint32_t>(o.BIVol));
    Store("IVol", static_cast<std::uint32_t>(o.IVol));
    Store("BIPch", static_cast<std::uint32_t>(o.BIPch));
    Store("IPch", static_cast<std::uint32_t>(o.IPch));
    Store("BIModW", static_cast<std::uint32_t>(o.BIModW));
    Store("IModW", static_cast<std::uint32_t>(o.IModW));
    Store("BIPan", static_cast<std::uint32_t>(o.BIPan));
    Store("IPan", static_cast<std::uint32_t>(o.IPan));
}

}  // namespace cantivo
