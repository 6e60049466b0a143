// RECT and POINT with the few helpers the controls use.
#pragma once

#include <windows.h>

#include "ui/framework/plane.h"

namespace cantivo::ui {

struct CPoint : POINT {
    CPoint() : POINT{0, 0} {}
    CPoint(int x, int y) : POINT{x, y} {}
    explicit CPoint(LPARAM lParam)
        : POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))} {}
};

struct CRect : RECT {
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    CRect(const RECT& rect) : RECT(rect) {}
    CRect(const PlaneRect& rect) : RECT{rect.left, rect.top, rect.right, rect.bottom} {}

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    PlaneRect Plane() const { return {left, top, right, bottom}; }
    void DeflateRect(int l, int t, int r, int b) {
        left += l;
        top += t;
        right -= r;
        bottom -= b;
    }
    bool PtInRect(POINT point) const { return ::PtInRect(this, point) != FALSE; }
    bool operator==(const CRect& other) const { return EqualRect(this, &other) != FALSE; }
};

}  // namespace cantivo::ui
