#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <tuple>

#include "engine/error_code.h"
#include "tests/engine/slot_fixture.h"
#include "tests/support/event_bytes.h"

namespace cantivo::test {
namespace {

class RuleStage : public SlotFixture {
protected:
    static std::vector<HostEvent> Input() {
        return {Note(0, 60, 90, 480, 1), Controller(0, 11, 80, 1), Note(480, 62, 70, 240, 1)};
    }
    void ExpectPassedThrough(const std::vector<HostEvent>& output) { EXPECT_EQ(Bytes(output), Bytes(Input())); }
};

TEST_F(RuleStage, SkippedSlotsLoadNothing) {
    InstallRuleModule(folder, kSkippedRecorder);
    InstallRuleModule(folder, kRecorder, 15);
    SetRecorder(0, "13.bin", 13);
    SetRecorder(1, "15.bin", 15);
    SetRecorder(2, "18.bin", 18);  // no such file either
    SetRecorder(3, "disabled.bin", 33);
    filter->m_aSlots[3].wDisabled = 1;
    Run(Input());
    EXPECT_EQ(GetErrorCode(), kNoError);
    for (const char* name : {"13.bin", "15.bin", "18.bin", "disabled.bin"})
        EXPECT_FALSE(std::filesystem::exists(folder / name)) << name;
}

TEST_F(RuleStage, SameModuleInTwoSlotsRunsTwiceWithEachSlotsOwnData) {
    InstallRuleModule(folder, kRecorder);
    SetRecorder(7, "first.bin");
    SetRecorder(40, "second.bin");
    Run(Input());
    EXPECT_EQ(GetErrorCode(), kNoError);
    const auto first = ReadRecordedCalls(RecorderPath("first.bin"));
    const auto second = ReadRecordedCalls(RecorderPath("second.bin"));
    ASSERT_EQ(first.size(), 1u);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(first[0].call.slotParams[0], 7);
    EXPECT_EQ(second[0].call.slotParams[35], 40);
    EXPECT_STREQ(reinterpret_cast<const char*>(second[0].call.ruleData),
                 RecorderPath("second.bin").substr(0, 63).c_str());
}

TEST_F(RuleStage, ModuleSeesTheElevenArguments) {
    InstallRuleModule(folder, kRecorder);
    g_Options.VolB = 74;
    std::fill(std::begin(filter->m_abLocked), std::end(filter->m_abLocked), 0u);
    std::fill(std::begin(filter->m_abMuted), std::end(filter->m_abMuted), 0u);
    filter->m_abMuted[2] = 1;
    filter->m_abLocked[5] = 1;
    filter->m_anAxis[3] = 6;
    filter->m_StyleInitial.wTempo = 99;
    SetRecorder(0, "args.bin");
    Run(Input());
    const auto calls = ReadRecordedCalls(RecorderPath("args.bin"));
    ASSERT_EQ(calls.size(), 1u);
    const RecordedCall& call = calls[0].call;
    EXPECT_EQ((std::tuple{+call.pageWindow, +call.meter, +call.reserved, +call.timeBase, +call.expressionController,
                          +call.capacity}),
              (std::tuple{0u, (3 << 8) | 3, 0, 480, 74, 1024000}));
    // The settings as the filter holds them, muted and locked rows cleared.
    const SettingsRegion& s = call.settings;
    EXPECT_EQ((std::array{+s.params.aEntry[2].wDepth, +s.params.aEntry[2].wRandom, +s.params.aEntry[5].wDepth,
                          +s.params.aEntry[1].wDepth, +s.styleInitial.wTempo}),
              (std::array{0, 0, 0, 100, 99}));
    EXPECT_EQ((std::array{+s.axis[3], +s.muted[2], +s.locked[5]}), (std::array{6u, 1u, 1u}));
    EXPECT_EQ(std::memcmp(&call.settings, filter->Settings(), sizeof(SettingsRegion)), 0);
    // Initial values ran first: the module sees the inserted pan (expression 74 too).
    ASSERT_EQ(calls[0].records.size(), 6u);
    EXPECT_TRUE(IsControllerNumber(calls[0].records[0], 74));
    EXPECT_TRUE(IsControllerNumber(calls[0].records[1], 10));
}

TEST_F(RuleStage, FailuresStopTheStageWithTheirCodes) {
    struct Case {
        int module;
        bool install;
        bool withData;
        std::int32_t code;
    };
    const Case cases[] = {
        {kRecorder, false, true, kErrCantLoadRuleFile},
        {kNoEntryPoint, true, true, kErrBadRuleFileFormat},
        {kFailing, true, true, kErrNoMemory},
        {kRecorder, true, false, kErrNoMemory},
    };
    for (const Case& c : cases) {
        if (c.install) InstallRuleModule(folder, c.module, 20);
        SetSlot(0, 20, {});
        if (!c.withData) {
            delete[] filter->m_aSlots[0].pData;
            filter->m_aSlots[0].pData = nullptr;
        } else {
            SetRecorder(0, "never.bin", 20);
        }
        ExpectPassedThrough(Run(Input()));
        EXPECT_EQ(GetErrorCode(), c.code) << c.module;
        EXPECT_TRUE(messages.messages.empty());
        std::filesystem::remove(folder / "R20.DLL");
    }
}

TEST_F(RuleStage, LaterSlotFailingAfterEarlierOnesRanStillPassesThrough) {
    InstallRuleModule(folder, kRecorder);
    InstallRuleModule(folder, kTempoAdder);
    InstallRuleModule(folder, kFailing);
    for (int i = 0; i < 5; ++i) SetRecorder(i, "slot" + std::to_string(i) + ".bin");
    SetSlot(5, kFailing, {1});
    SetSlot(6, kTempoAdder, {1});
    ExpectPassedThrough(Run(Input()));
    EXPECT_EQ(GetErrorCode(), kErrNoMemory);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(ReadRecordedCalls(RecorderPath("slot" + std::to_string(i) + ".bin")).size(), 1u);
}

TEST_F(RuleStage, BrokenResultsGiveIllegalResultDataAndThePassThrough) {
    InstallRuleModule(folder, kBrokenResult);
    for (std::uint8_t breakage = 1; breakage <= 7; ++breakage) {
        SetSlot(0, kBrokenResult, {breakage});
        ExpectPassedThrough(Run(Input()));
        EXPECT_EQ(GetErrorCode(), kErrIllegalResultData) << int{breakage};
    }
}

TEST_F(RuleStage, GrowingModuleKeepsEveryRecordItWrote) {
    InstallRuleModule(folder, kGrower);
    const std::int32_t extra = 200000;
    std::vector<std::uint8_t> data(4);
    std::memcpy(data.data(), &extra, 4);
    SetSlot(0, kGrower, data);
    const auto output = Run(Input());
    EXPECT_EQ(GetErrorCode(), kNoError);
    EXPECT_GE(filter->m_nEventCapacity, (extra + 5) * 8);
    // pan (inserted), expression, two notes, then what the module wrote
    ASSERT_EQ(output.size(), 4u + extra);
    for (std::int32_t i = 0; i < extra; ++i) {
        const HostEvent& e = output[4 + i];
        ASSERT_EQ(e.note.key, 20);
        ASSERT_EQ(e.note.velocity, i % 128);
    }
}

}  // namespace
}  // namespace cantivo::test
