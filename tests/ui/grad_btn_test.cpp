#include "ui/controls/grad_btn.h"

#include <gtest/gtest.h>

#include "tests/ui/window_fixture.h"

namespace cantivo::test {
namespace {

using ui::CGradBtn;
using ui::CGradient;
using ui::CRect;
using ui::GradBtnMode;

constexpr int kButtonId = 1200;

// Whether a pixel is one of the 32 rows of a gradient, wherever stretching put it.
bool FromGradient(COLORREF pixel, COLORREF top, int step) {
    for (int row = 0; row < 32; ++row)
        if (ui::GradientRowColour(top, step, row) == pixel) return true;
    return false;
}

class GradBtnTest : public WindowTest {
protected:
    void SetUp() override {
        const CRect faceRect(0, 0, 1, 32);
        grey.Create(RGB(210, 210, 210), -3, faceRect);
        yellow.Create(RGB(192, 192, 70), 2, faceRect);
        green.Create(RGB(180, 255, 180), -3, faceRect);
        HWND hwnd = CreateWindowExA(0, "BUTTON", "Mute", WS_CHILD | WS_VISIBLE, 10, 10, 80, 24, host.m_hWnd,
                                    reinterpret_cast<HMENU>(kButtonId), GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(button.SubclassWindow(hwnd));
        button.SetButtonStyle(BS_OWNERDRAW);
        button.SetFaces(&grey, &yellow, &green);
        PumpMessages();
    }

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendMessageA(button.m_hWnd, message, wParam, lParam);
    }
    int ClicksReported() const {
        int clicks = 0;
        for (const auto& n : host.notifications)
            if (n.message == WM_COMMAND && LOWORD(n.wParam) == kButtonId && HIWORD(n.wParam) == BN_CLICKED) ++clicks;
        return clicks;
    }

    CGradient grey{32}, yellow{32}, green{32};
    CGradBtn button;
};

TEST_F(GradBtnTest, ToggleFlipsOnClicksAndDoubleClicks) {
    EXPECT_EQ(Send(BM_GETCHECK), BST_UNCHECKED);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(5, 5));
    Send(WM_LBUTTONUP, 0, PointParam(5, 5));
    EXPECT_EQ(Send(BM_GETCHECK), BST_CHECKED);
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON, PointParam(5, 5));
    Send(WM_LBUTTONUP, 0, PointParam(5, 5));
    EXPECT_EQ(Send(BM_GETCHECK), BST_UNCHECKED);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(5, 5));
    Send(WM_LBUTTONUP, 0, PointParam(5, 5));
    // A programmatic click is one press: it flips once.
    Send(BM_CLICK);
    EXPECT_EQ(Send(BM_GETCHECK), BST_UNCHECKED);
    PumpMessages();
    EXPECT_EQ(ClicksReported(), 4);
}

TEST_F(GradBtnTest, CheckedToggleShowsFaceOneSunken) {
    Picture unchecked = TakePicture(button.m_hWnd);
    EXPECT_EQ(unchecked.At(0, 0), ui::kBevelLight);
    EXPECT_EQ(unchecked.At(78, 23), ui::kBevelDark);
    EXPECT_EQ(unchecked.At(79, 10), GetSysColor(COLOR_BTNFACE));  // the last column is left alone
    EXPECT_TRUE(FromGradient(unchecked.At(3, 1), RGB(210, 210, 210), -3));
    EXPECT_TRUE(FromGradient(unchecked.At(3, 20), RGB(210, 210, 210), -3));

    EXPECT_EQ(Send(BM_SETCHECK, BST_CHECKED), 0);
    const Picture checked = TakePicture(button.m_hWnd);
    EXPECT_EQ(checked.At(0, 0), ui::kBevelDark);
    EXPECT_EQ(checked.At(78, 23), ui::kBevelLight);
    EXPECT_TRUE(FromGradient(checked.At(3, 1), RGB(192, 192, 70), 2));
    EXPECT_TRUE(FromGradient(checked.At(3, 20), RGB(192, 192, 70), 2));

    button.EnableWindow(FALSE);
    const Picture disabled = TakePicture(button.m_hWnd);
    EXPECT_EQ(disabled.At(0, 0), ui::kBevelLight);
    EXPECT_TRUE(FromGradient(disabled.At(3, 1), RGB(210, 210, 210), -3));
}

TEST_F(GradBtnTest, MomentaryButtonDraggedOutLetsGo) {
    button.SetMode(GradBtnMode::kMomentary);
    button.SetFaceIndex(2);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(5, 5));
    EXPECT_TRUE(button.IsPressed());
    EXPECT_EQ(GetCapture(), button.m_hWnd);
    const Picture pressed = TakePicture(button.m_hWnd);
    EXPECT_EQ(pressed.At(0, 0), ui::kBevelDark);
    EXPECT_TRUE(FromGradient(pressed.At(3, 1), RGB(180, 255, 180), -3));

    // Still inside: nothing changes.
    Send(WM_MOUSEMOVE, MK_LBUTTON, PointParam(70, 20));
    EXPECT_TRUE(button.IsPressed());
    // Out of the button: it is released there, so no click is reported.
    Send(WM_MOUSEMOVE, MK_LBUTTON, PointParam(120, 5));
    EXPECT_FALSE(button.IsPressed());
    EXPECT_NE(GetCapture(), button.m_hWnd);
    EXPECT_EQ(TakePicture(button.m_hWnd).At(0, 0), ui::kBevelLight);
    EXPECT_EQ(Send(BM_GETCHECK), BST_UNCHECKED);
    PumpMessages();
    EXPECT_EQ(ClicksReported(), 0);
}

TEST_F(GradBtnTest, MomentaryFacesFollowTheParentsChoice) {
    button.SetMode(GradBtnMode::kMomentary);
    button.SetFaceIndex(1);
    EXPECT_TRUE(FromGradient(TakePicture(button.m_hWnd).At(4, 12), RGB(192, 192, 70), 2));
    button.SetFaceIndex(2);
    EXPECT_TRUE(FromGradient(TakePicture(button.m_hWnd).At(4, 12), RGB(180, 255, 180), -3));
    // An index out of range shows face 0 rather than reading past the faces.
    button.SetFaceIndex(7);
    EXPECT_TRUE(FromGradient(TakePicture(button.m_hWnd).At(4, 12), RGB(210, 210, 210), -3));
}

TEST_F(GradBtnTest, CaptionNumbers) {
    bool ok = false;
    // The caption was taken from the window text when the button was painted.
    EXPECT_EQ(button.GetNumber(ok), 0);  // "Mute"
    EXPECT_TRUE(ok);
    button.SetNumber(-7);
    EXPECT_EQ(button.GetNumber(ok), -7);
    // From then on the caption is the button's own.
    SetWindowTextA(button.m_hWnd, "13");
    EXPECT_EQ(button.GetNumber(ok), -7);

    // Never painted: the window text is the caption.
    CGradBtn hidden;
    ASSERT_TRUE(hidden.SubclassWindow(CreateWindowExA(0, "BUTTON", " 42 ms", WS_CHILD, 0, 0, 40, 20, host.m_hWnd,
                                                      nullptr, GetModuleHandleA(nullptr), nullptr)));
    EXPECT_EQ(hidden.GetNumber(ok), 42);
}

}  // namespace
}  // namespace cantivo::test
