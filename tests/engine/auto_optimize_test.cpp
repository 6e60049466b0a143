#include <gtest/gtest.h>

#include <tuple>

#include "engine/auto_optimize.h"
#include "tests/support/records.h"

namespace cantivo::test {
namespace {

ThinningSettings Only(ThinningKind ThinningSettings::*kind, std::int32_t threshold) {
    ThinningSettings settings;
    (settings.*kind) = {true, threshold};
    return settings;
}

// The values of the records kept: controller values of one number, wheel
// values (number kWheel) or tempo values (number kTempo).
constexpr int kWheel = -1;
constexpr int kTempo = -2;
// The records a thinner keeps, as it leaves them.
std::vector<EventRecord> Thinned(const std::vector<EventRecord>& input, const ThinningSettings& settings) {
    RecordThinner thinner(settings);
    std::vector<EventRecord> kept;
    for (const EventRecord& record : input) {
        PackedRecord r = PackedRecord::Load(record);
        if (!thinner.Keep(r)) continue;
        r.Store(kept.emplace_back());
    }
    return kept;
}

std::vector<int> Kept(const std::vector<EventRecord>& input, const ThinningSettings& settings, int number) {
    std::vector<int> values;
    for (const EventRecord& r : Thinned(input, settings)) {
        if (number == kWheel && IsWheel(r)) values.push_back(WheelValue(r));
        if (number == kTempo && r.kind == kMetaKind && r.data[0] == kTempoRecord) values.push_back(r.data[1]);
        if (number >= 0 && IsControllerNumber(r, static_cast<std::uint8_t>(number))) values.push_back(r.data[1]);
    }
    return values;
}

struct Case {
    const char* what;
    ThinningSettings settings;
    std::vector<EventRecord> input;
    int number;
    std::vector<int> kept;
};

TEST(AutoOptimize, EachKindKeepsChangesFromTheLastValueKept) {
    ThinningSettings volume7 = Only(&ThinningSettings::expression, 3);
    volume7.expressionController = 7;
    const auto C = [](std::uint32_t time, std::uint8_t number, std::uint8_t value, std::uint8_t channel = 0) {
        return ControllerRecord(time, number, value, channel);
    };
    const Case cases[] = {
        {"expression", Only(&ThinningSettings::expression, 3), {C(0, 11, 100), C(1, 11, 101), C(2, 11, 103), C(3, 11, 110)},
         11, {100, 103, 110}},
        {"expression on its controller", volume7, {C(0, 7, 100), C(1, 7, 101), C(2, 11, 100), C(3, 11, 101)}, 7, {100}},
        {"controller 11 when not expression", volume7, {C(0, 7, 100), C(1, 7, 101), C(2, 11, 100), C(3, 11, 101)}, 11,
         {100, 101}},
        {"modulation back to zero", Only(&ThinningSettings::modulation, 5), {C(0, 1, 2), C(1, 1, 0)}, 1, {2, 0}},
        {"modulation near zero", Only(&ThinningSettings::modulation, 4), {C(0, 1, 0), C(1, 1, 1), C(2, 1, 2), C(3, 1, 0)},
         1, {0}},
        {"wheel", Only(&ThinningSettings::wheel, 8),
         {WheelRecord(0, 0), WheelRecord(1, 3), WheelRecord(2, 100), WheelRecord(3, 102), WheelRecord(4, 108),
          WheelRecord(5, 0)},
         kWheel, {0, 100, 108, 0}},
        {"negative wheel", Only(&ThinningSettings::wheel, 8),
         {WheelRecord(0, -200), WheelRecord(1, -195), WheelRecord(2, -150)}, kWheel, {-200, -150}},
        {"one last value for all channels", Only(&ThinningSettings::pan, 5), {C(0, 10, 10, 1), C(1, 10, 12, 2)}, 10, {10}},
        {"tempo", Only(&ThinningSettings::tempo, 2),
         {MetaRecord(0, kTempoRecord, 120), MetaRecord(1, kTempoRecord, 121), MetaRecord(2, kTempoRecord, 125)}, kTempo,
         {120, 125}},
        {"kinds that are off", Only(&ThinningSettings::expression, 2), {C(0, 10, 10), C(1, 10, 10)}, 10, {10, 10}},
    };
    for (const Case& c : cases) EXPECT_EQ(Kept(c.input, c.settings, c.number), c.kept) << c.what;
}

TEST(AutoOptimize, SmallBendAfterALargeOneBecomesCentreInPlace) {
    const auto out =
        Thinned({MetaRecord(0, kPhraseMarker, 1), WheelRecord(1, 100), WheelRecord(2, 5)}, Only(&ThinningSettings::wheel, 8));
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0].data[0], kPhraseMarker);  // other records stay
    EXPECT_EQ((std::tuple{RecordTime(out[2]), +out[2].data[0], +out[2].data[1]}), (std::tuple{2u, 64, 0}));
}

}  // namespace
}  // namespace cantivo::test
