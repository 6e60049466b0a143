#include "ui/controls/grad_btn_look.h"

#include <gtest/gtest.h>

namespace cantivo::ui {
namespace {

TEST(GradBtnLook, FaceAndBevelForEachState) {
    const auto momentaryUp = GradBtnLookFor(true, GradBtnMode::kMomentary, 2, false, false);
    EXPECT_EQ(momentaryUp.face, 2);
    EXPECT_FALSE(momentaryUp.sunken);
    EXPECT_TRUE(GradBtnLookFor(true, GradBtnMode::kMomentary, 2, false, true).sunken);

    const auto checked = GradBtnLookFor(true, GradBtnMode::kToggle, 2, true, false);
    EXPECT_EQ(checked.face, 1);
    EXPECT_TRUE(checked.sunken);
    const auto unchecked = GradBtnLookFor(true, GradBtnMode::kToggle, 2, false, true);
    EXPECT_EQ(unchecked.face, 0);
    EXPECT_FALSE(unchecked.sunken);
    EXPECT_EQ(unchecked.captionColour, MakeColour(0, 0, 0));

    // Disabled buttons show face 0 raised whatever they hold.
    for (auto mode : {GradBtnMode::kToggle, GradBtnMode::kMomentary}) {
        const auto disabled = GradBtnLookFor(false, mode, 2, true, true);
        EXPECT_EQ(disabled.face, 0);
        EXPECT_FALSE(disabled.sunken);
        EXPECT_EQ(disabled.captionColour, MakeColour(50, 50, 50));
    }
}

TEST(GradBtnLook, CaptionNumbers) {
    EXPECT_EQ(CaptionNumber("120"), 120);
    EXPECT_EQ(CaptionNumber("  -15 dB"), -15);
    EXPECT_EQ(CaptionNumber("+7"), 7);
    EXPECT_EQ(CaptionNumber("Off"), 0);
    EXPECT_EQ(CaptionNumber(""), 0);
    EXPECT_EQ(CaptionNumber("-"), 0);
    EXPECT_EQ(CaptionNumber("99999999999"), 2147483647);
    EXPECT_EQ(CaptionNumber("-99999999999"), -2147483648);
}

}  // namespace
}  // namespace cantivo::ui
