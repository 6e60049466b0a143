#include <gtest/gtest.h>

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

TEST_F(RuleStage, ModuleSeesTheElevenArguments) {
    InstallRuleModule(folder, kRecorder);
    g_Options.VolB = 74;
    filter->m_anAxis[3] = 6;
    SetRecorder(40, "second.bin");
    Run(Input());
    EXPECT_EQ(GetErrorCode(), kNoError);
    const auto calls = ReadRecordedCalls(RecorderPath("second.bin"));
    ASSERT_EQ(calls.size(), 1u);
    const RecordedCall& call = calls[0].call;
    EXPECT_EQ(call.slotParams[35], 40);
    EXPECT_STREQ(reinterpret_cast<const char*>(call.ruleData), RecorderPath("second.bin").substr(0, 63).c_str());
    EXPECT_EQ((std::tuple{+call.pageWindow, +call.meter, +call.reserved, +call.timeBase, +call.expressionController,
                          +call.capacity, +call.settings.axis[3]}),
              (std::tuple{0u, (3 << 8) | 3, 0, 480, 74, 1024000, 6u}));
    EXPECT_EQ(std::memcmp(&call.settings, filter->Settings(), sizeof(SettingsRegion)), 0);
}

// A module that cannot be loaded or fails stops the stage after the slots
// before it ran; the run hands its input on.
TEST_F(RuleStage, FailuresStopTheStageWithTheirCodesAndPassTheInputThrough) {
    const std::tuple<int, bool, std::int32_t> cases[] = {
        {kRecorder, false, kErrCantLoadRuleFile},
        {kNoEntryPoint, true, kErrBadRuleFileFormat},
        {kFailing, true, kErrNoMemory},
    };
    InstallRuleModule(folder, kRecorder);
    InstallRuleModule(folder, kTempoAdder);
    SetSlot(2, kTempoAdder, {1});
    for (const auto& [module, install, code] : cases) {
        SCOPED_TRACE(module);
        std::filesystem::remove(folder / "R20.DLL");
        if (install) InstallRuleModule(folder, module, 20);
        const std::string before = "before" + std::to_string(module) + ".bin";
        SetRecorder(0, before);
        SetSlot(1, 20, {1});
        ExpectPassedThrough(Run(Input()));
        EXPECT_EQ(GetErrorCode(), code);
        EXPECT_EQ(ReadRecordedCalls(RecorderPath(before)).size(), 1u);
        EXPECT_TRUE(messages.messages.empty());
    }
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
