#include "ui/controls/reg2d_geometry.h"

#include <gtest/gtest.h>

namespace cantivo::ui {
namespace {

// A pad of 223 pixels has a travel of 200: one pixel per value step.
const Reg2DGeometry kPad = Reg2DGeometryFor({0, 0, 223, 223});

TEST(Reg2DGeometry, TravelAndCentreFromTheClientArea) {
    EXPECT_EQ(kPad.travel, (PlaneRect{11, 11, 211, 211}));
    EXPECT_EQ(kPad.centre, (PlanePoint{111, 111}));
    EXPECT_DOUBLE_EQ(kPad.scaleX, 1.0);
    const Reg2DGeometry wide = Reg2DGeometryFor({0, 0, 123, 73});
    EXPECT_EQ(wide.centre, (PlanePoint{61, 36}));
    EXPECT_DOUBLE_EQ(wide.scaleX, 0.5);
    EXPECT_DOUBLE_EQ(wide.scaleY, 0.25);
}

TEST(Reg2DGeometry, HandleCentreSpansTheTravel) {
    EXPECT_EQ(RegHandleTopLeft(kPad, true, 0, true, 0), (PlanePoint{11 - 10, 211 - 10}));
    EXPECT_EQ(RegHandleTopLeft(kPad, true, 100, true, 100), (PlanePoint{111 - 10, 111 - 10}));
    EXPECT_EQ(RegHandleTopLeft(kPad, true, 200, true, 200), (PlanePoint{211 - 10, 11 - 10}));
    // A switched-off axis keeps the handle on the centre line.
    EXPECT_EQ(RegHandleTopLeft(kPad, false, 0, true, 200), (PlanePoint{101, 1}));
}

TEST(Reg2DGeometry, NegativeOffsetsTruncatePositiveOnesRoundHalfUp) {
    EXPECT_EQ(HandleOffset(101, 0.5), 1);    // 0.5 rounds up
    EXPECT_EQ(HandleOffset(99, 0.5), 0);     // -0.5 truncates to 0
    EXPECT_EQ(HandleOffset(103, 0.5), 2);    // 1.5 rounds up
    EXPECT_EQ(HandleOffset(97, 0.5), -1);    // -1.5 truncates to -1
    EXPECT_EQ(HandleOffset(102, 0.3), 1);    // 0.6 rounds up
    EXPECT_EQ(HandleOffset(98, 0.4), 0);     // -0.8 truncates to 0
    EXPECT_EQ(HandleOffset(110, 0.44), 4);   // 4.4 stays 4
}

TEST(Reg2DGeometry, KeysMoveOnlyEnabledAxesWithinRange) {
    EXPECT_EQ(RegValuesAfterKey(RegKey::kHome, true, false, {30, 40}).x, 100);
    EXPECT_EQ(RegValuesAfterKey(RegKey::kHome, true, false, {30, 40}).y, 40);
    EXPECT_EQ(RegValuesAfterKey(RegKey::kRight, true, true, {200, 5}).x, 200);
    EXPECT_EQ(RegValuesAfterKey(RegKey::kLeft, true, true, {0, 5}).x, 0);
    EXPECT_EQ(RegValuesAfterKey(RegKey::kUp, true, true, {7, 5}).y, 6);
    EXPECT_EQ(RegValuesAfterKey(RegKey::kDown, true, true, {7, 5}).y, 4);
    EXPECT_EQ(RegValuesAfterKey(RegKey::kUp, true, false, {7, 5}).y, 5);
    EXPECT_EQ(RegValuesAfterKey(RegKey::kOther, true, true, {7, 5}).x, 7);
}

TEST(Reg2DGeometry, DragsAddTheDisplacementAndClamp) {
    const RegValues moved = RegValuesAfterDrag(30, -250, true, true, {190, 100});
    EXPECT_EQ(moved.x, 200);
    EXPECT_EQ(moved.y, 0);
    EXPECT_EQ(RegValuesAfterDrag(-5, 5, false, true, {50, 50}).x, 50);
}

TEST(Reg2DGeometry, StoreReportsWhichAxisChangedXFirstForOneParameterOnBoth) {
    std::int16_t x = 10, y = 20;
    EXPECT_EQ(StoreRegValues(&x, &y, {11, 20}), kRegChangedX);
    EXPECT_EQ(StoreRegValues(&x, &y, {11, 19}), kRegChangedY);
    EXPECT_EQ(StoreRegValues(&x, &y, {12, 18}), kRegChangedBoth);
    EXPECT_EQ(x, 12);
    EXPECT_EQ(y, 18);
    EXPECT_EQ(StoreRegValues(&x, &y, {12, 18}), kRegNoChange);
    // One parameter on both axes: a drag right and up at once, the horizontal displacement wins.
    std::int16_t both = 100;
    EXPECT_EQ(StoreRegValues(&both, &both, RegValuesAfterDrag(5, 9, true, true, {both, both})), kRegChangedX);
    EXPECT_EQ(both, 105);
    EXPECT_EQ(StoreRegValues(&both, &both, {105, 90}), kRegChangedY);
    EXPECT_EQ(both, 90);
    EXPECT_EQ(StoreRegValues(&both, &both, {90, 90}), kRegNoChange);
}

TEST(Reg2DGeometry, HandleStatesFollowAxesFocusAndEnabling) {
    EXPECT_EQ(RegHandleState(true, true, true, false), 0);
    EXPECT_EQ(RegHandleState(true, false, true, false), 1);
    EXPECT_EQ(RegHandleState(true, true, false, false), 2);
    EXPECT_EQ(RegHandleState(true, false, false, false), 3);
    EXPECT_EQ(RegHandleState(true, true, false, true), 6);
    EXPECT_EQ(RegHandleState(false, true, true, true), 3);
}

}  // namespace
}  // namespace cantivo::ui
