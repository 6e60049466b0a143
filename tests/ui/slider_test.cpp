#include "ui/controls/slider.h"

#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/ui/window_fixture.h"

namespace cantivo::test {
namespace {

using ui::CRect;

constexpr UINT kSliderId = 1002;

class SliderTest : public WindowTest {
protected:
    void SetUp() override {
        dark.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
        light.CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
        shadow.CreatePen(PS_SOLID, 1, RGB(128, 128, 128));
        ASSERT_TRUE(slider.Create(CRect(20, 20, 244, 60), &host, kSliderId));
        slider.SetPens(&dark, &light, &shadow);
        slider.SetRange(0, 200);
    }
    int HandleX() const {
        POINT corner{0, 0};
        MapWindowPoints(slider.Handle().m_hWnd, slider.m_hWnd, &corner, 1);
        return corner.x;
    }
    void Key(UINT key) { SendMessageA(slider.Handle().m_hWnd, WM_KEYDOWN, key, 1); }
    int Notifications() const {
        int count = 0;
        for (const auto& n : host.notifications) {
            if (n.message != WM_HSCROLL) continue;
            EXPECT_EQ(LOWORD(n.wParam), SB_THUMBTRACK);
            EXPECT_EQ(reinterpret_cast<HWND>(n.lParam), slider.m_hWnd);
            ++count;
        }
        return count;
    }

    ui::CPen dark, light, shadow;
    ui::CSlider slider;
};

TEST_F(SliderTest, HandleOnATwoHundredTwentyFourPixelSlider) {
    EXPECT_EQ(slider.GetPos(), 1000);  // nothing placed yet
    slider.SetPos(0);
    EXPECT_EQ(HandleX(), 0);
    slider.SetPos(100);
    EXPECT_EQ(HandleX(), 100);
    slider.SetPos(200);
    EXPECT_EQ(HandleX(), 200);
    POINT corner{0, 0};
    MapWindowPoints(slider.Handle().m_hWnd, slider.m_hWnd, &corner, 1);
    EXPECT_EQ(corner.y, 40 - 12);
}

TEST_F(SliderTest, SetPosWithTheSamePositionLeavesTheHandle) {
    slider.SetPos(50);
    slider.Handle().SetWindowPos(nullptr, 7, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    slider.SetPos(50);
    EXPECT_EQ(HandleX(), 7);
    slider.SetPos(51);
    EXPECT_EQ(HandleX(), 51);
    EXPECT_EQ(Notifications(), 0);  // the parent's own changes are not reported
}

TEST_F(SliderTest, KeysNotifyOnlyWhenThePositionChanges) {
    slider.SetPos(200);
    Key(VK_RIGHT);
    EXPECT_EQ(Notifications(), 0);
    Key(VK_HOME);
    EXPECT_EQ(slider.GetPos(), 100);
    Key(VK_LEFT);
    EXPECT_EQ(slider.GetPos(), 99);
    Key(VK_UP);
    Key(VK_DOWN);
    EXPECT_EQ(slider.GetPos(), 99);
    EXPECT_EQ(Notifications(), 2);
    EXPECT_EQ(HandleX(), 99);

    slider.SetRange(0, 199);
    Key(VK_HOME);
    EXPECT_EQ(slider.GetPos(), 99);
    EXPECT_EQ(Notifications(), 2);
    slider.SetPos(5);
    Key(VK_HOME);
    EXPECT_EQ(slider.GetPos(), 99);
}

TEST_F(SliderTest, DragBelowTheMinimumStopsThereWithOneNotification) {
    slider.SetPos(20);
    SendMessageA(slider.Handle().m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(2, 2));
    ASSERT_TRUE(slider.Handle().IsDragging());
    EXPECT_EQ(GetCapture(), slider.Handle().m_hWnd);
    // 30 pixels left of the handle's centre, then further still.
    SendMessageA(slider.Handle().m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, PointParam(12 - 30, 6));
    EXPECT_EQ(slider.GetPos(), 0);
    EXPECT_EQ(HandleX(), 0);
    SendMessageA(slider.Handle().m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, PointParam(12 - 10, 6));
    EXPECT_EQ(slider.GetPos(), 0);
    EXPECT_EQ(Notifications(), 1);
    // One step a pixel the other way, from the handle's new centre.
    SendMessageA(slider.Handle().m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, PointParam(12 + 3, 6));
    EXPECT_EQ(slider.GetPos(), 3);
    EXPECT_EQ(Notifications(), 2);
    SendMessageA(slider.Handle().m_hWnd, WM_LBUTTONUP, 0, PointParam(12, 6));
    EXPECT_FALSE(slider.Handle().IsDragging());
    EXPECT_NE(GetCapture(), slider.Handle().m_hWnd);
}

TEST_F(SliderTest, HandleImagesComeFromThePluginFile) {
    // The test program holds no bitmaps: they can only come from the plug-in.
    EXPECT_EQ(LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_SLIDER_HANDLE)), nullptr);
    auto image = [](UINT id) {
        HBITMAP bitmap = LoadBitmapA(ResourceModule::Plugin(), MAKEINTRESOURCEA(id));
        EXPECT_NE(bitmap, nullptr);
        Picture picture = BitmapPicture(bitmap);
        DeleteObject(bitmap);
        return picture;
    };
    const Picture normal = image(IDB_SLIDER_HANDLE);
    const Picture focused = image(IDB_SLIDER_HANDLE_FOCUSED);
    const Picture disabled = image(IDB_SLIDER_HANDLE_DISABLED);
    EXPECT_EQ(normal.Width(), 24);
    EXPECT_EQ(normal.Height(), 12);
    EXPECT_NE(normal, focused);

    slider.SetPos(100);
    EXPECT_EQ(TakePicture(slider.Handle().m_hWnd), normal);
    slider.SetFocus();
    EXPECT_EQ(GetFocus(), slider.Handle().m_hWnd);
    EXPECT_EQ(TakePicture(slider.Handle().m_hWnd), focused);
    slider.EnableSlider(false);
    EXPECT_EQ(TakePicture(slider.Handle().m_hWnd), disabled);
}

TEST_F(SliderTest, ScaleTicksAndLabels) {
    const Picture enabled = TakePicture(slider.m_hWnd);
    // w = 224, h = 40, r = 211: long ticks at 11, 111 and 211 from y 30 up to 24.
    for (int x : {11, 111, 211}) {
        EXPECT_EQ(enabled.At(x, 30), RGB(0, 0, 0));
        EXPECT_EQ(enabled.At(x, 24), RGB(0, 0, 0));
        EXPECT_NE(enabled.At(x, 23), RGB(0, 0, 0));
    }
    EXPECT_EQ(enabled.At(61, 26), RGB(0, 0, 0));  // short ticks stop at 26
    EXPECT_NE(enabled.At(61, 25), RGB(0, 0, 0));
    EXPECT_EQ(enabled.At(50, 32), RGB(128, 128, 128));  // the groove's top, shadow
    EXPECT_EQ(enabled.At(50, 33), RGB(0, 0, 0));        // and its dark inner line
    EXPECT_EQ(enabled.At(50, 34), RGB(255, 255, 255));  // its bottom, highlight

    slider.EnableSlider(false);
    const Picture disabled = TakePicture(slider.m_hWnd);
    EXPECT_EQ(disabled.At(111, 30), RGB(128, 128, 128));  // ticks with the shadow pen
    bool embossed = false;
    for (int x = 0; x < 24; ++x)
        for (int y = 0; y < 22; ++y) embossed |= disabled.At(x, y) == GetSysColor(COLOR_BTNHIGHLIGHT);
    EXPECT_TRUE(embossed);
}

}  // namespace
}  // namespace cantivo::test
