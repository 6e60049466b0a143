#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "ui/options/options_form.h"

namespace cantivo {
namespace {

// Every setting unlike its default, so that a take-over shows.
constexpr OptionsSettings kStored = {74, 60, 0, 0, 9, 0, 30, 1, 31, 0, 32, 1, 33};

TEST(OptionsForm, EntriesShowTheSettingsAndAnExpressionControllerWithoutAButtonBecomesEleven) {
    OptionsSettings settings = kStored;
    const OptionsEntries entries = EntriesFor(settings);
    EXPECT_EQ(settings, kStored);
    EXPECT_EQ(std::tie(entries.expressionController, entries.controller, entries.thinning, entries.intervals),
              std::make_tuple(std::uint8_t{74}, std::string("60"), std::array<bool, 4>{false, true, false, true},
                              std::array<std::string, 4>{"30", "31", "32", "33"}));
    settings.VolB = 5;
    EXPECT_EQ(EntriesFor(settings).expressionController, 11);
    EXPECT_EQ(settings.VolB, 11);
}

// Each entry at both ends of its range.
TEST(OptionsForm, AcceptedEntriesAreTakenOverAndTempoIsLeftAlone) {
    for (const auto& [controller, interval] : {std::pair{"0", "2"}, std::pair{"127", "64"}}) {
        OptionsSettings settings = kStored;
        OptionsEntries entries = EntriesFor(settings);
        entries.controller = controller;
        entries.expressionController = 2;
        entries.thinning = {true, false, true, false};
        entries.intervals = {interval, interval, interval, interval};
        ASSERT_FALSE(TakeOverEntries(entries, settings));
        const auto value = std::stoi(interval);
        const OptionsSettings expected = {2,     static_cast<std::uint8_t>(std::stoi(controller)), 0, 0, 9, 1,
                                          value, 0,     value, 1, value, 0, value};
        EXPECT_EQ(settings, expected) << controller << " " << interval;
    }
}

// The entries are checked in the dialog's order, the controller first, and
// each taken over as it passes: a refused one stops the rest, in a
// switched-off row too. Row -1 stands for the controller.
TEST(OptionsForm, ARefusedEntryStopsTheTakeOverAtItsPlace) {
    for (int row = -1; row < kThinningRows; ++row) {
        const auto texts = row < 0 ? std::vector<const char*>{"128", "-1", "", "12a", " 5", "99999999999"}
                                   : std::vector<const char*>{"1", "65", "x"};
        for (const char* text : texts) {
            SCOPED_TRACE(std::to_string(row) + " " + text);
            OptionsSettings settings = kStored;
            OptionsEntries entries = EntriesFor(settings);
            entries.controller = row < 0 ? text : "7";
            entries.expressionController = 2;
            entries.thinning = {false, false, false, false};
            entries.intervals = {"40", "40", "40", "40"};
            if (row >= 0) entries.intervals[row] = text;
            const auto refused = TakeOverEntries(entries, settings);
            ASSERT_TRUE(refused);
            EXPECT_EQ(refused->row, row < 0 ? std::nullopt : std::optional(static_cast<ThinningRow>(row)));
            EXPECT_EQ(refused->code, row < 0 ? kErrInteger0To127 : kErrInteger2To64);
            using Controllers = std::pair<std::uint8_t, std::uint8_t>;
            const Controllers taken = row < 0 ? Controllers(kStored.Ctrl, kStored.VolB) : Controllers(7, 2);
            EXPECT_EQ(Controllers(settings.Ctrl, settings.VolB), taken);
            for (int other = 0; other < kThinningRows; ++other) {
                const auto [on, interval] = RowSettings(other);
                EXPECT_EQ(settings.*on, other <= row ? 0 : kStored.*on) << other;
                EXPECT_EQ(settings.*interval, other < row ? 40 : kStored.*interval) << other;
            }
        }
    }
}

}  // namespace
}  // namespace cantivo
