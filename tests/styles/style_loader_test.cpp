#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "engine/error_code.h"
#include "styles/style_loader.h"
#include "tests/support/filter_fixture.h"
#include "tests/support/style_files.h"

namespace cantivo::test {
namespace {

// Takes the lock from another thread: false while someone else holds it.
bool LockIsFree(CMFCMidiFilter& filter) {
    bool free = false;
    std::thread([&] {
        free = filter.m_csLock.TryEnter();
        if (free) filter.m_csLock.Leave();
    }).join();
    return free;
}

// The slot's data pointer, read out of the packed slot before a check binds to it.
bool HasData(const RuleSlot& slot) { return slot.pData != nullptr; }

// The page's side, recorded: each call with what the state held at that moment.
class RecordingView final : public StyleView {
public:
    explicit RecordingView(CMFCMidiFilter& filter) : filter_(filter) {}

    void ShowInitialValues() override { calls.push_back("initial"); }
    void ShowStyleInformation(const StyleFileHeader& header, bool interactive) override {
        calls.push_back(interactive ? "information interactive" : "information");
        shownMeter = FieldText(header.szMeter);
        lockedWhenShown = !LockIsFree(filter_);
    }
    void ShowRows() override {
        calls.push_back("rows");
        lockedAtRows = std::vector<std::uint32_t>(std::begin(filter_.m_abLocked), std::end(filter_.m_abLocked));
        slotCountAtRows = filter_.m_nSlotCount;
    }
    void BindRegulatorAxes() override {
        calls.push_back("bind");
        slotsFilledAtBind = filter_.m_aSlots[2].pData != nullptr;
    }
    void RedrawRegulators() override { calls.push_back("redraw"); }
    void EnableOkButton(bool enable) override { calls.push_back(enable ? "ok on" : "ok off"); }
    void MarkDirty() override { calls.push_back("dirty"); }

    std::vector<std::string> calls;
    std::string shownMeter;
    bool lockedWhenShown = false;
    std::vector<std::uint32_t> lockedAtRows;
    std::uint32_t slotCountAtRows = 99;
    bool slotsFilledAtBind = false;

private:
    CMFCMidiFilter& filter_;
};

class StyleLoader : public FilterFixture {
protected:
    void SetUp() override {
        FilterFixture::SetUp();
        messages.messages.clear();
        platform::SetMessageBoxHandler([this](const std::string& text, unsigned) {
            shown.push_back(text);
            codesShown.push_back(GetErrorCode());
            lockedWhileShown.push_back(!LockIsFree(*filter));
            return 1;
        });
    }

    void Install(const StyleFile& style, const std::string& styleFolder = "Jazz",
                 const std::string& name = "Swing") {
        InstallStyleFile(folder, styleFolder, name + ".cnv", WriteStyleFile(style));
        Name(styleFolder, name);
    }
    void InstallBytes(const std::vector<std::uint8_t>& bytes) {
        InstallStyleFile(folder, "Jazz", "Swing.cnv", bytes);
        Name("Jazz", "Swing");
    }
    void Name(const std::string& styleFolder, const std::string& name) {
        std::memset(filter->m_szStyleFolder, 0, kNameBytes);
        std::memset(filter->m_szStyleName, 0, kNameBytes);
        styleFolder.copy(filter->m_szStyleFolder, kNameBytes - 1);
        name.copy(filter->m_szStyleName, kNameBytes - 1);
    }

    // The state a failed load must leave as it was, slots by content.
    std::vector<std::uint8_t> Snapshot() {
        std::vector<std::uint8_t> bytes;
        const auto add = [&](const void* p, std::size_t n) {
            bytes.insert(bytes.end(), static_cast<const std::uint8_t*>(p), static_cast<const std::uint8_t*>(p) + n);
        };
        for (const RuleSlot& slot : filter->m_aSlots) {
            add(slot.szName, sizeof slot.szName);
            add(&slot.wModule, 2);
            add(&slot.nDataLen, 2);
            if (slot.pData) add(slot.pData, static_cast<std::size_t>(slot.nDataLen));
            add(&slot.wDisabled, 2);
            add(slot.abParams, sizeof slot.abParams);
        }
        add(filter->Settings(), sizeof(SettingsRegion));
        add(&filter->m_nSlotCount, 4);
        add(&filter->m_bBypass, 4);
        add(&filter->m_bDirty, 4);
        return bytes;
    }

    void ExpectRefused(std::int32_t code, const char* message) {
        const auto before = Snapshot();
        EXPECT_FALSE(LoadStyle(*filter, nullptr, false, false));
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0], message);
        EXPECT_EQ(codesShown[0], code);
        EXPECT_TRUE(lockedWhileShown[0]);
        EXPECT_EQ(GetErrorCode(), kNoError);
        EXPECT_TRUE(LockIsFree(*filter));
        EXPECT_EQ(Snapshot(), before);
        shown.clear();
        codesShown.clear();
        lockedWhileShown.clear();
    }

    std::vector<std::string> shown;
    std::vector<std::int32_t> codesShown;
    std::vector<bool> lockedWhileShown;
};

TEST_F(StyleLoader, WindowlessLoadFillsTheStyleAndLeavesTheSettingsAlone) {
    Install(SampleStyle());
    filter->m_bDirty = 0;
    filter->m_anAxis[0] = 6;
    filter->m_Params.aEntry[1].wDepth = 250;  // clamped only when a page shows it
    const auto settings = PersistedBytes(*filter);

    EXPECT_TRUE(LoadStyle(*filter, nullptr, false, false));
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(LockIsFree(*filter));
    EXPECT_EQ(filter->m_StyleInitial.wTempo, 96);
    EXPECT_EQ(filter->m_StyleInitial.bKeepExpression, 1u);
    EXPECT_EQ(filter->m_StyleInitial.wPan, 70);
    EXPECT_EQ(std::vector<std::uint32_t>(std::begin(filter->m_abLocked), std::end(filter->m_abLocked)),
              (std::vector<std::uint32_t>{1, 0, 0, 0, 1, 1, 0, 0}));
    EXPECT_EQ(filter->m_nSlotCount, 3u);
    EXPECT_STREQ(filter->m_aSlots[0].szName, "Swing feel");
    EXPECT_EQ(filter->m_aSlots[0].wModule, 40);
    EXPECT_EQ(filter->m_aSlots[0].nDataLen, 3);
    EXPECT_EQ(std::memcmp(filter->m_aSlots[0].pData, "abc", 3), 0);
    const RuleSlot& humanize = filter->m_aSlots[1];
    EXPECT_EQ(humanize.wDisabled, 1);
    EXPECT_EQ(humanize.nDataLen, 0);
    EXPECT_TRUE(HasData(humanize));  // a block of length 0: the slot counts as one with data
    for (std::size_t i = 0; i < kSlotParamBytes; ++i) EXPECT_EQ(humanize.abParams[i], 41 + i);
    EXPECT_EQ(filter->m_aSlots[2].pData[3], 4);
    EXPECT_EQ(filter->m_aSlots[3].wModule, kEmptySlot);
    for (int i = 0; i < 3; ++i) {  // text with no NUL, empty data, binary data: each ends in zeros
        const RuleSlot& slot = filter->m_aSlots[i];
        for (std::size_t k = 0; k < kRuleDataPadding; ++k) EXPECT_EQ(slot.pData[slot.nDataLen + k], 0) << i;
    }

    EXPECT_EQ(PersistedBytes(*filter), settings);
    EXPECT_EQ(filter->m_bBypass, 1u);
    EXPECT_EQ(filter->m_bDirty, 0u);
}

TEST_F(StyleLoader, LoadingAgainReplacesEverySlot) {
    Install(SampleStyle());
    ASSERT_TRUE(LoadStyle(*filter, nullptr, false, false));
    const std::vector<std::vector<StyleSlotRecord>> lists = {
        {Slot("Only", 7, {9})}, {}, std::vector<StyleSlotRecord>(64, Slot(std::string(63, 'n'), 5, {1, 2}))};
    for (const auto& slots : lists) {
        StyleFile style = SampleStyle();
        style.slots = slots;
        Install(style);
        ASSERT_TRUE(LoadStyle(*filter, nullptr, false, false));
        ASSERT_EQ(filter->m_nSlotCount, slots.size());
        for (std::size_t i = 0; i < kSlotCount; ++i) {
            const RuleSlot& slot = filter->m_aSlots[i];
            EXPECT_EQ(slot.szName, i < slots.size() ? slots[i].label : "") << i;
            EXPECT_EQ(slot.wModule, i < slots.size() ? slots[i].wModule : kEmptySlot) << i;
            EXPECT_EQ(HasData(slot), i < slots.size()) << i;
            if (i >= slots.size()) {
                EXPECT_EQ(slot.nDataLen + slot.wDisabled, 0) << i;
            }
        }
    }
}

TEST_F(StyleLoader, PathIsStylesThenFolderThenNameWithCnv) {
    // The extension written in capitals opens too, and a dotted name is whole.
    StyleFile fast = SampleStyle();
    fast.slots = {Slot("Fast", 9, {})};
    InstallStyleFile(folder, "Jazz", "Ballad.CNV", WriteStyleFile(SampleStyle()));
    InstallStyleFile(folder, "Jazz", "Swing.fast.cnv", WriteStyleFile(fast));
    for (const char* name : {"Ballad", "Swing.fast"}) {
        Name("Jazz", name);
        EXPECT_TRUE(LoadStyle(*filter, nullptr, false, false)) << name;
    }
    EXPECT_STREQ(filter->m_aSlots[0].szName, "Fast");
    EXPECT_TRUE(shown.empty());
}

TEST_F(StyleLoader, UnnamedStyleReadsNothingAndSaysNothing) {
    Install(SampleStyle());
    RecordingView view(*filter);
    const auto before = Snapshot();
    for (const auto& [styleFolder, name] : {std::pair{"Jazz", ""}, std::pair{"", "Swing"}}) {
        Name(styleFolder, name);
        EXPECT_FALSE(LoadStyle(*filter, &view, true, false));
    }
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(StyleLoader, MissingFilesAndNamesThatLeaveTheirFolderAreCantOpenFile) {
    Install(SampleStyle());
    ASSERT_TRUE(LoadStyle(*filter, nullptr, false, false));
    // A file one level up, where a name with "..\\" would lead.
    const auto bytes = WriteStyleFile(SampleStyle());
    folder.Touch("STYLES/Swing.cnv", std::string(bytes.begin(), bytes.end()));
    // The library's own tests cover every name that leaves its folder.
    const std::pair<const char*, const char*> names[] = {{"Jazz", "Waltz"}, {"Jazz", "..\\Swing"}, {"..", "Swing"}};
    for (const auto& [styleFolder, name] : names) {
        SCOPED_TRACE(std::string(styleFolder) + " / " + name);
        Name(styleFolder, name);
        ExpectRefused(kErrCantOpenFile, "Can't open file");
    }
}

// The reader's own tests cover each way a file can be malformed; here, that
// a refused file is Bad file format and is refused before the state changes.
TEST_F(StyleLoader, FileTheReaderRefusesIsBadFileFormatAndChangesNothing) {
    Install(SampleStyle());
    ASSERT_TRUE(LoadStyle(*filter, nullptr, false, false));
    StyleFile other = SampleStyle();
    other.header.StyleInitial.wTempo = 200;  // would show if the header were applied
    std::fill(std::begin(other.header.abUsed), std::end(other.header.abUsed), 1);
    auto cutShort = WriteStyleFile(other);
    cutShort.pop_back();
    auto badChecksum = WriteStyleFile(other);
    ++badChecksum[kHeaderOffset + 705];
    for (const auto& bytes : {cutShort, badChecksum}) {
        InstallBytes(bytes);
        ExpectRefused(kErrBadFileFormat, "Bad file format");
    }
}

TEST_F(StyleLoader, InteractiveLoadInBypassAppliesTheStyleAndResetsTheGrid) {
    Install(SampleStyle());
    filter->m_bBypass = 1;
    filter->m_bDirty = 0;
    filter->m_abMuted[0] = 1;
    filter->m_Params.aEntry[0] = {7, 7};
    filter->m_Params.aEntry[2] = {150, 3};
    filter->m_Params.wVariableDepth = 10;
    RecordingView view(*filter);

    EXPECT_TRUE(LoadStyle(*filter, &view, true, false));
    EXPECT_EQ(view.calls, (std::vector<std::string>{"initial", "information interactive", "rows", "bind", "redraw",
                                                    "ok on", "dirty"}));
    EXPECT_EQ(view.shownMeter, "4/4");
    EXPECT_TRUE(view.lockedWhenShown);
    EXPECT_EQ(view.lockedAtRows, (std::vector<std::uint32_t>{1, 0, 0, 0, 1, 1, 0, 0}));
    EXPECT_EQ(view.slotCountAtRows, 0u);  // the slot count comes after the rows
    EXPECT_TRUE(view.slotsFilledAtBind);

    // The style's initial values, with the tempo kept at 120.
    InitialValues expected = SampleStyle().header.StyleInitial;
    expected.bKeepTempo = 1;
    expected.wTempo = 120;
    EXPECT_EQ(std::memcmp(&filter->m_Initial, &expected, sizeof expected), 0);
    for (const ParamEntry& entry : filter->m_Params.aEntry) {
        EXPECT_EQ(entry.wDepth, 100);
        EXPECT_EQ(entry.wRandom, 20);
    }
    EXPECT_EQ(filter->m_Params.wVariableDepth, 100);
    EXPECT_EQ(std::vector<std::uint32_t>(std::begin(filter->m_abMuted), std::end(filter->m_abMuted)),
              (std::vector<std::uint32_t>{1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(filter->m_bBypass, 0u);
    EXPECT_EQ(filter->m_bDirty, 1u);
    EXPECT_TRUE(LockIsFree(*filter));
}

TEST_F(StyleLoader, KeepSettingsAppliesOnlyTheInitialValuesAndTheRowsClamp) {
    Install(SampleStyle());
    filter->m_bBypass = 1;
    filter->m_abMuted[3] = 1;
    filter->m_Params.aEntry[1] = {250, 40};  // used row: clamped
    filter->m_Params.aEntry[2] = {150, 3};   // used row: kept
    filter->m_Params.aEntry[4] = {0, 0};     // locked row: back to 100 and 20
    filter->m_Params.aEntry[0] = {7, 7};     // no row: untouched
    filter->m_Params.wVariableDepth = 300;
    RecordingView view(*filter);

    EXPECT_TRUE(LoadStyle(*filter, &view, true, true));
    EXPECT_EQ(filter->m_Initial.wTempo, 120);
    EXPECT_EQ(filter->m_Initial.wExpression, 80);
    EXPECT_EQ(filter->m_abMuted[3], 1u);
    EXPECT_EQ(filter->m_Params.aEntry[1].wDepth, 200);
    EXPECT_EQ(filter->m_Params.aEntry[1].wRandom, 30);
    EXPECT_EQ(filter->m_Params.aEntry[2].wDepth, 150);
    EXPECT_EQ(filter->m_Params.aEntry[2].wRandom, 3);
    EXPECT_EQ(filter->m_Params.aEntry[4].wDepth, 100);
    EXPECT_EQ(filter->m_Params.aEntry[4].wRandom, 20);
    EXPECT_EQ(filter->m_Params.aEntry[0].wDepth, 7);
    EXPECT_EQ(filter->m_Params.wVariableDepth, 200);
}

// Out of bypass, or not interactive: the initial values stay as they are.
TEST_F(StyleLoader, OtherLoadsWithAWindowKeepTheInitialValues) {
    Install(SampleStyle());
    const InitialValues initial = filter->m_Initial;
    using Calls = std::vector<std::string>;
    const Calls interactive = {"initial", "information interactive", "rows", "bind", "redraw", "ok on", "dirty"};
    const Calls windowOnly = {"information", "rows", "bind", "redraw", "ok on", "dirty"};
    for (const bool isInteractive : {true, false}) {
        filter->m_bBypass = isInteractive ? 0 : 1;
        RecordingView view(*filter);
        EXPECT_TRUE(LoadStyle(*filter, &view, isInteractive, false));
        EXPECT_EQ(view.calls, isInteractive ? interactive : windowOnly);
        EXPECT_EQ(std::memcmp(&filter->m_Initial, &initial, sizeof initial), 0);
        EXPECT_EQ(filter->m_bBypass, 0u);
    }
}

TEST_F(StyleLoader, FailedLoadWithAWindowDisablesOkAndSwitchesProcessingOff) {
    InstallStyleFile(folder, "Jazz", "Bad.cnv", {'S', 'A', 'C', 'S'});
    for (const char* name : {"Nothing", "Bad"}) {
        Name("Jazz", name);
        filter->m_bBypass = 0;
        filter->m_bDirty = 0;
        RecordingView view(*filter);
        EXPECT_FALSE(LoadStyle(*filter, &view, true, false));
        EXPECT_EQ(view.calls, (std::vector<std::string>{"ok off"}));
        EXPECT_EQ(filter->m_bBypass, 1u);
        EXPECT_EQ(filter->m_bDirty, 0u);
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"Can't open file", "Bad file format"}));
}

}  // namespace
}  // namespace cantivo::test
