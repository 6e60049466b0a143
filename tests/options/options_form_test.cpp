#include <gtest/gtest.h>

#include "ui/options/options_form.h"

namespace cantivo {
namespace {

// Every setting unlike its default, so that a take-over shows.
constexpr OptionsSettings kStored = {74, 60, 0, 0, 9, 0, 30, 1, 31, 0, 32, 1, 33};

TEST(OptionsForm, EntriesShowTheSettings) {
    OptionsSettings settings = kStored;
    const OptionsEntries entries = EntriesFor(settings);
    EXPECT_EQ(settings, kStored);
    EXPECT_EQ(entries.expressionController, 74);
    EXPECT_EQ(entries.controller, "60");
    EXPECT_EQ(entries.thinning, (std::array<bool, 4>{false, true, false, true}));
    EXPECT_EQ(entries.intervals, (std::array<std::string, 4>{"30", "31", "32", "33"}));
}

TEST(OptionsForm, AnExpressionControllerWithoutAButtonBecomesElevenAtOnce) {
    OptionsSettings settings = kStored;
    settings.VolB = 5;
    EXPECT_EQ(EntriesFor(settings).expressionController, 11);
    EXPECT_EQ(settings.VolB, 11);
}

TEST(OptionsForm, AcceptedEntriesAreTakenOverAndTempoIsLeftAlone) {
    for (const char* controller : {"0", "127"}) {
        for (const char* interval : {"2", "64"}) {
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
}

TEST(OptionsForm, AControllerOutsideZeroTo127ChangesNothing) {
    for (const char* text : {"128", "-1", "", "12a", " 5", "99999999999"}) {
        OptionsSettings settings = kStored;
        OptionsEntries entries = EntriesFor(settings);
        entries.controller = text;
        entries.expressionController = 7;
        const auto refused = TakeOverEntries(entries, settings);
        ASSERT_TRUE(refused) << text;
        EXPECT_FALSE(refused->row);
        EXPECT_EQ(refused->code, kErrInteger0To127);
        EXPECT_EQ(settings, kStored) << text;
    }
}

// Refused in a switched-off row too; what came before is taken, the rest not.
TEST(OptionsForm, AnIntervalOutsideTwoTo64StopsAtItsRow) {
    for (int row = kRowExpression; row < kThinningRows; ++row) {
        for (const char* text : {"1", "65", "x"}) {
            OptionsSettings settings = kStored;
            OptionsEntries entries = EntriesFor(settings);
            entries.controller = "7";
            entries.thinning = {false, false, false, false};
            entries.intervals = {"40", "40", "40", "40"};
            entries.intervals[row] = text;
            const auto refused = TakeOverEntries(entries, settings);
            ASSERT_TRUE(refused) << row << " " << text;
            EXPECT_EQ(refused->row, static_cast<ThinningRow>(row));
            EXPECT_EQ(refused->code, kErrInteger2To64);
            EXPECT_EQ(settings.Ctrl, 7);
            for (int other = 0; other < kThinningRows; ++other) {
                const auto [on, interval] = RowSettings(other);
                EXPECT_EQ(settings.*on, other <= row ? 0 : kStored.*on) << row << " " << other;
                EXPECT_EQ(settings.*interval, other < row ? 40 : kStored.*interval) << row << " " << other;
            }
        }
    }
}

}  // namespace
}  // namespace cantivo
