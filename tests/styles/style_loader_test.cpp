#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/error_code.h"
#include "styles/style_loader.h"
#include "tests/support/filter_fixture.h"
#include "tests/support/lock_probe.h"
#include "tests/support/style_files.h"

namespace cantivo::test {
namespace {

std::vector<std::uint32_t> Locked(const CMFCMidiFilter& filter) {
    return {std::begin(filter.m_abLocked), std::end(filter.m_abLocked)};
}
const std::vector<std::uint32_t> kSampleLocked = {1, 0, 0, 0, 1, 1, 0, 0};
using Calls = std::vector<std::string>;

// Depth and random of each row, the variable depth last (random -1).
std::vector<std::pair<int, int>> Rows(const CMFCMidiFilter& filter) {
    std::vector<std::pair<int, int>> rows;
    for (const ParamEntry& entry : filter.m_Params.aEntry) rows.emplace_back(entry.wDepth, entry.wRandom);
    rows.emplace_back(filter.m_Params.wVariableDepth, -1);
    return rows;
}

// The page's side, recorded: each call, marked when the filter's lock was held
// for it, with what the state held at that moment.
class RecordingView final : public StyleView {
public:
    explicit RecordingView(CMFCMidiFilter& filter) : filter_(filter) {}

    void ShowInitialValues() override { Note("initial"); }
    void ShowStyleInformation(const StyleFileHeader& header, bool interactive) override {
        Note(interactive ? "information interactive" : "information");
        shownMeter = FieldText(header.szMeter);
    }
    void ShowRows() override {
        Note("rows");
        lockedAtRows = Locked(filter_);
    }
    void BindRegulatorAxes() override {
        Note("bind");
        slotsFilledAtBind = filter_.m_aSlots[2].pData != nullptr;
    }
    void RedrawRegulators() override { Note("redraw"); }
    void EnableOkButton(bool enable) override { Note(enable ? "ok on" : "ok off"); }
    void MarkDirty() override { Note("dirty"); }

    Calls calls;
    std::string shownMeter;
    std::vector<std::uint32_t> lockedAtRows;
    bool slotsFilledAtBind = false;

private:
    void Note(const std::string& call) {
        calls.push_back(LockIsFree(filter_.m_csLock) ? call : call + " (locked)");
    }
    CMFCMidiFilter& filter_;
};

using Bytes = std::vector<std::uint8_t>;
// A slot's label, module, data length, disabled flag, data block with its
// padding and parameters; the last two empty when it has no block.
using SlotFields = std::tuple<std::string, int, int, int, Bytes, Bytes>;

std::vector<SlotFields> Slots(const CMFCMidiFilter& filter) {
    std::vector<SlotFields> slots;
    for (const RuleSlot& s : filter.m_aSlots) {
        const bool block = s.pData != nullptr;
        slots.emplace_back(s.szName, +s.wModule, +s.nDataLen, +s.wDisabled,
                           block ? Bytes(s.pData, s.pData + s.nDataLen + kRuleDataPadding) : Bytes(),
                           block ? Bytes(s.abParams, s.abParams + kSlotParamBytes) : Bytes());
    }
    return slots;
}

// Every record in its slot, each with a block (a slot counts as one with data
// even at length 0), and the rest empty.
std::vector<SlotFields> SlotsHolding(const std::vector<StyleSlotRecord>& records) {
    std::vector<SlotFields> slots(kSlotCount, SlotFields{"", kEmptySlot, 0, 0, Bytes(), Bytes()});
    for (std::size_t i = 0; i < records.size(); ++i) {
        const StyleSlotRecord& r = records[i];
        Bytes data = r.data;
        data.resize(data.size() + kRuleDataPadding);
        slots[i] = {r.label, r.wModule, static_cast<int>(r.data.size()), r.bDisabled, data,
                    Bytes(r.abParams.begin(), r.abParams.end())};
    }
    return slots;
}

class StyleLoader : public FilterFixture {
protected:
    void SetUp() override {
        FilterFixture::SetUp();
        messages.messages.clear();
        platform::SetMessageBoxHandler([this](const std::string& text, unsigned) {
            shown.emplace_back(text, GetErrorCode(), !LockIsFree(filter->m_csLock));
            return 1;
        });
    }

    void Install(const StyleFile& style, const std::string& styleFolder = "Jazz",
                 const std::string& name = "Swing") {
        InstallStyleFile(folder, styleFolder, name + ".cnv", WriteStyleFile(style));
        Name(styleFolder, name);
    }
    void Name(const std::string& styleFolder, const std::string& name) {
        std::memset(filter->m_szStyleFolder, 0, kNameBytes);
        std::memset(filter->m_szStyleName, 0, kNameBytes);
        styleFolder.copy(filter->m_szStyleFolder, kNameBytes - 1);
        name.copy(filter->m_szStyleName, kNameBytes - 1);
    }

    // The state a failed load must leave as it was.
    auto Snapshot() {
        const auto* settings = reinterpret_cast<const std::uint8_t*>(filter->Settings());
        return std::tuple{Slots(*filter), Bytes(settings, settings + sizeof(SettingsRegion)), +filter->m_nSlotCount,
                          +filter->m_bBypass, +filter->m_bDirty};
    }

    // Refused without a window, the state stays as it was; with one, OK is
    // disabled and processing switched off. Each time the message is shown
    // with its code set, under the filter's lock.
    void ExpectRefused(std::int32_t code, const char* message) {
        const auto before = Snapshot();
        EXPECT_FALSE(LoadStyle(*filter, nullptr, false, false));
        EXPECT_EQ(GetErrorCode(), kNoError);
        EXPECT_TRUE(LockIsFree(filter->m_csLock));
        EXPECT_EQ(Snapshot(), before);
        filter->m_bBypass = 0;
        filter->m_bDirty = 0;
        RecordingView view(*filter);
        EXPECT_FALSE(LoadStyle(*filter, &view, true, false));
        EXPECT_EQ(view.calls, Calls{"ok off"});
        EXPECT_EQ((std::tuple{+filter->m_bBypass, +filter->m_bDirty}), (std::tuple{1u, 0u}));
        EXPECT_EQ(shown, decltype(shown)(2, {message, code, true}));
        shown.clear();
    }

    std::vector<std::tuple<std::string, std::int32_t, bool>> shown;  // text, error code, locked
};

// Without a window the slots, the style's initial values and the locks are
// filled, and the user's settings stay; a later load replaces every slot.
TEST_F(StyleLoader, WindowlessLoadFillsTheStyleAndLeavesTheSettingsAlone) {
    Install(SampleStyle());
    filter->m_bDirty = 0;
    filter->m_anAxis[0] = 6;
    filter->m_Params.aEntry[1].wDepth = 250;  // clamped only when a page shows it
    const auto settings = PersistedBytes(*filter);

    EXPECT_TRUE(LoadStyle(*filter, nullptr, false, false));
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(LockIsFree(filter->m_csLock));
    const InitialValues styleInitial = SampleStyle().header.StyleInitial;
    EXPECT_EQ(std::memcmp(&filter->m_StyleInitial, &styleInitial, sizeof styleInitial), 0);
    EXPECT_EQ(Locked(*filter), kSampleLocked);
    EXPECT_EQ(PersistedBytes(*filter), settings);
    EXPECT_EQ((std::tuple{+filter->m_bBypass, +filter->m_bDirty}), (std::tuple{1u, 0u}));

    const std::vector<std::vector<StyleSlotRecord>> lists = {
        SampleStyle().slots,  // text with no NUL, empty data, binary data
        {},
        std::vector<StyleSlotRecord>(64, Slot(std::string(63, 'n'), 5, {1, 2}))};
    for (const auto& slots : lists) {
        StyleFile style = SampleStyle();
        style.slots = slots;
        Install(style);
        ASSERT_TRUE(LoadStyle(*filter, nullptr, false, false));
        EXPECT_EQ(filter->m_nSlotCount, slots.size());
        EXPECT_EQ(Slots(*filter), SlotsHolding(slots));
    }
}

// An unnamed style reads nothing and says nothing. The reader's and the
// library's own tests cover each bad file and name; here, that a missing and a
// malformed file are refused with their message before the state changes.
TEST_F(StyleLoader, UnnamedStylesReadNothingAndRefusedFilesSayWhyAndChangeNothing) {
    Install(SampleStyle());
    ASSERT_TRUE(LoadStyle(*filter, nullptr, false, false));
    RecordingView view(*filter);
    const auto before = Snapshot();
    for (const auto& [styleFolder, name] : {std::pair{"Jazz", ""}, std::pair{"", "Swing"}}) {
        Name(styleFolder, name);
        EXPECT_FALSE(LoadStyle(*filter, &view, true, false));
    }
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(Snapshot(), before);

    Name("Jazz", "Waltz");
    ExpectRefused(kErrCantOpenFile, "Can't open file");
    StyleFile other = SampleStyle();
    other.header.StyleInitial.wTempo = 200;  // would show if the header were applied
    std::fill(std::begin(other.header.abUsed), std::end(other.header.abUsed), 1);
    auto badChecksum = WriteStyleFile(other);
    ++badChecksum[kHeaderOffset + 705];
    InstallStyleFile(folder, "Jazz", "Swing.cnv", badChecksum);
    Name("Jazz", "Swing");
    ExpectRefused(kErrBadFileFormat, "Bad file format");
}

TEST_F(StyleLoader, LoadsWithAWindowShowTheStyleAndOnlyAnInteractiveOneInBypassResets) {
    Install(SampleStyle());
    filter->m_bDirty = 0;
    filter->m_abMuted[0] = 1;
    filter->m_Params.aEntry[0] = {7, 7};
    filter->m_Params.aEntry[2] = {150, 3};
    filter->m_Params.wVariableDepth = 10;
    // The lock is held until the slots are filled, and let go before the page redraws.
    const Calls windowOnly = {"information (locked)", "rows (locked)", "bind (locked)", "redraw", "ok on", "dirty"};
    const Calls interactive = {"initial (locked)", "information interactive (locked)", "rows (locked)",
                               "bind (locked)", "redraw", "ok on", "dirty"};
    for (const auto& [isInteractive, bypass] : {std::pair{true, 1u}, std::pair{true, 0u}, std::pair{false, 1u}}) {
        filter->m_bBypass = bypass;
        const InitialValues before = filter->m_Initial;
        RecordingView view(*filter);
        EXPECT_TRUE(LoadStyle(*filter, &view, isInteractive, false));
        EXPECT_EQ(view.calls, isInteractive ? interactive : windowOnly);
        EXPECT_EQ(filter->m_bBypass, 0u);
        if (!isInteractive || !bypass) {
            EXPECT_EQ(std::memcmp(&filter->m_Initial, &before, sizeof before), 0);
            continue;
        }
        EXPECT_EQ(view.shownMeter, "4/4");
        EXPECT_EQ(view.lockedAtRows, kSampleLocked);
        EXPECT_TRUE(view.slotsFilledAtBind);
        InitialValues expected = SampleStyle().header.StyleInitial;  // with the tempo kept at 120
        expected.bKeepTempo = 1;
        expected.wTempo = 120;
        EXPECT_EQ(std::memcmp(&filter->m_Initial, &expected, sizeof expected), 0);
        std::vector<std::pair<int, int>> reset(7, {100, 20});
        reset.emplace_back(100, -1);
        EXPECT_EQ(Rows(*filter), reset);
        EXPECT_EQ(std::vector<std::uint32_t>(std::begin(filter->m_abMuted), std::end(filter->m_abMuted)),
                  (std::vector<std::uint32_t>{1, 0, 0, 0, 0, 0, 0, 0}));
        EXPECT_EQ(filter->m_bDirty, 1u);
        EXPECT_TRUE(LockIsFree(filter->m_csLock));
    }
}

TEST_F(StyleLoader, KeepSettingsAppliesOnlyTheInitialValuesAndTheRowsClamp) {
    Install(SampleStyle());
    filter->m_bBypass = 1;
    filter->m_abMuted[3] = 1;
    filter->m_Params.aEntry[0] = {7, 7};     // no row: untouched
    filter->m_Params.aEntry[1] = {250, 40};  // used row: clamped
    filter->m_Params.aEntry[2] = {150, 3};   // used row: kept
    filter->m_Params.aEntry[4] = {0, 0};     // locked row: back to 100 and 20
    filter->m_Params.wVariableDepth = 300;
    RecordingView view(*filter);

    EXPECT_TRUE(LoadStyle(*filter, &view, true, true));
    EXPECT_EQ(filter->m_Initial.wTempo, 120);
    EXPECT_EQ(filter->m_Initial.wExpression, 80);
    EXPECT_EQ(filter->m_abMuted[3], 1u);
    EXPECT_EQ(Rows(*filter), (std::vector<std::pair<int, int>>{{7, 7}, {200, 30}, {150, 3}, {100, 20}, {100, 20},
                                                               {100, 20}, {100, 20}, {200, -1}}));
}

}  // namespace
}  // namespace cantivo::test
