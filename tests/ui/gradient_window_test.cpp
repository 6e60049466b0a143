#include <gtest/gtest.h>

#include "tests/ui/window_fixture.h"
#include "ui/controls/gradient.h"
#include "ui/controls/mem_dc2.h"

namespace cantivo::test {
namespace {

using ui::CGradient;
using ui::CRect;

const CRect kOneByThirtyTwo(0, 0, 1, 32);

TEST(GradientWindow, SolidBrushWhereNoGradientCanShow) {
    for (const auto& [depth, step] : {std::pair{8, -3}, {32, 0}}) {
        CGradient gradient(depth);
        EXPECT_FALSE(gradient.Create(RGB(210, 210, 210), step, kOneByThirtyTwo));
        EXPECT_EQ(gradient.Bitmap(), nullptr);
        LOGBRUSH brush{};
        ASSERT_EQ(GetObjectA(gradient.Brush(), sizeof brush, &brush), static_cast<int>(sizeof brush));
        EXPECT_EQ(brush.lbColor, RGB(210, 210, 210));
    }
}

// A gradient stretched over a button face through the off-screen surface.
TEST(GradientWindow, GradientIsStretchedAndOutlinedThroughTheMemorySurface) {
    CGradient grey(32);
    grey.Create(RGB(192, 192, 70), 2, kOneByThirtyTwo);
    grey.Create(RGB(210, 210, 210), -3, kOneByThirtyTwo);  // other arguments remake the bitmap
    CGradient solid(8);
    solid.Create(RGB(0, 128, 255), -3, kOneByThirtyTwo);

    ui::CClientDC screen(nullptr);
    ui::CBitmap target;
    target.CreateCompatibleBitmap(screen, 40, 64);
    {
        ui::CCompatibleDC dc(screen);
        ui::SelectedObject selected(dc, target);
        ui::CMemDC2 surface(dc, CRect(0, 0, 40, 64));
        ui::SelectedObject pen(surface, GetStockObject(WHITE_PEN));
        grey.Draw(surface, CRect(0, 0, 20, 64));
        solid.Draw(surface, CRect(20, 0, 40, 64));
    }
    const WindowPicture picture(target);
    EXPECT_EQ(picture.At(0, 0), RGB(255, 255, 255));  // the outline
    EXPECT_EQ(picture.At(10, 2), ui::GradientRowColour(RGB(210, 210, 210), -3, 1));  // rows doubled
    EXPECT_EQ(picture.At(10, 62), ui::GradientRowColour(RGB(210, 210, 210), -3, 31));
    EXPECT_EQ(picture.At(30, 30), RGB(0, 128, 255));
    EXPECT_EQ(picture.At(39, 30), RGB(255, 255, 255));
}

}  // namespace
}  // namespace cantivo::test
