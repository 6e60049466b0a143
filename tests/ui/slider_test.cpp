#include "ui/controls/slider.h"

#include <gtest/gtest.h>

#include <tuple>

#include "resources/resource.h"
#include "tests/ui/window_fixture.h"
#include "ui/framework/resource_handle.h"

namespace cantivo::test {
namespace {

using ui::CRect;
using Notification = HostWindow::Notification;

constexpr UINT kSliderId = 1002;

class SliderTest : public WindowTest {
protected:
    void SetUp() override {
        dark.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
        light.CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
        shadow.CreatePen(PS_SOLID, 1, RGB(128, 128, 128));
        ASSERT_TRUE(slider.Create(CRect(20, 20, 244, 60), &host, kSliderId));
        slider.SetPens(dark, light, shadow);
        slider.SetRange(0, 200);
    }
    POINT HandleCorner() const {
        POINT corner{0, 0};
        MapWindowPoints(slider.Handle().m_hWnd, slider.m_hWnd, &corner, 1);
        return corner;
    }
    void Send(UINT message, WPARAM wParam, LPARAM lParam = 0) {
        SendMessageA(slider.Handle().m_hWnd, message, wParam, lParam);
    }
    // The parent hears of a position as a scroll bar's thumb track.
    std::vector<Notification> Reported(std::initializer_list<WORD> positions) const {
        std::vector<Notification> reports;
        for (WORD pos : positions)
            reports.push_back({WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, pos), reinterpret_cast<LPARAM>(slider.m_hWnd)});
        return reports;
    }

    ui::CPen dark, light, shadow;
    ui::CSlider slider;
};

TEST_F(SliderTest, OnlyTheUsersChangesMoveTheHandleWithANotification) {
    slider.SetPos(50);
    EXPECT_EQ(HandleCorner().x, 50);
    EXPECT_EQ(HandleCorner().y, 40 - 12);
    // The same position again leaves the handle where it is.
    slider.Handle().SetWindowPos(nullptr, 7, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    slider.SetPos(50);
    EXPECT_EQ(HandleCorner().x, 7);

    Send(WM_KEYDOWN, VK_HOME, 1);
    Send(WM_KEYDOWN, VK_HOME, 1);  // no change: nothing is sent
    Send(WM_KEYDOWN, VK_LEFT, 1);
    Send(WM_KEYDOWN, 'A', 1);
    EXPECT_EQ(slider.GetPos(), 99);
    EXPECT_EQ(HandleCorner().x, 99);
    EXPECT_EQ(host.Received(WM_HSCROLL), Reported({100, 99}));
}

TEST_F(SliderTest, DragFollowsTheCursorFromTheMovedHandle) {
    slider.SetPos(20);
    SendMessageA(slider.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(2, 2));
    ASSERT_TRUE(slider.Handle().IsDragging());
    EXPECT_EQ(GetCapture(), slider.Handle().m_hWnd);
    EXPECT_EQ(GetFocus(), slider.Handle().m_hWnd);
    // 30 pixels left of the handle's centre: it stops at the minimum.
    Send(WM_MOUSEMOVE, MK_LBUTTON, PointParam(12 - 30, 6));
    EXPECT_EQ(HandleCorner().x, 0);
    Send(WM_MOUSEMOVE, MK_LBUTTON, PointParam(12 - 10, 6));
    // Measured from the handle's new centre.
    Send(WM_MOUSEMOVE, MK_LBUTTON, PointParam(12 + 3, 6));
    EXPECT_EQ(slider.GetPos(), 3);
    EXPECT_EQ(host.Received(WM_HSCROLL), Reported({0, 3}));
    Send(WM_LBUTTONUP, 0, PointParam(12, 6));
    EXPECT_FALSE(slider.Handle().IsDragging());
    EXPECT_NE(GetCapture(), slider.Handle().m_hWnd);
}

// The test program holds no bitmaps: the handle's can only come from the
// plug-in; the scale is drawn with the parent's pens, embossed when disabled.
TEST_F(SliderTest, PicturesComeFromThePluginFileAndScaleFromTheParentsPens) {
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
