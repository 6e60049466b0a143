// The arithmetic of the two-dimensional regulator: where its handle sits for
// a pair of values, how keys and drags change the values, and how a change is
// stored and reported.
#pragma once

#include <cstdint>

#include "ui/framework/plane.h"

namespace cantivo::ui {

constexpr int kRegValueMin = 0;
constexpr int kRegValueCentre = 100;
constexpr int kRegValueMax = 200;
constexpr int kRegHandleSize = 21;
constexpr int kRegHandleHalf = 10;

// Change codes sent with the regulator's notification; 0 sends nothing.
enum RegChange : int { kRegNoChange = 0, kRegChangedX = 1, kRegChangedY = 2, kRegChangedBoth = 3 };

struct Reg2DGeometry {
    PlaneRect client;
    PlaneRect travel;   // where the handle's centre may go
    PlanePoint centre;  // value 100 on both axes
    double scaleX = 0;  // pixels per value step
    double scaleY = 0;
};

Reg2DGeometry Reg2DGeometryFor(const PlaneRect& client);

// (value - 100) x scale in whole pixels: negative offsets are truncated,
// positive ones rounded half up.
int HandleOffset(int value, double scale);

// The handle's top-left for the values; a switched-off axis stays centred.
PlanePoint RegHandleTopLeft(const Reg2DGeometry& geometry, bool xEnabled, int x, bool yEnabled, int y);

struct RegValues {
    int x = 0;
    int y = 0;
};

enum class RegKey { kHome, kLeft, kRight, kUp, kDown, kOther };

// The values after a key; Y grows upward.
RegValues RegValuesAfterKey(RegKey key, bool xEnabled, bool yEnabled, RegValues values);

// The values after a drag displaced the cursor by dx to the right and dy upward
// from where it was pressed.
RegValues RegValuesAfterDrag(int dx, int dy, bool xEnabled, bool yEnabled, RegValues values);

// Writes the new values into the bound parameters and gives the change code.
// When both axes are bound to one parameter, X wins.
int StoreRegValues(std::int16_t* xValue, std::int16_t* yValue, RegValues values);

// The handle picture for an axis set: 0 both, 1 only Y, 2 only X, 3 neither;
// 4 more with the focus; 3 whenever the pad is disabled.
int RegHandleState(bool padEnabled, bool xEnabled, bool yEnabled, bool focused);

}  // namespace cantivo::ui
