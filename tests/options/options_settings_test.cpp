#include <gtest/gtest.h>

#include <algorithm>

#include "options/options_settings.h"
#include "platform/registry.h"
#include "tests/support/options_registry.h"

namespace cantivo {
namespace {

using platform::RegistryKey;
using platform::RegistryRoot;

using Options = test::OptionsRegistryTest;

TEST_F(Options, EmptyRegistryGivesTheDefaultsAndCreatesTheKey) {
    LoadOptionsSettings();
    EXPECT_EQ(g_Options, (OptionsSettings{11, 50, 0, 1, 2, 1, 2, 1, 2, 1, 5, 1, 5}));
    RegistryKey key = Stored();
    ASSERT_TRUE(key);
    EXPECT_TRUE(key.ValueNames().empty());
}

// Stored values are taken without range checks, but a controller out of range
// loads as 50 and a value longer than four bytes as its default.
TEST_F(Options, StoredValuesAreTakenAsTheyAreButForTheControllerAndOverlongValues) {
    Put("VolB", 5);
    Put("IVol", 1000);
    Put("BIPan", 0);
    Put("PhrT", 1);
    RegistryKey::Create(RegistryRoot::CurrentUser, kOptionsKeyPath).SetBinary("IModW", {9, 0, 0, 0, 0, 0, 0, 0});
    for (const std::uint32_t stored : {200u, 0xFFFFFFFFu, 127u}) {
        Put("Ctrl", stored);
        LoadOptionsSettings();
        const auto controller = static_cast<std::uint8_t>(stored == 127 ? 127 : 50);
        EXPECT_EQ(g_Options, (OptionsSettings{5, controller, 0, 1, 2, 1, 1000, 1, 2, 1, 5, 0, 5})) << stored;
    }
}

TEST_F(Options, SaveWritesExactlyTheTwelveValues) {
    Put("PhrT", 1);
    LoadOptionsSettings();
    g_Options.IPan = 17;
    g_Options.BITmp = 0;
    SaveOptionsSettings();
    RegistryKey key = Stored();
    auto names = key.ValueNames();
    std::sort(names.begin(), names.end());
    const std::vector<std::string> expected = {"BIModW", "BIPan", "BIPch", "BIVol", "Ctrl", "IModW",
                                               "IPan",   "IPch",  "ITmp",  "IVol",  "PhrT", "VolB"};
    EXPECT_EQ(names, expected);
    EXPECT_EQ(key.QueryDword("IPan"), 17u);
    EXPECT_EQ(key.QueryDword("PhrT"), 0u);
    EXPECT_EQ(key.QueryDword("Ctrl"), 50u);
    EXPECT_FALSE(key.QueryDword("BITmp"));
}

TEST_F(Options, WhatIsSavedLoadsBack) {
    // Every stored value unlike its default; the tempo switch is not stored.
    g_Options = {12, 60, 0, 1, 3, 0, 4, 0, 6, 0, 7, 0, 17};
    const OptionsSettings saved = g_Options;
    SaveOptionsSettings();
    g_Options = OptionsSettings{};
    LoadOptionsSettings();
    EXPECT_EQ(g_Options, saved);
}

}  // namespace
}  // namespace cantivo
