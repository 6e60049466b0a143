// The window framework and the page's own controls in real windows: what
// each paints and how it answers the mouse and keys.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/error_code.h"
#include "resources/resource.h"
#include "tests/support/message_capture.h"
#include "tests/ui/window_fixture.h"
#include "ui/controls/grad_btn.h"
#include "ui/controls/reg2d.h"
#include "ui/controls/slider.h"
#include "ui/framework/controls.h"
#include "ui/framework/dc.h"
#include "ui/framework/resource_handle.h"

namespace cantivo::test {
namespace {

using ui::CGradBtn;
using ui::CGradient;
using ui::CWnd;
using ui::GradBtnMode;

class Probe : public CWnd {
public:
    int destroyed = 0;
    int ncDestroyed = 0;
    int drawn = 0;

protected:
    void OnDraw(ui::CDC& dc) override {
        ++drawn;
        dc.FillSolidRect(GetClientRect(), RGB(1, 2, 3));
    }
    void OnDestroy() override {
        ++destroyed;
        Default();
    }
    void PostNcDestroy() override { ++ncDestroyed; }
    void OnKeyDown(UINT key, UINT, UINT) override {
        if (key == 'M') throw std::bad_alloc();
        if (key == 'R') throw std::runtime_error("broken");
        Default();
    }
};

TEST_F(WindowTest, WindowAndObjectAreBoundUntilTheWindowIsGoneAndPaintAndPrintReachOnDraw) {
    Probe probe;
    ASSERT_TRUE(probe.Create(WS_CHILD | WS_VISIBLE, ui::CRect(0, 0, 10, 10), &host, 5));
    PumpMessages();
    probe.drawn = 0;
    probe.Invalidate();
    probe.UpdateWindow();
    EXPECT_EQ(probe.drawn, 1);
    EXPECT_EQ(TakePicture(probe.m_hWnd).At(5, 5), RGB(1, 2, 3));
    EXPECT_EQ(probe.drawn, 2);

    const HWND hwnd = probe.m_hWnd;
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), &probe);
    probe.DestroyWindow();
    EXPECT_EQ((std::tuple{probe.destroyed, probe.ncDestroyed, probe.m_hWnd}), (std::tuple{1, 1, nullptr}));
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_TRUE(probe.Create(WS_CHILD, ui::CRect(0, 0, 1, 1), &host, 6));  // and a new one afterwards
}

TEST_F(WindowTest, SubclassedControlKeepsItsPaintingAndOutlivesItsObject) {
    HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 50, 20, host.m_hWnd, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    {
        ui::CEdit wrapper;
        ASSERT_TRUE(wrapper.SubclassWindow(edit));
        EXPECT_EQ(CWnd::FromHandlePermanent(edit), &wrapper);
        EXPECT_NE(TakePicture(edit).At(25, 10), RGB(255, 0, 255));  // magenta: nothing painted
    }
    EXPECT_EQ(CWnd::FromHandlePermanent(edit), nullptr);
    SetWindowTextA(edit, "still works");
    char text[32] = {};
    GetWindowTextA(edit, text, sizeof text);
    EXPECT_STREQ(text, "still works");
}

TEST_F(WindowTest, NoExceptionLeavesAWindowProcedure) {
    MessageCapture capture;
    Probe probe;
    ASSERT_TRUE(probe.Create(WS_CHILD, ui::CRect(0, 0, 10, 10), &host, 5));
    EXPECT_EQ(SendMessageA(probe.m_hWnd, WM_KEYDOWN, 'M', 0), 0);
    EXPECT_EQ(SendMessageA(probe.m_hWnd, WM_KEYDOWN, 'R', 0), 0);
    EXPECT_EQ(capture.messages, (std::vector<std::string>{"No memory", "broken"}));
    EXPECT_EQ(capture.styles[0], static_cast<unsigned>(MB_OK | MB_ICONSTOP));
    EXPECT_EQ(GetErrorCode(), kNoError);
    EXPECT_TRUE(IsWindow(probe.m_hWnd));
}

constexpr COLORREF kTops[3] = {RGB(210, 210, 210), RGB(192, 192, 70), RGB(180, 255, 180)};
constexpr int kSteps[3] = {-3, 2, -3};

// Whether a pixel is one of the 32 rows of a face, wherever stretching put it.
bool FromFace(COLORREF pixel, int face) {
    for (int row = 0; row < 32; ++row)
        if (ui::GradientRowColour(kTops[face], kSteps[face], row) == pixel) return true;
    return false;
}

// The face shown, or -1, and whether the bevel's dark side is at the top left.
std::pair<int, bool> Shown(HWND button) {
    const WindowPicture picture = TakePicture(button);
    const bool sunken = picture.At(0, 0) == ui::kBevelDark;
    EXPECT_EQ(picture.At(78, 23), sunken ? ui::kBevelLight : ui::kBevelDark);
    EXPECT_EQ(picture.At(79, 10), GetSysColor(COLOR_BTNFACE));  // the last column is left alone
    for (int face = 0; face < 3; ++face)
        if (FromFace(picture.At(3, 1), face) && FromFace(picture.At(3, 20), face)) return {face, sunken};
    return {-1, sunken};
}

// Which face and bevel each state shows is the look's; here they reach the screen.
TEST_F(WindowTest, GradBtnFaceAndBevelReachTheScreenForEachState) {
    // The checked face as a display of 256 colours shows it: a solid brush.
    CGradient faces[3] = {CGradient(32), CGradient(8), CGradient(32)};
    for (int face = 0; face < 3; ++face) faces[face].Create(kTops[face], kSteps[face], ui::CRect(0, 0, 1, 32));
    CGradBtn button;
    ASSERT_TRUE(button.SubclassWindow(CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE, 10, 10, 80, 24,
                                                      host.m_hWnd, nullptr, GetModuleHandleA(nullptr), nullptr)));
    button.SetButtonStyle(BS_OWNERDRAW);
    button.SetFaces(&faces[0], &faces[1], &faces[2]);
    // mode, face index, checked, enabled: the face shown, sunken
    const std::tuple<GradBtnMode, int, BOOL, BOOL, int, bool> cases[] = {
        {GradBtnMode::kToggle, 0, FALSE, TRUE, 0, false},     {GradBtnMode::kToggle, 0, TRUE, TRUE, 1, true},
        {GradBtnMode::kToggle, 0, TRUE, FALSE, 0, false},     {GradBtnMode::kMomentary, 2, FALSE, TRUE, 2, false},
        {GradBtnMode::kMomentary, 7, FALSE, TRUE, 0, false},  // out of range: face 0
    };
    for (const auto& [mode, faceIndex, checked, enabled, face, sunken] : cases) {
        button.SetMode(mode);
        button.SetFaceIndex(faceIndex);
        button.SetCheck(checked);
        button.EnableWindow(enabled);
        EXPECT_EQ(Shown(button.m_hWnd), std::pair(face, sunken)) << faceIndex << checked << enabled;
    }
}

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

// Dragging and keys are the page's tests and the handle's arithmetic the
// geometry's. The test program holds no bitmaps: the handle's can only come
// from the plug-in; the scale is drawn with the parent's pens, embossed when
// disabled.
TEST_F(WindowTest, SliderPicturesComeFromThePluginFileAndScaleFromTheParentsPens) {
    ui::CPen dark, light, shadow;
    dark.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    light.CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
    shadow.CreatePen(PS_SOLID, 1, RGB(128, 128, 128));
    ui::CSlider slider;
    ASSERT_TRUE(slider.Create(ui::CRect(20, 20, 244, 60), &host, 1002));
    slider.SetPens(dark, light, shadow);
    slider.SetRange(0, 200);

    EXPECT_EQ(LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_SLIDER_HANDLE)), nullptr);
    auto image = [](UINT id) {
        ui::CBitmap bitmap(LoadBitmapA(ui::AfxGetResourceHandle(), MAKEINTRESOURCEA(id)));
        EXPECT_NE(bitmap, nullptr);
        return WindowPicture(bitmap);
    };
    const WindowPicture normal = image(IDB_SLIDER_HANDLE);
    EXPECT_EQ((std::pair{normal.Width(), normal.Height()}), (std::pair{24, 12}));
    EXPECT_NE(normal, image(IDB_SLIDER_HANDLE_FOCUSED));
    const ui::SliderScale scale = ui::SliderScaleFor(224, 40);
    const WindowPicture enabled = TakePicture(slider.m_hWnd);
    EXPECT_EQ(enabled.At(scale.longTicks[1], 24), RGB(0, 0, 0));
    EXPECT_EQ(enabled.At(scale.shortTicks[0], 26), RGB(0, 0, 0));
    // The groove: shadow, dark, highlight.
    EXPECT_EQ((std::tuple{enabled.At(50, 32), enabled.At(50, 33), enabled.At(50, 34)}),
              (std::tuple{RGB(128, 128, 128), RGB(0, 0, 0), RGB(255, 255, 255)}));

    slider.SetPos(100);
    EXPECT_EQ(TakePicture(slider.Handle().m_hWnd), normal);
    slider.SetFocus();
    EXPECT_EQ(TakePicture(slider.Handle().m_hWnd), image(IDB_SLIDER_HANDLE_FOCUSED));
    slider.EnableSlider(false);
    EXPECT_EQ(TakePicture(slider.Handle().m_hWnd), image(IDB_SLIDER_HANDLE_DISABLED));
    const WindowPicture disabled = TakePicture(slider.m_hWnd);
    EXPECT_EQ(disabled.At(scale.longTicks[1], 24), RGB(128, 128, 128));
    bool embossed = false;
    for (int x = 0; x < 24; ++x)
        for (int y = 0; y < 22; ++y) embossed |= disabled.At(x, y) == GetSysColor(COLOR_BTNHIGHLIGHT);
    EXPECT_TRUE(embossed);
}

}  // namespace
}  // namespace cantivo::test
