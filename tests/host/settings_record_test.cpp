#include <gtest/gtest.h>

#include <cstring>

#include "styles/style_settings.h"
#include "tests/support/filter_fixture.h"
#include "tools/cantivo/settings_record.h"

namespace cantivo::host {
namespace {

static_assert(offsetof(SettingsRecord, szStyleName) == kPersistedOffsets[1]);
static_assert(offsetof(SettingsRecord, params) == kPersistedOffsets[2]);
static_assert(offsetof(SettingsRecord, initial) == kPersistedOffsets[3]);
static_assert(offsetof(SettingsRecord, muted) == kPersistedOffsets[4]);
static_assert(offsetof(SettingsRecord, axis) == kPersistedOffsets[5]);
static_assert(sizeof(SettingsRecord) == kPersistedBytes);

InitialValues StyleInitial() { return {0, 0, 1, 0, 1, 0, 90, 80, 70, 30}; }

using SettingsOfAFilter = test::FilterFixture;

TEST_F(SettingsOfAFilter, FreshSettingsAreWhatThePageMakesWhenAStyleIsChosen) {
    // The page, choosing a style on a filter that is not yet processing.
    filter->m_StyleInitial = StyleInitial();
    ApplyStyleInitialValues(*filter);
    ResetParamsAndMutes(*filter);
    const SettingsBytes fresh = ToBytes(FreshSettings(StyleInitial()));
    EXPECT_EQ(std::vector<std::uint8_t>(fresh.begin(), fresh.end()), test::PersistedBytes(*filter));
}

TEST(SettingsRecord, OptionsChangeOnlyWhatTheyName) {
    const SettingsRecord fresh = FreshSettings(StyleInitial());
    SettingsRecord record = fresh;
    HostOptions options;
    options.styleFolder = "Folk";
    options.styleName = "Reel";
    options.depth[1] = 0;
    options.depth[7] = 200;
    options.random[2] = 30;
    options.muted[3] = true;
    options.muted[0] = false;
    options.velocity = 64;
    options.dropModulation = true;
    ApplyOptions(record, options);

    SettingsRecord expected = fresh;
    std::strcpy(expected.szStyleFolder, "Folk");
    std::strcpy(expected.szStyleName, "Reel");
    expected.params.aEntry[1].wDepth = 0;
    expected.params.wVariableDepth = 200;
    expected.params.aEntry[2].wRandom = 30;
    expected.muted[3] = 1;
    expected.muted[0] = 0;
    expected.initial.bKeepVelocity = 0;
    expected.initial.wVelocity = 64;
    expected.initial.bKeepModulation = 0;
    EXPECT_EQ(ToBytes(record), ToBytes(expected));
}

TEST(SettingsRecord, AStateFileMustHoldExactlyTheRecord) {
    const SettingsBytes bytes = ToBytes(FreshSettings(StyleInitial()));
    std::vector<std::uint8_t> longer(bytes.begin(), bytes.end());
    longer.push_back(0);
    EXPECT_FALSE(SettingsFromBytes(longer));

    // Names that fill their field are cut at its last byte.
    SettingsBytes unterminated = bytes;
    std::fill_n(unterminated.begin(), 2 * kNameFieldBytes, 'x');
    const auto cut = SettingsFromBytes(unterminated);
    ASSERT_TRUE(cut);
    EXPECT_EQ(std::strlen(cut->szStyleFolder), kNameFieldBytes - 1);
    EXPECT_EQ(std::strlen(cut->szStyleName), kNameFieldBytes - 1);
}

}  // namespace
}  // namespace cantivo::host
