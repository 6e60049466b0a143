#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <tuple>

#include "tests/support/event_bytes.h"
#include "tests/support/filter_fixture.h"
#include "tests/support/records.h"

namespace cantivo::test {
namespace {

using Driver = FilterFixture;

std::vector<HostEvent> MixedInput() {
    return {Note(0, 60, 90, 480, 1, 2), Other(0, 9, 11), Controller(10, 7, 80, 1), Wheel(20, 4000, 1),
            Other(30, 10, 12),          Note(480, 64, 70, 240, 1, 2)};
}

TEST_F(Driver, BypassCopiesTheInputEventForEventAndRunsNoStage) {
    ASSERT_EQ(filter->m_bBypass, 1u);
    const auto input = MixedInput();
    EXPECT_EQ(Bytes(Run(input)), Bytes(input));
    EXPECT_EQ(filter->m_hEvents, nullptr);
}

// Nothing to take: no stage runs, so nothing is inserted either.
TEST_F(Driver, EmptyInputPutsOutNothing) {
    filter->m_bBypass = 0;
    EXPECT_TRUE(Run({}).empty());
    EXPECT_EQ(filter->m_hEvents, nullptr);
}

TEST_F(Driver, MuteAndLockClearTheSettingsForGood) {
    filter->m_bBypass = 0;
    std::fill(std::begin(filter->m_abLocked), std::end(filter->m_abLocked), 0u);
    std::fill(std::begin(filter->m_abMuted), std::end(filter->m_abMuted), 0u);
    filter->m_abMuted[3] = 1;
    filter->m_abLocked[7] = 1;
    Run({Note(0, 60, 90, 10)});
    const ParamSettings& p = filter->m_Params;
    EXPECT_EQ((std::array{+p.aEntry[3].wDepth, +p.aEntry[3].wRandom, +p.wVariableDepth, +p.aEntry[2].wDepth,
                          +p.aEntry[2].wRandom}),
              (std::array{0, 0, 0, 100, 20}));
    filter->m_abMuted[3] = 0;
    Run({Note(0, 60, 90, 10)});
    EXPECT_EQ(filter->m_Params.aEntry[3].wDepth, 0);
}

// The meter stays as it was while the host has none (a known one reaches the modules).
TEST_F(Driver, TakesTheTimeBaseAndOnlyAKnownMeterFromTheHost) {
    host.meterKnown = false;
    filter->Disconnect();
    host.AddRef();
    ASSERT_EQ(filter->Connect(&host), S_OK);
    filter->m_bBypass = 0;
    Run({Note(0, 60, 90, 10)});
    EXPECT_EQ((std::tuple{+filter->m_wTimeBase, +filter->m_wMeter}), (std::tuple{480, 0x0204}));
}

// Markers go out first at their time, on the channel of the last marker taken
// in; a run of records longer than a batch keeps its order.
TEST_F(Driver, OutputMapsEachRecordKind) {
    g_Options.Ctrl = 100;
    host::EventQueue in;
    std::vector<HostEvent> expected;
    for (int repeat = 0; repeat < 15; ++repeat) {
        const int t = 100 * repeat;
        const std::vector<HostEvent> taken = {Controller(t, 100, 127, 5), Note(t, 60, 90, 480, 2, 3),
                                              Wheel(t + 10, 1000, 4),     Wheel(t + 11, -1000, 4),
                                              Controller(t + 20, 100, 0, 6), Controller(t + 30, 11, 99, 7)};
        in.events.insert(in.events.end(), taken.begin(), taken.end());
        const std::vector<HostEvent> sent = {Controller(t, 100, 94, 6),      Note(t, 60, 90, 480, 2),
                                             Wheel(t + 10, 992, 4),          Wheel(t + 11, -992, 4),
                                             Controller(t + 20, 100, 32, 6), Controller(t + 30, 11, 99, 7)};
        expected.insert(expected.end(), sent.begin(), sent.end());
    }
    host::EventQueue out;
    filter->IntakeEvents(&in, &out);
    filter->EmitEvents(&out);
    for (HostEvent& e : expected) e.port = 3;
    EXPECT_EQ(Bytes(out.events), Bytes(expected));
}

// A small bend after a large one goes out at centre, and once only.
TEST_F(Driver, OutputThinsAsItGoes) {
    g_Options.BIPch = 1;
    g_Options.IPch = 2;
    host::EventQueue in({Wheel(0, 1000), Wheel(10, 40), Wheel(20, 40), Wheel(30, 1000)});
    host::EventQueue out;
    filter->IntakeEvents(&in, &out);
    filter->AutoOptimize();
    filter->EmitEvents(&out);
    EXPECT_EQ(Bytes(out.events), Bytes(std::vector<HostEvent>{Wheel(0, 992), Wheel(10, 0), Wheel(30, 992)}));
}

// The block is used again from run to run, grown or not, yet each run starts
// on zeros past what it writes.
TEST_F(Driver, ARunFindsNothingOfTheRunBefore) {
    filter->m_bBypass = 0;
    for (const int before : {100, 130000}) {
        std::vector<HostEvent> many;
        for (int i = 0; i < before; ++i) many.push_back(Note(i, 60, 90, 10));
        Run(many);
        const HGLOBAL block = filter->m_hEvents;
        Run({Note(0, 60, 90, 10)});
        EXPECT_EQ(filter->m_hEvents, block);
        const auto size = GlobalSize(block);
        EXPECT_GE(size, (before + 1) * sizeof(EventRecord));
        const auto* bytes = static_cast<const std::uint8_t*>(GlobalLock(block));
        // one note, its end record and the two controllers put in at the start
        const std::size_t written = 4 * sizeof(EventRecord);
        EXPECT_TRUE(std::all_of(bytes + written, bytes + size, [](std::uint8_t b) { return b == 0; })) << before;
        GlobalUnlock(block);
    }
}

// Output walks the bytes in use, whether or not an end record closes them,
// and never sends tempo, deleted or 0x80 records.
TEST_F(Driver, OutputSendsOnlyRecordsInUseThatMeanEvents) {
    filter->m_bBypass = 0;
    Run({Note(0, 60, 90, 10)});
    EventRecord noteOff = NoteRecord(0, 7, 0, 0);
    noteOff.kind = 0x80;
    const std::vector<EventRecord> unsent = {MetaRecord(0, kTempoRecord), noteOff, MetaRecord(0, kDeletedMark),
                                             MetaRecord(0, kEndRecord)};
    EventRecord program = ControllerRecord(0, 5, 0, 3);
    program.kind = 0xC3;  // any other status goes out as a controller
    const std::vector<EventRecord> unclosed = {NoteRecord(0, 60, 90, 10), program, NoteRecord(6, 64, 90, 10)};
    const std::vector<HostEvent> unclosedSent = {Note(0, 60, 90, 10), Controller(0, 5, 0, 3)};
    for (const auto& [records, inUse, sent] :
         {std::tuple{unsent, 4, std::vector<HostEvent>{}}, std::tuple{unclosed, 2, unclosedSent}}) {
        std::copy(records.begin(), records.end(), static_cast<EventRecord*>(GlobalLock(filter->m_hEvents)));
        GlobalUnlock(filter->m_hEvents);
        filter->m_nEventBytes = inUse * static_cast<std::int32_t>(sizeof(EventRecord));
        host::EventQueue out;
        filter->EmitEvents(&out);
        EXPECT_EQ(Bytes(out.events), Bytes(sent));
    }
}

TEST_F(Driver, ControllersAloneGoOutOnThePortOfAnEarlierNote) {
    filter->m_bBypass = 0;
    const auto first = Run({Controller(0, 7, 1)});
    EXPECT_EQ(first[0].port, 0);
    Run({Note(0, 60, 90, 10, 0, 5)});
    const auto later = Run({Controller(0, 7, 1)});
    EXPECT_EQ(later[0].port, 5);
}

TEST_F(Driver, CopyEventsCopiesWithoutStages) {
    filter->m_bBypass = 0;
    const auto input = MixedInput();
    host::EventQueue in(input);
    host::EventQueue out;
    EXPECT_EQ(filter->CopyEvents(&in, &out), S_OK);
    EXPECT_EQ(Bytes(out.events), Bytes(input));
    EXPECT_EQ(filter->m_hEvents, nullptr);
}

TEST_F(Driver, DisconnectReleasesServicesAndBuffer) {
    filter->m_bBypass = 0;
    Run({Note(0, 60, 90, 10)});
    EXPECT_EQ(host.timeBase.References(), 2u);
    EXPECT_EQ(filter->Disconnect(), S_OK);
    EXPECT_EQ((std::tuple{host.timeBase.References(), host.meter.References(), filter->m_pHostTimeBase,
                          filter->m_hEvents, +filter->m_bBypass}),
              (std::tuple{1u, 1u, nullptr, nullptr, 1u}));
}

}  // namespace
}  // namespace cantivo::test
