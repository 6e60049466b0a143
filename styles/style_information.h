// The texts the page shows for a loaded style: its requirements, special
// actions, test examples, description, variable label and axis presets.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "styles/style_file.h"

namespace cantivo {

std::string NumberRangeText(std::int16_t low, std::int16_t high);
std::string NoteValueRangeText(std::int16_t low, std::int16_t high);
// Each of controls 1105..1118 with its text, in the order the page sets them.
std::vector<std::pair<int, std::string>> StyleRequirementTexts(const StyleFileHeader& header);

struct StyleDescription {
    std::string text;
    std::string variableLabel;
    std::vector<std::pair<int, int>> axisPresets;
};
// axisPresets: (axis j 0..3, value 0..6) in the order the description gives them.
StyleDescription ParseStyleDescription(const StyleFileHeader& header);

}  // namespace cantivo
