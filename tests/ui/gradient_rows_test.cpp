#include "ui/controls/gradient_rows.h"

#include <gtest/gtest.h>

#include <array>

namespace cantivo::ui {
namespace {

ColourRef PixelAt(const std::vector<std::uint8_t>& pixels, int width, int height, int x, int row) {
    const std::uint8_t* p = pixels.data() + (height - 1 - row) * DibRowStride(width, 24) + 3 * x;
    return MakeColour(p[2], p[1], p[0]);
}

TEST(GradientRows, PageGradientsOverThirtyTwoRows) {
    EXPECT_EQ(GradientRowColour(MakeColour(210, 210, 210), -3, 0), MakeColour(210, 210, 210));
    EXPECT_EQ(GradientRowColour(MakeColour(210, 210, 210), -3, 31), MakeColour(117, 117, 117));
    EXPECT_EQ(GradientRowColour(MakeColour(192, 100, 100), 2, 31), MakeColour(254, 162, 162));
    EXPECT_EQ(GradientRowColour(MakeColour(180, 255, 180), -3, 31), MakeColour(87, 162, 87));
}

TEST(GradientRows, EachChannelClampsOnItsOwn) {
    const ColourRef top = MakeColour(250, 10, 10);
    EXPECT_EQ(GradientRowColour(top, 2, 2), MakeColour(254, 14, 14));
    EXPECT_EQ(GradientRowColour(top, 2, 3), MakeColour(255, 16, 16));
    EXPECT_EQ(GradientRowColour(top, 2, 10), MakeColour(255, 30, 30));
    EXPECT_EQ(GradientRowColour(MakeColour(5, 200, 0), -2, 4), MakeColour(0, 192, 0));
    // A huge step must not overflow into the other side.
    EXPECT_EQ(GradientRowColour(top, 0x7FFFFFFF, 5), MakeColour(255, 255, 255));
    EXPECT_EQ(GradientRowColour(top, -0x7FFFFFFF, 5), MakeColour(0, 0, 0));
}

TEST(GradientRows, KindFollowsStepAndDisplayDepth) {
    EXPECT_EQ(GradientKindFor(-3, 32), GradientKind::kBitmap);
    EXPECT_EQ(GradientKindFor(2, 16), GradientKind::kBitmap);
    EXPECT_EQ(GradientKindFor(0, 32), GradientKind::kSolid);
    EXPECT_EQ(GradientKindFor(2, 8), GradientKind::kSolid);
    EXPECT_EQ(GradientKindFor(2, 4), GradientKind::kSolid);
}

TEST(GradientRows, DibRowsArePaddedToWholeWords) {
    EXPECT_EQ(DibRowStride(1, 24), 4);
    EXPECT_EQ(DibRowStride(4, 24), 12);
    EXPECT_EQ(DibRowStride(5, 24), 16);
    EXPECT_EQ(DibRowStride(21, 4), 12);
    EXPECT_EQ(DibRowStride(24, 8), 24);
}

TEST(GradientRows, PixelsAreBottomUpBlueGreenRed) {
    const auto pixels = GradientPixels(MakeColour(192, 100, 100), 2, 3, 32);
    ASSERT_EQ(pixels.size(), 12u * 32u);
    // The first bytes in memory are the bottom row.
    EXPECT_EQ((std::array{pixels[0], pixels[1], pixels[2]}), (std::array<std::uint8_t, 3>{162, 162, 254}));
    for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(PixelAt(pixels, 3, 32, x, 0), MakeColour(192, 100, 100));
        EXPECT_EQ(PixelAt(pixels, 3, 32, x, 16), MakeColour(224, 132, 132));
    }
    // The padding byte of each row stays zero.
    EXPECT_EQ((std::array{pixels[9], pixels[10], pixels[11]}), (std::array<std::uint8_t, 3>{0, 0, 0}));
}

}  // namespace
}  // namespace cantivo::ui
