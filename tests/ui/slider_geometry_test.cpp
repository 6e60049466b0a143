#include "ui/controls/slider_geometry.h"

#include <gtest/gtest.h>

namespace cantivo::ui {
namespace {

TEST(SliderGeometry, HandleFollowsThePosition) {
    EXPECT_EQ(SliderHandleTopLeft(224, 40, 0, 0, 200), (PlanePoint{0, 28}));
    EXPECT_EQ(SliderHandleTopLeft(224, 40, 100, 0, 200), (PlanePoint{100, 28}));
    EXPECT_EQ(SliderHandleTopLeft(224, 40, 200, 0, 200), (PlanePoint{200, 28}));
    // Truncated toward zero.
    EXPECT_EQ(SliderHandleTopLeft(124, 40, 3, 0, 200).x, 1);
    EXPECT_EQ(SliderHandleTopLeft(224, 40, 15, 10, 20).x, 100);
}

TEST(SliderGeometry, TicksAndLabels) {
    const SliderScale scale = SliderScaleFor(224, 40);  // r = 211
    EXPECT_EQ(scale.longTicks[0], 11);
    EXPECT_EQ(scale.longTicks[1], 111);
    EXPECT_EQ(scale.longTicks[2], 211);
    EXPECT_EQ(scale.shortTicks[0], 61);
    EXPECT_EQ(scale.shortTicks[1], 161);
    EXPECT_EQ(scale.labels[0], (PlaneRect{0, 0, 24, 22}));
    EXPECT_EQ(scale.labels[1], (PlaneRect{99, 0, 123, 22}));
    EXPECT_EQ(scale.labels[2], (PlaneRect{200, 0, 224, 22}));
}

TEST(SliderGeometry, KeysStayInRange) {
    EXPECT_EQ(SliderPosAfterKey(SliderKey::kHome, 7, 0, 200), 100);
    EXPECT_EQ(SliderPosAfterKey(SliderKey::kHome, 7, 0, 199), 99);
    EXPECT_EQ(SliderPosAfterKey(SliderKey::kRight, 200, 0, 200), 200);
    EXPECT_EQ(SliderPosAfterKey(SliderKey::kLeft, 0, 0, 200), 0);
    EXPECT_EQ(SliderPosAfterKey(SliderKey::kLeft, 50, 0, 200), 49);
    EXPECT_EQ(SliderPosAfterKey(SliderKey::kOther, 50, 0, 200), 50);
}

TEST(SliderGeometry, DragsClampToTheRange) {
    EXPECT_EQ(SliderPosAfterDrag(-30, 20, 0, 200), 0);
    EXPECT_EQ(SliderPosAfterDrag(30, 190, 0, 200), 200);
    EXPECT_EQ(SliderPosAfterDrag(-3, 20, 0, 200), 17);
}

}  // namespace
}  // namespace cantivo::ui
