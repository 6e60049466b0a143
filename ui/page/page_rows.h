// The page's grid rows 1..7 as the axis lists name them: name index p stands
// for row p + 1, and a list position is the value kept for an axis.
#pragma once

namespace cantivo {

inline constexpr const char* kAxisNames[] = {"Start Time", "Durations", "Velocity", "Expression*",
                                             "Wheel",      "Modulation", "Variable"};
inline constexpr int kVariableRow = 7;

}  // namespace cantivo
