#include "ui/controls/slider.h"

#include <gtest/gtest.h>

#include <tuple>

#include "resources/resource.h"
#include "tests/ui/window_fixture.h"
#include "ui/framework/resource_handle.h"

namespace cantivo::test {
namespace {

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
