#include "styles/style_information.h"

namespace cantivo {

namespace {

struct NoteValue {
    std::int16_t threshold;
    const char* name;
};

constexpr NoteValue kNoteValues[] = {
    {1000, "8/1"}, {800, "7/1"},  {700, "6/1"},  {600, "5/1"},  {500, "4/1"},   {380, "3/1"}, {250, "2/1"},
    {120, "1/1"},  {60, "1/2"},   {30, "1/4"},   {22, "1/4T"},  {15, "1/8"},    {11, "1/8T"}, {7, "1/16"},
    {5, "1/16T"},  {4, "1/32"},   {3, "1/32T"},  {2, "1/64"},   {0, "1/64T"}};

// Values below the last threshold have no name.
std::string NoteValueName(std::int16_t value) {
    for (const NoteValue& entry : kNoteValues) {
        if (entry.threshold <= value) return entry.name;
    }
    return "";
}

}  // namespace

std::string NumberRangeText(std::int16_t low, std::int16_t high) {
    return high == low ? std::to_string(low) : std::to_string(low) + "..." + std::to_string(high);
}

std::string NoteValueRangeText(std::int16_t low, std::int16_t high) {
    return high == low ? NoteValueName(low) : NoteValueName(low) + "..." + NoteValueName(high);
}

std::vector<std::pair<int, std::string>> StyleRequirementTexts(const StyleFileHeader& h) {
    return {
        {1105, NumberRangeText(h.nTempoMin, h.nTempoMax)},
        {1106, NoteValueRangeText(h.nDurationMin, h.nDurationMax)},
        {1107, NumberRangeText(h.nVelocityMin, h.nVelocityMax)},
        {1108, NumberRangeText(h.nExpressionMin, h.nExpressionMax)},
        {1109, FieldText(h.szScoreType)},
        {1110, FieldText(h.szPhraseMark)},
        {1111, NumberRangeText(h.nNotesMin, h.nNotesMax)},
        {1112, h.nTimeBase == 0 ? std::string("Indifferent") : NumberRangeText(h.nTimeBase, h.nTimeBase)},
        {1113, FieldText(h.szMeter)},
        {1114, FieldText(h.szNotesGen)},
        {1115, FieldText(h.szSoloTransf)},
        {1116, FieldText(h.szNotesDel)},
        {1117, FieldText(h.szNotesDec)},
        {1118, FieldText(h.szTestExamples)},
    };
}

StyleDescription ParseStyleDescription(const StyleFileHeader& header) {
    const std::string all = FieldText(header.szDescription);
    StyleDescription result;
    std::size_t at = all.find_first_of("%$");
    result.text = all.substr(0, at);
    while (at < all.size() && all[at] == '%') {
        for (int j = 0; j < 4 && at + 1 + j < all.size(); ++j) {
            const char digit = all[at + 1 + j];
            if (digit >= '1' && digit <= '7') result.axisPresets.emplace_back(j, digit - '1');
        }
        at = at + 5;
    }
    result.variableLabel = at < all.size() && all[at] == '$' ? all.substr(at + 1) : std::string("Variable");
    return result;
}

}  // namespace cantivo
