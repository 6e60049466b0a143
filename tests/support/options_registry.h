// For tests that own the Options key HKCU\Software\KELMAR: it is emptied
// before and after each test, since under Wine the tests share one registry.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "options/options_settings.h"
#include "platform/registry.h"

namespace cantivo::test {

class OptionsRegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::DeleteRegistryTree(platform::RegistryRoot::CurrentUser, "Software\\KELMAR");
        g_Options = OptionsSettings{};
    }
    void TearDown() override { platform::DeleteRegistryTree(platform::RegistryRoot::CurrentUser, "Software\\KELMAR"); }

    static void Put(const char* name, std::uint32_t value) {
        platform::RegistryKey::Create(platform::RegistryRoot::CurrentUser, kOptionsKeyPath).SetDword(name, value);
    }
    static platform::RegistryKey Stored() {
        return platform::RegistryKey::Open(platform::RegistryRoot::CurrentUser, kOptionsKeyPath);
    }
};

}  // namespace cantivo::test
