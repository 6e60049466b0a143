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

TEST(GradientWindow, GreyAndRedGradientsOfTheButtons) {
    CGradient grey(32);
    ASSERT_TRUE(grey.Create(RGB(210, 210, 210), -3, kOneByThirtyTwo));
    EXPECT_EQ(grey.Kind(), GradientKind::kBitmap);
    const Picture greyRows = BitmapPicture(grey.Bitmap());
    ASSERT_EQ(greyRows.Height(), 32);
    EXPECT_EQ(greyRows.At(0, 0), RGB(210, 210, 210));
    EXPECT_EQ(greyRows.At(0, 1), RGB(207, 207, 207));
    EXPECT_EQ(greyRows.At(0, 31), RGB(117, 117, 117));

    CGradient red(32);
    ASSERT_TRUE(red.Create(RGB(192, 100, 100), 2, kOneByThirtyTwo));
    const Picture redRows = BitmapPicture(red.Bitmap());
    EXPECT_EQ(redRows.At(0, 0), RGB(192, 100, 100));
    EXPECT_EQ(redRows.At(0, 31), RGB(254, 162, 162));
}

TEST(GradientWindow, OneChannelClampsWhileTheOthersGoOn) {
    CGradient gradient(32);
    ASSERT_TRUE(gradient.Create(RGB(250, 10, 10), 2, kOneByThirtyTwo));
    const Picture rows = BitmapPicture(gradient.Bitmap());
    EXPECT_EQ(rows.At(0, 2), RGB(254, 14, 14));
    EXPECT_EQ(rows.At(0, 3), RGB(255, 16, 16));
    EXPECT_EQ(rows.At(0, 31), RGB(255, 72, 72));
}

TEST(GradientWindow, FewColoursOrNoStepGiveASolidBrush) {
    CGradient lowColour(8);
    EXPECT_FALSE(lowColour.Create(RGB(210, 210, 210), -3, kOneByThirtyTwo));
    EXPECT_EQ(lowColour.Kind(), GradientKind::kSolid);
    EXPECT_EQ(lowColour.Bitmap(), nullptr);
    LOGBRUSH brush{};
    ASSERT_NE(lowColour.Brush(), nullptr);
    GetObjectA(lowColour.Brush(), sizeof brush, &brush);
    EXPECT_EQ(brush.lbColor, RGB(210, 210, 210));

    CGradient flat(32);
    EXPECT_FALSE(flat.Create(RGB(1, 2, 3), 0, kOneByThirtyTwo));
    EXPECT_EQ(flat.Kind(), GradientKind::kSolid);
}

TEST(GradientWindow, SameArgumentsKeepTheBitmap) {
    CGradient gradient(32);
    ASSERT_TRUE(gradient.Create(RGB(180, 255, 180), -3, kOneByThirtyTwo));
    const HBITMAP first = gradient.Bitmap();
    EXPECT_TRUE(gradient.Create(RGB(180, 255, 180), -3, kOneByThirtyTwo));
    EXPECT_EQ(gradient.Bitmap(), first);
    // A different colour builds a new one, and the old handle is gone.
    EXPECT_TRUE(gradient.Create(RGB(192, 192, 70), 2, kOneByThirtyTwo));
    EXPECT_EQ(BitmapPicture(gradient.Bitmap()).At(0, 0), RGB(192, 192, 70));
    // A solid brush is remade, and the bitmap dropped, when the display cannot show it.
    CGradient lowColour(8);
    lowColour.Create(RGB(9, 9, 9), 2, kOneByThirtyTwo);
    const HBRUSH brush = lowColour.Brush();
    lowColour.Create(RGB(9, 9, 9), 2, kOneByThirtyTwo);
    EXPECT_EQ(lowColour.Brush(), brush);
}

// A gradient stretched over a button face through the off-screen surface.
TEST_F(WindowTest, GradientIsStretchedAndOutlinedThroughTheMemorySurface) {
    CGradient grey(32);
    grey.Create(RGB(210, 210, 210), -3, kOneByThirtyTwo);
    CGradient solid(8);
    solid.Create(RGB(0, 128, 255), -3, kOneByThirtyTwo);

    HDC screen = GetDC(nullptr);
    HBITMAP target = CreateCompatibleBitmap(screen, 40, 64);
    ui::CDC dc;
    dc.CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    {
        ui::SelectedObject selected(dc, target);
        ui::CMemDC2 surface(dc, CRect(0, 0, 40, 64));
        ui::SelectedObject pen(surface, GetStockObject(WHITE_PEN));
        grey.Draw(surface, CRect(0, 0, 20, 64));
        solid.Draw(surface, CRect(20, 0, 40, 64));
    }
    const Picture picture = BitmapPicture(target);
    DeleteObject(target);
    EXPECT_EQ(picture.At(0, 0), RGB(255, 255, 255));  // the outline
    EXPECT_EQ(picture.At(10, 2), RGB(207, 207, 207));  // rows doubled: row 2 is the second
    EXPECT_EQ(picture.At(10, 62), RGB(117, 117, 117));
    EXPECT_EQ(picture.At(30, 30), RGB(0, 128, 255));
    EXPECT_EQ(picture.At(39, 30), RGB(255, 255, 255));
}

}  // namespace
}  // namespace cantivo::test
