#include <gtest/gtest.h>

#include "tests/ui/window_fixture.h"
#include "ui/controls/gradient.h"
#include "ui/controls/mem_dc2.h"

namespace cantivo::test {
namespace {

using ui::CGradient;
using ui::CRect;
using ui::GradientKind;

const CRect kOneByThirtyTwo(0, 0, 1, 32);

TEST(GradientWindow, SolidBrushWhereNoGradientCanShow) {
    CGradient lowColour(8);
    EXPECT_FALSE(lowColour.Create(RGB(210, 210, 210), -3, kOneByThirtyTwo));
    EXPECT_EQ(lowColour.Kind(), GradientKind::kSolid);
    EXPECT_EQ(lowColour.Bitmap(), nullptr);
    LOGBRUSH brush{};
    ASSERT_NE(lowColour.Brush(), nullptr);
    GetObjectA(lowColour.Brush(), sizeof brush, &brush);
    EXPECT_EQ(brush.lbColor, RGB(210, 210, 210));
    // The same arguments keep what was made.
    const HBRUSH first = lowColour.Brush();
    lowColour.Create(RGB(210, 210, 210), -3, kOneByThirtyTwo);
    EXPECT_EQ(lowColour.Brush(), first);

    CGradient flat(32);
    EXPECT_FALSE(flat.Create(RGB(1, 2, 3), 0, kOneByThirtyTwo));
    EXPECT_EQ(flat.Kind(), GradientKind::kSolid);
}

TEST(GradientWindow, SameArgumentsKeepTheBitmapOthersRemakeIt) {
    CGradient gradient(32);
    ASSERT_TRUE(gradient.Create(RGB(180, 255, 180), -3, kOneByThirtyTwo));
    const HBITMAP first = gradient.Bitmap();
    EXPECT_TRUE(gradient.Create(RGB(180, 255, 180), -3, kOneByThirtyTwo));
    EXPECT_EQ(gradient.Bitmap(), first);
    EXPECT_TRUE(gradient.Create(RGB(192, 192, 70), 2, kOneByThirtyTwo));
    EXPECT_EQ(WindowPicture(gradient.Bitmap()).At(0, 0), RGB(192, 192, 70));
}

// A gradient stretched over a button face through the off-screen surface.
TEST(GradientWindow, GradientIsStretchedAndOutlinedThroughTheMemorySurface) {
    CGradient grey(32);
    grey.Create(RGB(210, 210, 210), -3, kOneByThirtyTwo);
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
