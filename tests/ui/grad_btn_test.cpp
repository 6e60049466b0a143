#include "ui/controls/grad_btn.h"

#include <gtest/gtest.h>

#include <tuple>

#include "tests/ui/window_fixture.h"

namespace cantivo::test {
namespace {

using ui::CGradBtn;
using ui::CGradient;
using ui::GradBtnMode;

constexpr COLORREF kTops[3] = {RGB(210, 210, 210), RGB(192, 192, 70), RGB(180, 255, 180)};
constexpr int kSteps[3] = {-3, 2, -3};

// Whether a pixel is one of the 32 rows of a face, wherever stretching put it.
bool FromFace(COLORREF pixel, int face) {
    for (int row = 0; row < 32; ++row)
        if (ui::GradientRowColour(kTops[face], kSteps[face], row) == pixel) return true;
    return false;
}

class GradBtnTest : public WindowTest {
protected:
    void SetUp() override {
        for (int face = 0; face < 3; ++face) faces[face].Create(kTops[face], kSteps[face], ui::CRect(0, 0, 1, 32));
        HWND hwnd = CreateWindowExA(0, "BUTTON", " 42 ms", WS_CHILD | WS_VISIBLE, 10, 10, 80, 24, host.m_hWnd,
                                    nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(button.SubclassWindow(hwnd));
        button.SetButtonStyle(BS_OWNERDRAW);
        button.SetFaces(&faces[0], &faces[1], &faces[2]);
        PumpMessages();
    }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendMessageA(button.m_hWnd, message, wParam, lParam);
    }
    // The face shown, or -1, and whether the bevel's dark side is at the top left.
    std::pair<int, bool> Shown() {
        const WindowPicture picture = TakePicture(button.m_hWnd);
        const bool sunken = picture.At(0, 0) == ui::kBevelDark;
        EXPECT_EQ(picture.At(78, 23), sunken ? ui::kBevelLight : ui::kBevelDark);
        EXPECT_EQ(picture.At(79, 10), GetSysColor(COLOR_BTNFACE));  // the last column is left alone
        for (int face = 0; face < 3; ++face)
            if (FromFace(picture.At(3, 1), face) && FromFace(picture.At(3, 20), face)) return {face, sunken};
        return {-1, sunken};
    }

    // The checked face as a display of 256 colours shows it: a solid brush.
    CGradient faces[3] = {CGradient(32), CGradient(8), CGradient(32)};
    CGradBtn button;
};

// Which face and bevel each state shows is the look's; here they reach the screen.
TEST_F(GradBtnTest, FaceAndBevelReachTheScreenForEachState) {
    // mode, face index, checked, enabled: the face shown, sunken
    const std::tuple<GradBtnMode, int, BOOL, BOOL, int, bool> cases[] = {
        {GradBtnMode::kToggle, 0, FALSE, TRUE, 0, false},     {GradBtnMode::kToggle, 0, TRUE, TRUE, 1, true},
        {GradBtnMode::kToggle, 0, TRUE, FALSE, 0, false},     {GradBtnMode::kMomentary, 2, FALSE, TRUE, 2, false},
        {GradBtnMode::kMomentary, 7, FALSE, TRUE, 0, false},  // out of range: face 0
    };
    for (const auto& [mode, faceIndex, checked, enabled, face, sunken] : cases) {
        button.SetMode(mode);
        button.SetFaceIndex(faceIndex);
        Send(BM_SETCHECK, checked);
        button.EnableWindow(enabled);
        EXPECT_EQ(Shown(), std::pair(face, sunken)) << faceIndex << checked << enabled;
    }
}

// A momentary button dragged out lets go without a click; a double click is
// a second press.
TEST_F(GradBtnTest, PressesAndCaption) {
    button.SetMode(GradBtnMode::kMomentary);
    button.SetFaceIndex(2);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(5, 5));
    EXPECT_EQ(Shown(), std::pair(2, true));
    Send(WM_MOUSEMOVE, MK_LBUTTON, PointParam(70, 20));
    EXPECT_TRUE(button.IsPressed());
    Send(WM_MOUSEMOVE, MK_LBUTTON, PointParam(120, 5));
    EXPECT_FALSE(button.IsPressed());
    EXPECT_NE(GetCapture(), button.m_hWnd);
    EXPECT_EQ(Shown(), std::pair(2, false));
    button.SetMode(GradBtnMode::kToggle);
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON, PointParam(5, 5));
    Send(WM_LBUTTONUP, 0, PointParam(5, 5));
    EXPECT_EQ(Send(BM_GETCHECK), BST_CHECKED);
    PumpMessages();
    EXPECT_EQ(host.commands, 1);  // the double click's only

    bool ok = false;
    EXPECT_EQ(button.GetNumber(ok), 42);  // the window's text until a number is set
    button.SetNumber(-7);
    EXPECT_EQ(button.GetNumber(ok), -7);
}

}  // namespace
}  // namespace cantivo::test
