// The seven parameters a user sets, by the short names the command line uses.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cantivo::host {

struct ParameterName {
    int index;               // the engine's parameter index, 1..7
    const char* shortName;   // on the command line
    const char* pageName;    // as the property page shows it
};

inline constexpr ParameterName kParameterNames[] = {
    {1, "start", "Start Time"}, {2, "duration", "Durations"},    {3, "velocity", "Velocity"},
    {4, "expression", "Expression*"}, {5, "wheel", "Wheel"}, {6, "modulation", "Modulation"},
    {7, "variable", "Variable"},
};

// Parameter 7 has a depth only.
inline constexpr int kVariableParameter = 7;

// The index of a short name, letter case ignored.
std::optional<int> ParameterIndex(std::string_view shortName);

// "start, duration, ..." for messages and help.
std::string ParameterNameList();

}  // namespace cantivo::host
