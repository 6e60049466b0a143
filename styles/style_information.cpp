#include "styles/style_information.h"

#include <array>
#include <string_view>

namespace cantivo {
namespace {

struct NoteValue {
    std::int16_t threshold;
    const char* name;
};

// Searched from the top: a duration takes the first name whose threshold it reaches.
constexpr std::array<NoteValue, 19> kNoteValues{{
    {1000, "8/1"}, {800, "7/1"}, {700, "6/1"},   {600, "5/1"},  {500, "4/1"}, {380, "3/1"}, {250, "2/1"},
    {120, "1/1"},  {60, "1/2"},  {30, "1/4"},    {22, "1/4T"},  {15, "1/8"},  {11, "1/8T"}, {7, "1/16"},
    {5, "1/16T"},  {4, "1/32"},  {3, "1/32T"},   {2, "1/64"},   {0, "1/64T"},
}};

// A negative duration is shorter than any entry, so it takes the shortest name.
const char* NoteValueName(std::int16_t duration) {
    for (const NoteValue& entry : kNoteValues) {
        if (duration >= entry.threshold) return entry.name;
    }
    return kNoteValues.back().name;
}

std::string RangeText(std::int16_t low, std::int16_t high, std::string lowText, const std::string& highText) {
    if (high != low) lowText += "..." + highText;
    return lowText;
}

constexpr char kPresetMark = '%';
constexpr char kLabelMark = '$';
constexpr std::size_t kPresetDigits = 4;
constexpr const char* kDefaultVariableLabel = "Variable";

}  // namespace

std::string NumberRangeText(std::int16_t low, std::int16_t high) {
    return RangeText(low, high, std::to_string(low), std::to_string(high));
}

std::string NoteValueRangeText(std::int16_t low, std::int16_t high) {
    return RangeText(low, high, NoteValueName(low), NoteValueName(high));
}

std::vector<std::pair<int, std::string>> StyleRequirementTexts(const StyleFileHeader& h) {
    const std::string timeBase = h.nTimeBase == 0 ? "Indifferent" : NumberRangeText(h.nTimeBase, h.nTimeBase);
    return {
        {kTempoRangeControl, NumberRangeText(h.nTempoMin, h.nTempoMax)},
        {kDurationRangeControl, NoteValueRangeText(h.nDurationMin, h.nDurationMax)},
        {kVelocityRangeControl, NumberRangeText(h.nVelocityMin, h.nVelocityMax)},
        {kExpressionRangeControl, NumberRangeText(h.nExpressionMin, h.nExpressionMax)},
        {kScoreTypeControl, FieldText(h.szScoreType)},
        {kPhraseMarkControl, FieldText(h.szPhraseMark)},
        {kNotesRangeControl, NumberRangeText(h.nNotesMin, h.nNotesMax)},
        {kTimeBaseControl, timeBase},
        {kMeterControl, FieldText(h.szMeter)},
        {kNotesGenControl, FieldText(h.szNotesGen)},
        {kSoloTransfControl, FieldText(h.szSoloTransf)},
        {kNotesDelControl, FieldText(h.szNotesDel)},
        {kNotesDecControl, FieldText(h.szNotesDec)},
        {kTestExamplesControl, FieldText(h.szTestExamples)},
    };
}

StyleDescription ParseStyleDescription(const StyleFileHeader& header) {
    const std::string whole = FieldText(header.szDescription);
    const std::string_view text(whole);
    StyleDescription result;
    std::size_t at = text.find_first_of("%$");
    result.text = std::string(text.substr(0, at));
    // A group cut short by the end of the text gives the digits it has.
    while (at < text.size() && text[at] == kPresetMark) {
        const std::string_view group = text.substr(at + 1, kPresetDigits);
        for (std::size_t axis = 0; axis < group.size(); ++axis) {
            if (group[axis] >= '1' && group[axis] <= '7') {
                result.axisPresets.emplace_back(static_cast<int>(axis), group[axis] - '1');
            }
        }
        at += 1 + group.size();
    }
    result.variableLabel = at < text.size() && text[at] == kLabelMark ? std::string(text.substr(at + 1))
                                                                     : kDefaultVariableLabel;
    return result;
}

}  // namespace cantivo
