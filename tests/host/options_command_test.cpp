#include <gtest/gtest.h>

#include "tools/cantivo/options_command.h"
#include "tools/cantivo/run_options.h"

namespace cantivo::host {
namespace {

// The defaults of a first load.
constexpr OptionsSettings kLoaded = {11, 50, 0, 1, 2, 1, 2, 1, 2, 1, 5, 1, 5};

TEST(OptionsCommand, AssignmentsAreTakenOverAsTheDialogTakesItsEntries) {
    OptionsSettings settings = kLoaded;
    settings.VolB = 5;  // no button stands for it: the dialog shows 11
    EXPECT_FALSE(AssignOptions({"ctrl=0", "IVol=64", "BIPch=0", "IPan=2", "BIModW=0"}, settings));
    EXPECT_EQ(settings, (OptionsSettings{11, 0, 0, 1, 2, 1, 64, 0, 2, 0, 5, 1, 2}));
    EXPECT_FALSE(AssignOptions({"VolB=74", "Ctrl=127"}, settings));
    EXPECT_EQ(settings.VolB, 74);
    EXPECT_EQ(settings.Ctrl, 127);
}

TEST(OptionsCommand, ARefusalChangesNothingAndSaysWhy) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"IVol=4", "Ctrl=128"}, "Ctrl=128: Integer 0..127"},
        {{"IPch=1", "BIPch=0"}, "IPch=1: Integer 2..64"},
        {{"VolB=5"}, "VolB: expected 7, 11, 2 or 74, got '5'"},
        {{"BIVol=2"}, "BIVol: expected 0 or 1, got '2'"},
        {{"BITmp=0"}, "unknown setting 'BITmp'"},
    };
    for (const auto& [assignments, message] : cases) {
        OptionsSettings settings = kLoaded;
        const auto refused = AssignOptions(assignments, settings);
        ASSERT_TRUE(refused) << message;
        EXPECT_EQ(refused->substr(0, message.size()), message);
        EXPECT_EQ(settings, kLoaded) << message;
    }
}

TEST(OptionsCommand, ARunsOwnOptionsChangeOnlyWhatTheyName) {
    OptionsOverrides overrides;
    overrides.thinning[kThinTempo] = 0;
    overrides.thinning[kThinWheel] = 9;
    overrides.phraseController = 100;
    OptionsSettings settings = kLoaded;
    settings.BIPch = 0;
    ApplyOverrides(overrides, settings);
    EXPECT_EQ(settings, (OptionsSettings{11, 100, 0, 0, 2, 1, 2, 1, 9, 1, 5, 1, 5}));
    EXPECT_EQ(OptionsLine(settings),
              "BITmp=0 ITmp=2 BIVol=1 IVol=2 BIPch=1 IPch=9 BIModW=1 IModW=5 BIPan=1 IPan=5 VolB=11 PhrT=0 Ctrl=100");
}

}  // namespace
}  // namespace cantivo::host
