#include "ui/controls/slider_geometry.h"

namespace cantivo::ui {

PlanePoint SliderHandleTopLeft(int clientWidth, int clientHeight, int pos, int min, int max) {
    const long long travel = clientWidth - kSliderHandleWidth;
    return {static_cast<int>(travel * (pos - min) / (max - min)), clientHeight - kSliderHandleHeight};
}

SliderScale SliderScaleFor(int w, int h) {
    const int r = w - 13;
    const int m = (r + 11) / 2;
    const int labelBottom = h - 18;
    return {
        {11, m, r},
        {(r + 33) / 4, (3 * r + 11) / 4},
        {{0, 0, 24, labelBottom}, {m - 12, 0, m + 12, labelBottom}, {w - 24, 0, w, labelBottom}},
    };
}

int ClampSliderPos(int pos, int min, int max) {
    if (pos < min) return min;
    if (pos > max) return max;
    return pos;
}

int SliderPosAfterKey(SliderKey key, int pos, int min, int max) {
    switch (key) {
        case SliderKey::kHome:
            return ClampSliderPos((min + max) / 2, min, max);
        case SliderKey::kLeft:
            return ClampSliderPos(pos - 1, min, max);
        case SliderKey::kRight:
            return ClampSliderPos(pos + 1, min, max);
        case SliderKey::kOther:
            break;
    }
    return pos;
}

int SliderPosAfterDrag(int dx, int pos, int min, int max) { return ClampSliderPos(pos + dx, min, max); }

}  // namespace cantivo::ui
