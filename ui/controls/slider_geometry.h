// The arithmetic of the slider: where its handle sits, where the ticks and
// labels go, and how keys and drags move the position.
#pragma once

#include "ui/framework/plane.h"

namespace cantivo::ui {

constexpr int kSliderHandleWidth = 24;
constexpr int kSliderHandleHeight = 12;

// The handle's top-left for a position within min..max (max != min).
PlanePoint SliderHandleTopLeft(int clientWidth, int clientHeight, int pos, int min, int max);

struct SliderScale {
    int longTicks[3];   // both ends and the middle
    int shortTicks[2];  // the quarters
    PlaneRect labels[3];  // "0", "100", "200"
};

SliderScale SliderScaleFor(int clientWidth, int clientHeight);

int ClampSliderPos(int pos, int min, int max);

enum class SliderKey { kHome, kLeft, kRight, kOther };

// The position after a key, within the range.
int SliderPosAfterKey(SliderKey key, int pos, int min, int max);

// The position after the cursor moved dx pixels from the anchor, within the range.
int SliderPosAfterDrag(int dx, int pos, int min, int max);

}  // namespace cantivo::ui
