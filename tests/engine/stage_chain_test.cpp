#include <gtest/gtest.h>

#include <array>

#include "engine/error_code.h"
#include "tests/engine/slot_fixture.h"

namespace cantivo::test {
namespace {

class StageChain : public SlotFixture {
protected:
    void SetUp() override {
        SlotFixture::SetUp();
        InstallRuleModule(folder, kRecorder);
        InstallRuleModule(folder, kTempoAdder);
    }
};

// The thinning the Options give once loaded from an empty registry.
void ThinningOn() {
    g_Options.BITmp = g_Options.BIVol = g_Options.BIPch = g_Options.BIModW = g_Options.BIPan = 1;
    g_Options.ITmp = g_Options.IVol = g_Options.IPch = 2;
    g_Options.IModW = g_Options.IPan = 5;
}

std::vector<HostEvent> RedundantExpression() {
    return {Controller(0, 11, 100), Controller(10, 11, 101), Note(10, 60, 90, 100), Controller(20, 11, 110)};
}

TEST_F(StageChain, RunsIntakeInitialValuesRulesThinningAndOutputInOrder) {
    ThinningOn();
    filter->m_Initial.bKeepVelocity = 0;
    filter->m_Initial.wVelocity = 33;
    SetSlot(0, kTempoAdder, {120});
    SetSlot(1, kTempoAdder, {121});
    SetRecorder(2, "calls.bin");

    const auto output = Run(RedundantExpression());
    EXPECT_EQ(GetErrorCode(), kNoError);

    // The rules saw the initial values applied and nothing thinned yet.
    const auto calls = ReadRecordedCalls(RecorderPath("calls.bin"));
    ASSERT_EQ(calls.size(), 1u);
    const auto& seen = calls[0].records;
    ASSERT_EQ(seen.size(), 8u);  // two tempos, pan, three expressions, note, end
    EXPECT_EQ(seen[0].data[1], 121);
    EXPECT_EQ(seen[1].data[1], 120);
    EXPECT_TRUE(IsControllerNumber(seen[2], 10));
    EXPECT_EQ(seen[5].data[0], 33);

    // Thinning came after them: 101 is gone, and tempo never goes out.
    ASSERT_EQ(output.size(), 4u);
    EXPECT_EQ((std::array{output[0].note.key, output[1].note.velocity, output[2].note.velocity,
                          output[3].note.velocity}),
              (std::array<std::uint8_t, 4>{10, 100, 33, 110}));
}

TEST_F(StageChain, OptionsStartValuesThinNothing) {
    const auto output = Run(RedundantExpression());
    EXPECT_EQ(output.size(), 5u);  // the input and the inserted pan
}

}  // namespace
}  // namespace cantivo::test
