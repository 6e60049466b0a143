#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "styles/style_information.h"
#include "tests/support/style_files.h"

namespace cantivo::test {
namespace {

template <std::size_t N>
void SetField(char (&field)[N], const std::string& text) {
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), std::min(N, text.size()));
}

struct RangeCase {
    std::int16_t low;
    std::int16_t high;
    const char* shown;
};

TEST(RangeTexts, ShowOneValueOrBoth) {
    for (const auto& [low, high, shown] : {RangeCase{120, 120, "120"}, RangeCase{100, 140, "100...140"},
                                           RangeCase{-5, 10, "-5...10"}, RangeCase{-32768, 32767, "-32768...32767"}})
        EXPECT_EQ(NumberRangeText(low, high), shown);
    // Every note-value threshold and the value just below it, and durations
    // below 0, which take the shortest name.
    const RangeCase noteValues[] = {
        {30, 120, "1/4...1/1"},   {29, 29, "1/4T"},          {1, 1, "1/64T"},           {5000, 5000, "8/1"},
        {125, 200, "1/1...1/1"},  {999, 1000, "7/1...8/1"},  {799, 800, "6/1...7/1"},   {699, 700, "5/1...6/1"},
        {599, 600, "4/1...5/1"},  {499, 500, "3/1...4/1"},   {379, 380, "2/1...3/1"},   {249, 250, "1/1...2/1"},
        {119, 120, "1/2...1/1"},  {59, 60, "1/4...1/2"},     {21, 22, "1/8...1/4T"},    {14, 15, "1/8T...1/8"},
        {10, 11, "1/16...1/8T"},  {6, 7, "1/16T...1/16"},    {4, 5, "1/32...1/16T"},    {3, 4, "1/32T...1/32"},
        {2, 3, "1/64...1/32T"},   {0, 2, "1/64T...1/64"},    {-1, 0, "1/64T...1/64T"},  {-32768, -32768, "1/64T"}};
    for (const auto& [low, high, shown] : noteValues) EXPECT_EQ(NoteValueRangeText(low, high), shown) << low;
}

TEST(Requirements, EachControlInTurnWithItsText) {
    StyleFileHeader header = SampleStyle().header;  // its description follows the examples
    header.nVelocityMax = header.nVelocityMin;
    SetField(header.szTestExamples, "0123456789abcdefNEXT");  // fills the field, no NUL
    const std::vector<std::pair<int, std::string>> expected{
        {1105, "90...140"},   {1106, "1/8...1/1"}, {1107, "40"},      {1108, "-5...127"},
        {1109, "Lead sheet"}, {1110, "CC100"},     {1111, "36...96"}, {1112, "480"},
        {1113, "4/4"},        {1114, "Grace notes"}, {1115, "None"},  {1116, "Ghosts"},
        {1117, "Trills"},     {1118, "0123456789abcdef"},
    };
    EXPECT_EQ(StyleRequirementTexts(header), expected);
    header.nTimeBase = 0;  // any time base will do
    EXPECT_EQ(StyleRequirementTexts(header)[7], (std::pair<int, std::string>{1112, "Indifferent"}));
}

struct DescriptionCase {
    const char* name;
    std::string description;
    std::string text;
    std::string label;
    std::vector<std::pair<int, int>> presets;
};

void PrintTo(const DescriptionCase& c, std::ostream* out) { *out << '"' << c.description << '"'; }

class Description : public testing::TestWithParam<DescriptionCase> {};

TEST_P(Description, SplitsTextPresetsAndLabel) {
    StyleFileHeader header = BlankStyleHeader();
    SetField(header.szDescription, GetParam().description);
    std::memset(header.abReserved, 'y', sizeof header.abReserved);  // never part of the description
    const StyleDescription parsed = ParseStyleDescription(header);
    EXPECT_EQ(parsed.text, GetParam().text);
    EXPECT_EQ(parsed.variableLabel, GetParam().label);
    EXPECT_EQ(parsed.axisPresets, GetParam().presets);
}

using Presets = std::vector<std::pair<int, int>>;

INSTANTIATE_TEST_SUITE_P(
    Descriptions, Description,
    testing::Values(
        DescriptionCase{"Plain", "A gentle swing.", "A gentle swing.", "Variable", {}},
        DescriptionCase{"PresetsAndLabel", "Warm swing%1253$Feel", "Warm swing", "Feel", Presets{{0, 0}, {1, 1}, {2, 4}, {3, 2}}},
        DescriptionCase{"ZeroDigit", "T%0234", "T", "Variable", Presets{{1, 1}, {2, 2}, {3, 3}}},
        DescriptionCase{"EightDigit", "T%1834", "T", "Variable", Presets{{0, 0}, {2, 2}, {3, 3}}},
        DescriptionCase{"Letter", "T%12x7", "T", "Variable", Presets{{0, 0}, {1, 1}, {3, 6}}},
        DescriptionCase{"LabelFirst", "Intro$Label %1111 kept", "Intro", "Label %1111 kept", {}},
        DescriptionCase{"TwoGroups", "%1111%2345$L", "", "L", Presets{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {0, 1}, {1, 2}, {2, 3}, {3, 4}}},
        DescriptionCase{"TextAfterGroup", "T%7777 then $L", "T", "Variable", Presets{{0, 6}, {1, 6}, {2, 6}, {3, 6}}},
        DescriptionCase{"GroupCutShort", "T%12", "T", "Variable", Presets{{0, 0}, {1, 1}}},
        DescriptionCase{"MarkAtEnd", "T%", "T", "Variable", {}},
        DescriptionCase{"FullFieldNoNul", std::string(kDescriptionBytes + 8, 'x'), std::string(kDescriptionBytes, 'x'), "Variable", {}}),
    [](const testing::TestParamInfo<DescriptionCase>& info) { return info.param.name; });

}  // namespace
}  // namespace cantivo::test
