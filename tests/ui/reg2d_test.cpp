#include "ui/controls/reg2d.h"

#include <gtest/gtest.h>

#include "tests/ui/window_fixture.h"

namespace cantivo::test {
namespace {

using ui::CRect;

constexpr UINT kPadId = 1000;

// One solid colour per drawing state, so a picture tells the state.
COLORREF StateColour(int state) { return RGB(20 * state, 255 - 20 * state, 100); }

class Reg2DTest : public WindowTest {
protected:
    void SetUp() override {
        highlight.CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
        // 223 pixels: a travel of 200, one pixel per value step.
        ASSERT_TRUE(pad.Create(CRect(20, 20, 243, 243), &host, kPadId));
        pad.SetPens(nullptr, &highlight, nullptr, nullptr);
        pad.SetNotifyId(kPadId);
        HDC screen = GetDC(nullptr);
        for (int state = 0; state < 8; ++state) {
            bitmaps[state] = CreateCompatibleBitmap(screen, 21, 21);
            HDC dc = CreateCompatibleDC(screen);
            HGDIOBJ old = SelectObject(dc, bitmaps[state]);
            RECT all{0, 0, 21, 21};
            HBRUSH brush = CreateSolidBrush(StateColour(state));
            FillRect(dc, &all, brush);
            DeleteObject(brush);
            SelectObject(dc, old);
            DeleteDC(dc);
        }
        ReleaseDC(nullptr, screen);
        pad.Handle().SetBitmaps(bitmaps);
        Bind(true, true, &x, &y);
    }
    void TearDown() override {
        pad.DestroyWindow();
        for (HBITMAP bitmap : bitmaps) DeleteObject(bitmap);
    }
    void Bind(bool xEnabled, bool yEnabled, std::int16_t* xValue, std::int16_t* yValue) {
        pad.EnableAxes(xEnabled, yEnabled);
        pad.BindValues(xValue, yValue);
        pad.PlaceHandle();
    }
    POINT HandleCentre() const {
        POINT centre{ui::kRegHandleHalf, ui::kRegHandleHalf};
        MapWindowPoints(pad.Handle().m_hWnd, pad.m_hWnd, &centre, 1);
        return centre;
    }
    void Key(UINT key) { SendMessageA(pad.Handle().m_hWnd, WM_KEYDOWN, key, 1); }
    std::vector<LPARAM> Codes() const {
        std::vector<LPARAM> codes;
        for (const auto& n : host.notifications)
            if (n.message == ui::WM_REG2D_CHANGED && n.wParam == kPadId) codes.push_back(n.lParam);
        return codes;
    }

    ui::CPen highlight;
    ui::CReg2D pad;
    HBITMAP bitmaps[8] = {};
    std::int16_t x = 100;
    std::int16_t y = 100;
};

TEST_F(Reg2DTest, HandleSpansATravelOfTwoHundredPixels) {
    EXPECT_EQ(pad.Geometry().travel, (ui::PlaneRect{11, 11, 211, 211}));
    x = 0;
    y = 0;
    pad.PlaceHandle();
    EXPECT_EQ(HandleCentre().x, 11);
    EXPECT_EQ(HandleCentre().y, 211);
    x = 100;
    y = 100;
    pad.PlaceHandle();
    EXPECT_EQ(HandleCentre().x, 111);
    EXPECT_EQ(HandleCentre().y, 111);
    x = 200;
    y = 200;
    pad.PlaceHandle();
    EXPECT_EQ(HandleCentre().x, 211);
    EXPECT_EQ(HandleCentre().y, 11);
}

TEST_F(Reg2DTest, HomeWithOnlyXEnabled) {
    x = 30;
    y = 40;
    Bind(true, false, &x, &y);
    Key(VK_HOME);
    EXPECT_EQ(x, 100);
    EXPECT_EQ(y, 40);
    EXPECT_EQ(Codes(), std::vector<LPARAM>{ui::kRegChangedX});
    Key(VK_HOME);
    Key(VK_UP);
    EXPECT_EQ(Codes().size(), 1u);
    // The parent's handler placed the handle: centred on the switched-off axis.
    EXPECT_EQ(HandleCentre().x, 111);
    EXPECT_EQ(HandleCentre().y, 111);
}

TEST_F(Reg2DTest, ArrowsStepAndStopAtTheEnds) {
    x = 199;
    y = 1;
    pad.PlaceHandle();
    Key(VK_RIGHT);
    Key(VK_DOWN);
    EXPECT_EQ(Codes(), (std::vector<LPARAM>{ui::kRegChangedX, ui::kRegChangedY}));
    Key(VK_RIGHT);  // at 200: nothing is sent
    Key(VK_DOWN);
    Key('A');
    EXPECT_EQ(Codes().size(), 2u);
    Key(VK_LEFT);
    Key(VK_UP);
    EXPECT_EQ(x, 199);
    EXPECT_EQ(y, 1);
    EXPECT_EQ(HandleCentre().x, 210);
    EXPECT_EQ(HandleCentre().y, 210);
}

TEST_F(Reg2DTest, DragAddsTheWholeDisplacementFromThePressPoint) {
    SendMessageA(pad.Handle().m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(3, 3));
    EXPECT_TRUE(pad.Handle().IsDragging());
    EXPECT_EQ(GetCapture(), pad.Handle().m_hWnd);
    EXPECT_EQ(GetFocus(), pad.Handle().m_hWnd);
    // 4 right and 6 up from the anchor, twice over: the values run on.
    SendMessageA(pad.Handle().m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, PointParam(14, 4));
    SendMessageA(pad.Handle().m_hWnd, WM_MOUSEMOVE, MK_LBUTTON,
                 PointParam(14 - 4, 4 + 6));  // the handle moved by (4, -6) in between
    EXPECT_EQ(x, 108);
    EXPECT_EQ(y, 112);
    EXPECT_EQ(Codes(), (std::vector<LPARAM>{ui::kRegChangedBoth, ui::kRegChangedBoth}));
    // A move without the button ends the drag.
    SendMessageA(pad.Handle().m_hWnd, WM_MOUSEMOVE, 0, PointParam(0, 0));
    EXPECT_FALSE(pad.Handle().IsDragging());
    EXPECT_NE(GetCapture(), pad.Handle().m_hWnd);
    EXPECT_EQ(x, 108);
}

TEST_F(Reg2DTest, BothAxesOnOneParameterReportXForADiagonalDrag) {
    std::int16_t both = 100;
    Bind(true, true, &both, &both);
    // Pressing on the pad itself starts the drag too.
    SendMessageA(pad.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(5, 5));
    ASSERT_TRUE(pad.Handle().IsDragging());
    SendMessageA(pad.Handle().m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, PointParam(10 + 5, 10 - 7));
    EXPECT_EQ(both, 105);
    EXPECT_EQ(Codes(), std::vector<LPARAM>{ui::kRegChangedX});
    SendMessageA(pad.Handle().m_hWnd, WM_LBUTTONUP, 0, PointParam(0, 0));
    EXPECT_FALSE(pad.Handle().IsDragging());
}

TEST_F(Reg2DTest, HandlePictureFollowsAxesFocusAndEnabling) {
    EXPECT_EQ(TakePicture(pad.Handle().m_hWnd).At(10, 10), StateColour(0));
    Bind(false, true, &x, &y);
    EXPECT_EQ(TakePicture(pad.Handle().m_hWnd).At(10, 10), StateColour(1));
    Bind(true, false, &x, &y);
    pad.SetFocus();
    EXPECT_EQ(GetFocus(), pad.Handle().m_hWnd);
    EXPECT_EQ(TakePicture(pad.Handle().m_hWnd).At(10, 10), StateColour(6));
    pad.EnableWindow(FALSE);
    EXPECT_EQ(TakePicture(pad.Handle().m_hWnd).At(10, 10), StateColour(3));
    // The disabled pad's travel is not green.
    EXPECT_NE(TakePicture(pad.m_hWnd).At(40, 40), RGB(84, 159, 84));
    pad.EnableWindow(TRUE);
    const Picture enabled = TakePicture(pad.m_hWnd);
    EXPECT_EQ(enabled.At(40, 40), RGB(84, 159, 84));
    EXPECT_EQ(enabled.At(111, 40), RGB(255, 255, 255));  // the crosshair
}

TEST_F(Reg2DTest, ArrowKeysReachTheHandleThroughTheFocus) {
    x = 50;
    pad.PlaceHandle();
    pad.SetFocus();
    ASSERT_EQ(GetFocus(), pad.Handle().m_hWnd);
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
    EXPECT_EQ(SendMessageA(pad.Handle().m_hWnd, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS);
}

}  // namespace
}  // namespace cantivo::test
