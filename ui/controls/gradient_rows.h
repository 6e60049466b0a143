// The arithmetic of a vertical gradient: what each pixel row holds and how
// the rows are laid out for the bitmap.
#pragma once

#include <cstdint>
#include <vector>

namespace cantivo::ui {

// A Windows colour value: red in the low byte, then green, then blue.
using ColourRef = std::uint32_t;

constexpr ColourRef MakeColour(int red, int green, int blue) {
    return static_cast<ColourRef>(red & 0xFF) | static_cast<ColourRef>(green & 0xFF) << 8 |
           static_cast<ColourRef>(blue & 0xFF) << 16;
}
constexpr int RedOf(ColourRef colour) { return colour & 0xFF; }
constexpr int GreenOf(ColourRef colour) { return colour >> 8 & 0xFF; }
constexpr int BlueOf(ColourRef colour) { return colour >> 16 & 0xFF; }

// What a gradient is drawn with.
enum class GradientKind : std::int32_t { kNone = -1, kSolid = 0, kBitmap = 2 };

// A gradient needs a step and more than 256 colours; otherwise a solid brush.
GradientKind GradientKindFor(int step, int displayBitsPerPixel);

// Row 0 is the top colour; each row down adds step to red, green and blue,
// each channel held within 0..255 on its own.
ColourRef GradientRowColour(ColourRef top, int step, int row);

// Bytes per row of a device-independent bitmap: whole 32-bit words.
int DibRowStride(int width, int bitsPerPixel);

// The pixels of a 24-bit bottom-up device-independent bitmap (blue, green,
// red per pixel) holding the gradient over width x height.
std::vector<std::uint8_t> GradientPixels(ColourRef top, int step, int width, int height);

}  // namespace cantivo::ui
