// Our rule modules, each run as the rule stage would run it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>
#include <random>

#include "engine/record_order.h"
#include "platform/dynamic_library.h"
#include "platform/files.h"
#include "tests/support/records.h"

namespace cantivo::test {
namespace {

enum OurModule { kStartTime = 1, kDurations = 2, kVelocity = 3, kExpression = 4, kModulation = 6, kSwing = 7 };

constexpr std::uint32_t kBeat = 480;
constexpr std::uint32_t kBar = 4 * kBeat;

struct ModuleCall {
    SettingsRegion settings{};
    std::string ruleText = "seed=5";
    std::uint16_t timeBase = 480;
    std::uint8_t expressionController = 11;
};

// Every row at depth 100 but `parameter`'s (row 7, the variable depth, takes the depth only).
ModuleCall Call(int parameter, std::uint16_t depth, std::uint16_t random = 0) {
    ModuleCall call;
    for (ParamEntry& entry : call.settings.params.aEntry) entry = {100, 0};
    call.settings.params.wVariableDepth = parameter == 7 ? depth : 100;
    if (parameter != 7) call.settings.params.aEntry[parameter] = {depth, random};
    return call;
}

// `records` ends with an end record; so does the result. The buffer handed to
// the module is exactly as large as the input, so modules that add records
// must grow it. The meter is 4/4.
std::vector<EventRecord> RunModule(int module, const std::vector<EventRecord>& records, const ModuleCall& call) {
    const auto path = std::filesystem::path(platform::ThisModuleFilePath()).parent_path() /
                      ("R" + std::to_string(module) + ".DLL");
    platform::DynamicLibrary library(path.string());
    EXPECT_TRUE(library) << path;
    auto convert = reinterpret_cast<QV12ConvertFunction>(library.Symbol(kRuleEntryPoint));
    if (!convert) return {};

    auto bytesInUse = static_cast<std::int32_t>(records.size() * sizeof(EventRecord));
    std::int32_t capacity = bytesInUse;
    HGLOBAL events = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, static_cast<SIZE_T>(capacity));
    std::memcpy(GlobalLock(events), records.data(), static_cast<std::size_t>(bytesInUse));
    GlobalUnlock(events);

    std::string text = call.ruleText;
    SettingsRegion settings = call.settings;
    std::uint8_t params[kSlotParamBytes] = {};
    EXPECT_NE(convert(nullptr, text.data(), &events, &capacity, &bytesInUse, &settings, params, 0x0204, 0,
                      call.timeBase, call.expressionController),
              0);
    EXPECT_LE(bytesInUse, capacity);
    EXPECT_LE(static_cast<SIZE_T>(capacity), GlobalSize(events));
    const auto* base = static_cast<const EventRecord*>(GlobalLock(events));
    std::vector<EventRecord> result(base, base + bytesInUse / sizeof(EventRecord));
    GlobalUnlock(events);
    GlobalFree(events);
    return result;
}

// What holds for every module's result: sorted, end record last and after
// every note's end, no two notes of one key and channel sounding at once.
void ExpectValidBuffer(const std::vector<EventRecord>& records) {
    ASSERT_FALSE(records.empty());
    ASSERT_TRUE(IsEndRecord(records.back()));
    std::map<int, std::uint32_t> soundingUntil;
    for (std::size_t i = 0; i + 1 < records.size(); ++i) {
        const EventRecord& r = records[i];
        ASSERT_FALSE(IsEndRecord(r)) << i;
        if (i > 0) {
            ASSERT_LE(CompareRecords(records[i - 1], r), 0) << "out of order at " << i;
        }
        if (!IsNote(r)) continue;
        EXPECT_LE(RecordTime(r) + NoteDuration(r), RecordTime(records.back())) << i;
        const int voice = r.kind << 4 | (r.data[3] & 0x0F);
        const auto found = soundingUntil.find(voice);
        const std::uint32_t free = found == soundingUntil.end() ? 0 : found->second;
        ASSERT_LE(free, RecordTime(r)) << "key " << int{r.kind} << " overlaps at " << RecordTime(r);
        soundingUntil[voice] = RecordTime(r) + NoteDuration(r);
    }
}

std::vector<EventRecord> Finished(std::vector<EventRecord> records) {
    SortRecords(records.data(), records.size());
    std::uint32_t end = 0;
    for (const EventRecord& r : records) end = std::max(end, RecordTime(r) + (IsNote(r) ? NoteDuration(r) : 0));
    records.push_back(MetaRecord(end, kEndRecord));
    return records;
}

// Eight bars: an eighth-note line at one velocity over held chords.
std::vector<EventRecord> Piece() {
    std::vector<EventRecord> records = {ControllerRecord(0, 11, 100, 0), ControllerRecord(0, 11, 90, 1)};
    for (std::uint32_t time = 0; time < 8 * kBar; time += kBeat / 2)
        records.push_back(NoteRecord(time, static_cast<std::uint8_t>(60 + time / (kBeat / 2) % 8), 80, 200, 0));
    for (std::uint32_t bar = 0; bar < 8; ++bar)
        for (std::uint8_t key : {48, 52, 55}) records.push_back(NoteRecord(bar * kBar, key, 70, kBar, 1));
    return Finished(records);
}

// Dense random material with repeated keys, so overlaps are easy to make.
std::vector<EventRecord> RandomMaterial(unsigned seed) {
    std::mt19937 random(seed);
    std::vector<EventRecord> records;
    for (int i = 0; i < 400; ++i) {
        const auto time = static_cast<std::uint32_t>(random() % (16 * kBar));
        switch (random() % 4) {
            case 0: records.push_back(ControllerRecord(time, 11, random() % 128, random() % 3)); break;
            default:
                records.push_back(NoteRecord(time, static_cast<std::uint8_t>(60 + random() % 4), 1 + random() % 127,
                                             static_cast<std::uint16_t>(random() % 1500), random() % 3));
        }
    }
    return Finished(records);
}

std::vector<EventRecord> Notes(const std::vector<EventRecord>& records, std::uint8_t channel) {
    std::vector<EventRecord> notes;
    for (const EventRecord& r : records)
        if (IsNote(r) && (r.data[3] & 0x0F) == channel) notes.push_back(r);
    return notes;
}

bool SameBytes(const std::vector<EventRecord>& a, const std::vector<EventRecord>& b) {
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(EventRecord)) == 0;
}

// Each module works on the row of its own number.
using EveryModule = ::testing::TestWithParam<int>;

// Depth 0 changes nothing, depth 100 changes something, and a run repeats exactly.
TEST_P(EveryModule, DepthDecidesAndTheSameRunGivesTheSameBytes) {
    const auto piece = Piece();
    EXPECT_TRUE(SameBytes(RunModule(GetParam(), piece, Call(GetParam(), 0, 30)), piece));
    EXPECT_FALSE(SameBytes(RunModule(GetParam(), piece, Call(GetParam(), 100, 20)), piece));
    const ModuleCall call = Call(GetParam(), 150, 30);
    EXPECT_TRUE(SameBytes(RunModule(GetParam(), piece, call), RunModule(GetParam(), piece, call)));
}

// Random material first; then rule text from a style file anyone may pass on:
// numbers out of any sensible range, or wrapped when read into 32 bits, must
// neither crash a module nor let it add without end, on dense material or a
// sparse span.
TEST_P(EveryModule, KeepsTheBufferValidAndBounded) {
    const auto check = [&](const std::vector<EventRecord>& material, const std::string& text, std::uint16_t timeBase) {
        SCOPED_TRACE(text + " at " + std::to_string(timeBase));
        ModuleCall call = Call(GetParam(), 200, 30);
        call.ruleText = text;
        call.timeBase = timeBase;
        const auto out = RunModule(GetParam(), material, call);
        ExpectValidBuffer(out);
        EXPECT_LE(out.size(), material.size() * 17 + 1024);
    };
    for (unsigned seed = 1; seed <= 20; ++seed) check(RandomMaterial(seed), "seed=" + std::to_string(seed), 480);
    const std::vector<EventRecord> sparse =
        Finished({NoteRecord(0, 60, 80, 200, 0), NoteRecord(kLatestRecordTime - 0x10000, 62, 80, 200, 0)});
    for (const auto& material : {Piece(), sparse}) {
        for (const char* text : {"seed=5", "bars=33554432", "bars=-5", "delay=-50", "delay=4294967295",
                                 "delay=2147483647", "step=12", "step=-1", "step=2147483647", "long=-1 step=1",
                                 "length=-2147483648"}) {
            for (std::uint16_t timeBase : {480, 65535}) check(material, text, timeBase);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(RuleModules, EveryModule,
                         ::testing::Values(kStartTime, kDurations, kVelocity, kExpression, kModulation, kSwing),
                         [](const auto& info) { return "R" + std::to_string(info.param); });

TEST(StartTime, OffBeatNotesSitBackAndPhraseEndsBroaden) {
    const auto line = Notes(RunModule(kStartTime, Piece(), Call(1, 100)), 0);
    // Bar 1: the down-beat note stays closer to its written time than the off-beat after it.
    const auto late = [](const EventRecord& note, std::uint32_t written) { return RecordTime(note) - written; };
    EXPECT_LT(late(line[0], 0), late(line[1], kBeat / 2));
    // The last bar of the four-bar phrase is later than its first bar.
    EXPECT_GT(late(line[3 * 8 + 7], 3 * kBar + 7 * kBeat / 2), late(line[0 * 8 + 7], 7 * kBeat / 2));
}

TEST(Durations, ShortensPlainNotesAndKeepsAccents) {
    auto piece = Piece();
    for (EventRecord& r : piece)
        if (IsNote(r) && RecordTime(r) == 3 * kBeat / 2 && r.data[3] == 0) r.data[0] = 120;  // an accent off the beat
    const auto line = Notes(RunModule(kDurations, piece, Call(2, 100)), 0);
    EXPECT_LT(NoteDuration(line[1]), 200);  // plain off-beat note
    EXPECT_EQ(NoteDuration(line[3]), 200);  // the loud one
    EXPECT_EQ(NoteDuration(line[0]), 200);  // first beat of the bar
    ModuleCall longer = Call(2, 100);
    longer.ruleText = "length=130";
    EXPECT_GT(NoteDuration(Notes(RunModule(kDurations, piece, longer), 0)[1]), 200);
}

TEST(Velocity, DownBeatIsLouderThanTheOffBeatAfterIt) {
    const auto line = Notes(RunModule(kVelocity, Piece(), Call(3, 100, 20)), 0);
    for (std::size_t bar = 0; bar < 8; ++bar) EXPECT_GT(line[bar * 8].data[0], line[bar * 8 + 1].data[0]) << bar;
}

TEST(Expression, SwellsThroughThePhraseOnTheChosenController) {
    ModuleCall call = Call(4, 100);
    call.expressionController = 7;
    auto piece = Piece();
    for (EventRecord& r : piece)
        if (IsController(r)) r.data[0] = 7;
    const auto out = RunModule(kExpression, piece, call);
    std::vector<EventRecord> curve;
    for (const EventRecord& r : out)
        if (IsControllerNumber(r, 7) && (r.kind & 0x0F) == 0) curve.push_back(r);
    ASSERT_GT(curve.size(), 20u);
    EXPECT_EQ(curve[0].data[1], 100);  // the level before the first note stays
    const auto at = [&](std::uint32_t time) {
        return std::find_if(curve.begin(), curve.end(), [&](auto& r) { return RecordTime(r) >= time; })->data[1];
    };
    EXPECT_GT(at(2 * kBar), at(kBeat / 2));       // the phrase's middle above its start
    EXPECT_GT(at(2 * kBar), at(4 * kBar - kBeat));  // and above its end
    for (const EventRecord& r : out) EXPECT_FALSE(IsControllerNumber(r, 11));
}

TEST(Modulation, LongNotesGetVibratoThatEndsWithThem) {
    const auto out = RunModule(kModulation, Piece(), Call(6, 100));
    std::vector<EventRecord> wheel;
    for (const EventRecord& r : out)
        if (IsControllerNumber(r, kModulationController)) wheel.push_back(r);
    ASSERT_FALSE(wheel.empty());
    for (const EventRecord& r : wheel) EXPECT_EQ(r.kind, 0xB1);  // only the held chords are long
    const auto firstBar = std::count_if(wheel.begin(), wheel.end(), [](auto& r) { return RecordTime(r) <= kBar; });
    EXPECT_GT(firstBar, 3);
    const EventRecord& release = *std::find_if(wheel.begin(), wheel.end(), [](auto& r) { return RecordTime(r) == kBar; });
    EXPECT_EQ(release.data[1], 0);
    const auto peak = std::max_element(wheel.begin(), wheel.end(), [](auto& a, auto& b) { return a.data[1] < b.data[1]; });
    EXPECT_EQ(peak->data[1], 40);
}

TEST(Swing, OffBeatsMoveTowardsTheTriplet) {
    const auto full = Notes(RunModule(kSwing, Piece(), Call(7, 100)), 0);
    EXPECT_EQ(RecordTime(full[0]), 0u);
    EXPECT_EQ(RecordTime(full[1]), kBeat / 2 + kBeat / 6);
    EXPECT_EQ(RecordTime(full[2]), kBeat);
    const auto half = Notes(RunModule(kSwing, Piece(), Call(7, 50)), 0);
    EXPECT_EQ(RecordTime(half[1]), kBeat / 2 + kBeat / 12);
}

}  // namespace
}  // namespace cantivo::test
