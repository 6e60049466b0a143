#include "ui/controls/reg2d.h"

#include <gtest/gtest.h>

#include "tests/ui/window_fixture.h"
#include "ui/framework/dc.h"

namespace cantivo::test {
namespace {

using ui::CRect;
using Notification = HostWindow::Notification;

constexpr UINT kPadId = 1000;
constexpr UINT kPadChanged = WM_USER + 1001;  // what the page listens for

// One solid colour per drawing state, so a picture tells the state.
COLORREF StateColour(int state) { return RGB(20 * state, 255 - 20 * state, 100); }

class Reg2DTest : public WindowTest {
protected:
    void SetUp() override {
        highlight.CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
        // 223 pixels: a travel of 200, one pixel per value step.
        ASSERT_TRUE(pad.Create(CRect(20, 20, 243, 243), &host, kPadId));
        pad.SetPens(nullptr, highlight, nullptr, nullptr);
        pad.SetNotifyId(kPadId);
        ui::CClientDC screen(nullptr);
        HBITMAP handles[8];
        for (int state = 0; state < 8; ++state) {
            pictures[state].CreateCompatibleBitmap(screen, 21, 21);
            ui::CCompatibleDC dc(screen);
            ui::SelectedObject selected(dc, pictures[state]);
            dc.FillSolidRect(CRect(0, 0, 21, 21), StateColour(state));
            handles[state] = pictures[state];
        }
        pad.Handle().SetBitmaps(handles);
        pad.EnableAxes(true, true);
        pad.BindValues(&x, &y);
        pad.PlaceHandle();
    }
    POINT HandleCentre() const {
        POINT centre{ui::kRegHandleHalf, ui::kRegHandleHalf};
        MapWindowPoints(pad.Handle().m_hWnd, pad.m_hWnd, &centre, 1);
        return centre;
    }
    void Move(int x, int y, WPARAM buttons = MK_LBUTTON) {
        SendMessageA(pad.Handle().m_hWnd, WM_MOUSEMOVE, buttons, PointParam(x, y));
    }

    ui::CPen highlight;
    ui::CBitmap pictures[8];
    ui::CReg2D pad;
    std::int16_t x = 100;
    std::int16_t y = 100;
};

TEST_F(Reg2DTest, ArrowKeysReachTheHandleThroughTheFocus) {
    x = 50;
    pad.PlaceHandle();
    EXPECT_EQ(HandleCentre().x, 61);
    pad.SetFocus();
    ASSERT_EQ(GetFocus(), pad.Handle().m_hWnd);
    EXPECT_EQ(SendMessageA(pad.Handle().m_hWnd, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS);
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = VK_RIGHT;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ASSERT_EQ(SendInput(2, keys, sizeof(INPUT)), 2u);
    for (int i = 0; i < 50 && x == 50; ++i) {
        Sleep(10);
        PumpMessages();
    }
    EXPECT_EQ(x, 51);
    EXPECT_EQ(host.Received(kPadChanged), (std::vector<Notification>{{kPadChanged, kPadId, ui::kRegChangedX}}));
    // The parent placed the handle for the new value.
    EXPECT_EQ(HandleCentre().x, 62);
    EXPECT_EQ(HandleCentre().y, 111);
}

TEST_F(Reg2DTest, DragFromThePadRunsOnFromThePressPointUntilTheButtonIsUp) {
    // Pressing on the pad itself starts the handle's drag.
    SendMessageA(pad.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(3, 3));
    EXPECT_TRUE(pad.Handle().IsDragging());
    EXPECT_EQ(GetCapture(), pad.Handle().m_hWnd);
    EXPECT_EQ(GetFocus(), pad.Handle().m_hWnd);
    // 4 right and 6 up from the anchor, twice over: the handle moved in between.
    Move(10 + 4, 10 - 6);
    Move(10, 10 - 6 + 6);
    EXPECT_EQ(x, 108);
    EXPECT_EQ(y, 112);
    EXPECT_EQ(host.Received(kPadChanged).size(), 2u);
    EXPECT_EQ(HandleCentre().x, 119);
    EXPECT_EQ(HandleCentre().y, 99);
    // A move without the button ends the drag.
    Move(0, 0, 0);
    EXPECT_FALSE(pad.Handle().IsDragging());
    EXPECT_NE(GetCapture(), pad.Handle().m_hWnd);
    Move(50, 50);
    EXPECT_EQ(x, 108);
}

TEST_F(Reg2DTest, PicturesFollowAxesFocusAndEnabling) {
    EXPECT_EQ(TakePicture(pad.Handle().m_hWnd).At(10, 10), StateColour(0));
    pad.EnableAxes(true, false);
    pad.SetFocus();
    EXPECT_EQ(TakePicture(pad.Handle().m_hWnd).At(10, 10), StateColour(6));
    const WindowPicture enabled = TakePicture(pad.m_hWnd);
    EXPECT_EQ(enabled.At(40, 40), RGB(84, 159, 84));    // the travel
    EXPECT_EQ(enabled.At(111, 40), RGB(255, 255, 255));  // the crosshair
    pad.EnableWindow(FALSE);
    EXPECT_EQ(TakePicture(pad.Handle().m_hWnd).At(10, 10), StateColour(3));
    EXPECT_NE(TakePicture(pad.m_hWnd).At(40, 40), RGB(84, 159, 84));
}

}  // namespace
}  // namespace cantivo::test
