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

// Every stored value unlike its default. The tempo switch is not stored; the
// phrase flag is stored as it is but loads as 0.
TEST_F(Options, SaveWritesExactlyTheTwelveValuesAndTheyLoadBack) {
    g_Options = {12, 60, 1, 0, 3, 0, 4, 0, 6, 0, 7, 0, 17};
    SaveOptionsSettings();
    auto names = Stored().ValueNames();
    std::sort(names.begin(), names.end());
    const std::vector<std::string> expected = {"BIModW", "BIPan", "BIPch", "BIVol", "Ctrl", "IModW",
                                               "IPan",   "IPch",  "ITmp",  "IVol",  "PhrT", "VolB"};
    EXPECT_EQ(names, expected);
    EXPECT_EQ(Stored().QueryDword("PhrT"), 1u);
    g_Options = OptionsSettings{};
    LoadOptionsSettings();
    EXPECT_EQ(g_Options, (OptionsSettings{12, 60, 0, 1, 3, 0, 4, 0, 6, 0, 7, 0, 17}));
}

}  // namespace
}  // namespace cantivo
