// What the page shows of a loaded style: its requirements, its special actions,
// the test examples, the description with its axis presets and the name of the
// variable row. All of it comes from the style file's header.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "styles/style_file.h"

namespace cantivo {

// The page's controls that show the header, in the order the page sets them.
constexpr int kTempoRangeControl = 1105;
constexpr int kDurationRangeControl = 1106;
constexpr int kVelocityRangeControl = 1107;
constexpr int kExpressionRangeControl = 1108;
constexpr int kScoreTypeControl = 1109;
constexpr int kPhraseMarkControl = 1110;
constexpr int kNotesRangeControl = 1111;
constexpr int kTimeBaseControl = 1112;
constexpr int kMeterControl = 1113;
constexpr int kNotesGenControl = 1114;
constexpr int kSoloTransfControl = 1115;
constexpr int kNotesDelControl = 1116;
constexpr int kNotesDecControl = 1117;
constexpr int kTestExamplesControl = 1118;

// "low", or "low...high" when they differ.
std::string NumberRangeText(std::int16_t low, std::int16_t high);

// The same with note-value names; durations are 120 to a whole note.
std::string NoteValueRangeText(std::int16_t low, std::int16_t high);

// Each of controls 1105..1118 with its text, in the order the page sets them.
std::vector<std::pair<int, std::string>> StyleRequirementTexts(const StyleFileHeader& header);

struct StyleDescription {
    std::string text;           // the description proper
    std::string variableLabel;  // the name of the variable row
    // (axis j 0..3, value 0..6) in the order the description gives them.
    std::vector<std::pair<int, int>> axisPresets;
};

// Splits the description field: text, then "%" groups of four axis digits
// ("1".."7", anything else leaves that axis alone), then "$" and the label.
StyleDescription ParseStyleDescription(const StyleFileHeader& header);

}  // namespace cantivo
