#include "ui/controls/reg2d_geometry.h"

#include <algorithm>
#include <cmath>

namespace cantivo::ui {

namespace {
int ClampValue(int value) { return std::clamp(value, kRegValueMin, kRegValueMax); }
}  // namespace

Reg2DGeometry Reg2DGeometryFor(const PlaneRect& client) {
    Reg2DGeometry geometry;
    geometry.client = client;
    geometry.centre = {(client.left + client.right) / 2, (client.top + client.bottom) / 2};
    geometry.travel = {client.left + 11, client.top + 11, client.right - 12, client.bottom - 12};
    geometry.scaleX = geometry.travel.Width() / 200.0;
    geometry.scaleY = geometry.travel.Height() / 200.0;
    return geometry;
}

int HandleOffset(int value, double scale) {
    const double offset = (value - kRegValueCentre) * scale;
    const double whole = std::trunc(offset);
    return static_cast<int>(whole) + (offset - whole >= 0.5 ? 1 : 0);
}

PlanePoint RegHandleTopLeft(const Reg2DGeometry& geometry, bool xEnabled, int x, bool yEnabled, int y) {
    PlanePoint centre = geometry.centre;
    if (xEnabled) centre.x += HandleOffset(x, geometry.scaleX);
    if (yEnabled) centre.y -= HandleOffset(y, geometry.scaleY);
    return {centre.x - kRegHandleHalf, centre.y - kRegHandleHalf};
}

RegValues RegValuesAfterKey(RegKey key, bool xEnabled, bool yEnabled, RegValues values) {
    switch (key) {
        case RegKey::kHome:
            if (xEnabled) values.x = kRegValueCentre;
            if (yEnabled) values.y = kRegValueCentre;
            break;
        case RegKey::kLeft:
            if (xEnabled) values.x = ClampValue(values.x - 1);
            break;
        case RegKey::kRight:
            if (xEnabled) values.x = ClampValue(values.x + 1);
            break;
        case RegKey::kUp:
            if (yEnabled) values.y = ClampValue(values.y + 1);
            break;
        case RegKey::kDown:
            if (yEnabled) values.y = ClampValue(values.y - 1);
            break;
        case RegKey::kOther:
            break;
    }
    return values;
}

RegValues RegValuesAfterDrag(int dx, int dy, bool xEnabled, bool yEnabled, RegValues values) {
    if (dx != 0 && xEnabled) values.x = ClampValue(values.x + dx);
    if (dy != 0 && yEnabled) values.y = ClampValue(values.y + dy);
    return values;
}

int StoreRegValues(std::int16_t* xValue, std::int16_t* yValue, RegValues values) {
    if (xValue == yValue) {
        if (values.x != *xValue) {
            *xValue = static_cast<std::int16_t>(values.x);
            return kRegChangedX;
        }
        if (values.y != *yValue) {
            *yValue = static_cast<std::int16_t>(values.y);
            return kRegChangedY;
        }
        return kRegNoChange;
    }
    int code = kRegNoChange;
    if (values.x != *xValue) {
        *xValue = static_cast<std::int16_t>(values.x);
        code |= kRegChangedX;
    }
    if (values.y != *yValue) {
        *yValue = static_cast<std::int16_t>(values.y);
        code |= kRegChangedY;
    }
    return code;
}

int RegHandleState(bool padEnabled, bool xEnabled, bool yEnabled, bool focused) {
    if (!padEnabled) return 3;
    const int axes = xEnabled ? (yEnabled ? 0 : 2) : (yEnabled ? 1 : 3);
    return axes + (focused ? 4 : 0);
}

}  // namespace cantivo::ui
