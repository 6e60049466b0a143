#include "ui/controls/grad_btn_look.h"

#include <cctype>
#include <climits>

namespace cantivo::ui {

GradBtnLook GradBtnLookFor(bool enabled, GradBtnMode mode, int faceIndex, bool checked, bool pressed) {
    GradBtnLook look;
    look.captionColour = enabled ? MakeColour(0, 0, 0) : MakeColour(50, 50, 50);
    if (enabled && mode == GradBtnMode::kMomentary) {
        look.face = faceIndex;
        look.sunken = pressed;
    } else if (enabled && checked) {
        look.face = 1;
        look.sunken = true;
    }
    return look;
}

int CaptionNumber(const std::string& caption) {
    std::size_t i = 0;
    while (i < caption.size() && std::isspace(static_cast<unsigned char>(caption[i]))) ++i;
    bool negative = false;
    if (i < caption.size() && (caption[i] == '+' || caption[i] == '-')) negative = caption[i++] == '-';
    long long value = 0;
    for (; i < caption.size() && std::isdigit(static_cast<unsigned char>(caption[i])); ++i) {
        value = value * 10 + (caption[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) value = INT_MAX;
    return static_cast<int>(value);
}

}  // namespace cantivo::ui
