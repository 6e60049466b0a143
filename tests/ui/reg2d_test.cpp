#include "ui/controls/reg2d.h"

#include <gtest/gtest.h>

#include <utility>

#include "tests/ui/window_fixture.h"

namespace cantivo::test {
namespace {

// Dragging, placing and the page's notice are the page's tests, and the
// handle's pictures the slider's; here the pad's own press, keys, states and
// painting.
TEST_F(WindowTest, Reg2DPressKeysStatesAndPaintingFollowAxesFocusAndEnabling) {
    ui::CPen highlight;
    highlight.CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
    ui::CReg2D pad;
    ASSERT_TRUE(pad.Create(ui::CRect(20, 20, 243, 243), &host, 1000));
    pad.SetPens(nullptr, highlight, nullptr, nullptr);
    pad.EnableAxes(true, true);
    std::int16_t x = 50;
    std::int16_t y = 100;
    pad.BindValues(&x, &y);
    pad.PlaceHandle();
    const HWND handle = pad.Handle().m_hWnd;
    EXPECT_EQ(pad.Handle().DrawingState(), 0);

    SendMessageA(pad.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(3, 3));  // on the pad, not the handle
    EXPECT_TRUE(pad.Handle().IsDragging());
    EXPECT_EQ(GetCapture(), handle);
    EXPECT_EQ(GetFocus(), handle);
    SendMessageA(handle, WM_LBUTTONUP, 0, PointParam(0, 0));
    EXPECT_EQ(SendMessageA(handle, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS);
    SendMessageA(handle, WM_KEYDOWN, VK_RIGHT, 1);
    SendMessageA(handle, WM_KEYDOWN, VK_UP, 1);
    EXPECT_EQ((std::pair{x, y}), (std::pair<std::int16_t, std::int16_t>{51, 101}));

    pad.EnableAxes(true, false);
    EXPECT_EQ(pad.Handle().DrawingState(), 6);
    const WindowPicture enabled = TakePicture(pad.m_hWnd);
    EXPECT_EQ(enabled.At(40, 40), RGB(84, 159, 84));    // the travel
    EXPECT_EQ(enabled.At(111, 40), RGB(255, 255, 255));  // the crosshair
    pad.EnableWindow(FALSE);
    EXPECT_EQ(pad.Handle().DrawingState(), 3);
    EXPECT_NE(TakePicture(pad.m_hWnd).At(40, 40), RGB(84, 159, 84));
}

}  // namespace
}  // namespace cantivo::test
