#include "ui/controls/gradient_rows.h"

#include <algorithm>
#include <cstdint>

namespace cantivo::ui {

namespace {
int ClampedChannel(int channel, int step, int row) {
    const std::int64_t value = channel + static_cast<std::int64_t>(step) * row;
    return static_cast<int>(std::clamp<std::int64_t>(value, 0, 255));
}
}  // namespace

GradientKind GradientKindFor(int step, int displayBitsPerPixel) {
    return step == 0 || displayBitsPerPixel <= 8 ? GradientKind::kSolid : GradientKind::kBitmap;
}

ColourRef GradientRowColour(ColourRef top, int step, int row) {
    return MakeColour(ClampedChannel(RedOf(top), step, row), ClampedChannel(GreenOf(top), step, row),
                      ClampedChannel(BlueOf(top), step, row));
}

int DibRowStride(int width, int bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }

std::vector<std::uint8_t> GradientPixels(ColourRef top, int step, int width, int height) {
    const int stride = DibRowStride(width, 24);
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(stride) * height);
    for (int row = 0; row < height; ++row) {
        const ColourRef colour = GradientRowColour(top, step, row);
        // Bottom-up: the top row of the picture is the last row in memory.
        std::uint8_t* line = pixels.data() + static_cast<std::size_t>(height - 1 - row) * stride;
        for (int x = 0; x < width; ++x) {
            line[3 * x] = static_cast<std::uint8_t>(BlueOf(colour));
            line[3 * x + 1] = static_cast<std::uint8_t>(GreenOf(colour));
            line[3 * x + 2] = static_cast<std::uint8_t>(RedOf(colour));
        }
    }
    return pixels;
}

}  // namespace cantivo::ui
