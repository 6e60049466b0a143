// What a gradient button shows for its state, and its caption read as a number.
#pragma once

#include <string>

#include "ui/controls/gradient_rows.h"

namespace cantivo::ui {

enum class GradBtnMode : int { kToggle = 0, kMomentary = 1 };

struct GradBtnLook {
    int face = 0;        // 0 normal, unchecked or disabled; 1 checked; a momentary button's own choice
    bool sunken = false;  // the bevel's light and dark sides swapped
    ColourRef captionColour = 0;
};

constexpr ColourRef kBevelLight = MakeColour(210, 210, 210);
constexpr ColourRef kBevelDark = MakeColour(96, 96, 96);

GradBtnLook GradBtnLookFor(bool enabled, GradBtnMode mode, int faceIndex, bool checked, bool pressed);

// Leading white space, an optional sign, then digits up to the first other
// character; 0 when there are none.
int CaptionNumber(const std::string& caption);

}  // namespace cantivo::ui
