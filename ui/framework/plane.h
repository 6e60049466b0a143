// Points and rectangles in pixels for the controls' geometry, free of any
// window system so the arithmetic can be tested anywhere.
#pragma once

namespace cantivo::ui {

struct PlanePoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PlanePoint&, const PlanePoint&) = default;
};

struct PlaneRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const PlaneRect&, const PlaneRect&) = default;
};

}  // namespace cantivo::ui
