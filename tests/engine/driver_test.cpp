#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <tuple>

#include "engine/error_code.h"
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

// Nothing to take, or no count to be had: no stage runs and nothing changes.
TEST_F(Driver, EmptyOrUncountableInputTouchesNothing) {
    filter->m_bBypass = 0;
    host.timeBase.ticksPerQuarter = 960;
    const ParamSettings before = filter->m_Params;
    for (const bool failCount : {false, true}) {
        FailingEventQueue in(failCount ? MixedInput() : std::vector<HostEvent>{});
        in.failCount = failCount;
        host::EventQueue out;
        EXPECT_EQ(filter->ProcessEvents(0, 0, &in, &out), failCount ? E_FAIL : S_OK);
        EXPECT_TRUE(out.events.empty());
        EXPECT_EQ(std::memcmp(&before, &filter->m_Params, sizeof before), 0);
        EXPECT_EQ(filter->m_wTimeBase, 120);
        EXPECT_EQ(filter->m_hEvents, nullptr);
    }
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

TEST_F(Driver, TakesTimeBaseAndMeterFromTheHost) {
    filter->m_bBypass = 0;
    Run({Note(0, 60, 90, 10)});
    EXPECT_EQ(filter->m_wTimeBase, 480);
    EXPECT_EQ(filter->m_wMeter, (3 << 8) | 3);
    host.meterKnown = false;
    Run({Note(0, 60, 90, 10)});
    EXPECT_EQ(filter->m_wMeter, (3 << 8) | 3);
}

TEST_F(Driver, OutputMapsEachRecordKind) {
    g_Options.Ctrl = 100;
    FailingEventQueue in({Controller(0, 100, 127, 5), Note(0, 60, 90, 480, 2, 3), Wheel(10, 1000, 4),
                       Wheel(11, -1000, 4), Controller(20, 100, 0, 6), Controller(30, 11, 99, 7)});
    host::EventQueue out;
    filter->IntakeEvents(&in, &out);
    filter->EmitEvents(&out);
    const auto& output = out.events;
    ASSERT_EQ(output.size(), 6u);
    // Markers first at their time, on the channel of the last marker taken in.
    // Packed fields are read through + so that no reference binds to them.
    const auto controller = [](const HostEvent& e) {
        return std::tuple{+e.type, +e.note.key, +e.note.velocity, +e.channel};
    };
    EXPECT_EQ(controller(output[0]), (std::tuple{kHostController, 100, 94, 6}));
    EXPECT_EQ(controller(output[4]), (std::tuple{kHostController, 100, 32, 6}));
    EXPECT_EQ(controller(output[5]), (std::tuple{kHostController, 11, 99, 7}));
    const HostEvent& note = output[1];
    EXPECT_EQ((std::tuple{+note.type, +note.note.key, +note.note.velocity, +note.note.releaseVelocity, +note.duration,
                          +note.channel}),
              (std::tuple{kHostNote, 60, 90, 64, 480, 2}));
    EXPECT_EQ((std::tuple{+output[2].type, +output[2].wheel, +output[3].wheel}), (std::tuple{kHostWheel, 992, -992}));
    for (const HostEvent& e : output) EXPECT_EQ(e.port, 3);
}

// Output walks the bytes in use, whether or not an end record closes them,
// and never sends tempo, deleted or 0x80 records.
// The block is used again from run to run, yet each run starts on zeros past what it writes.
TEST_F(Driver, ARunFindsNothingOfTheRunBefore) {
    filter->m_bBypass = 0;
    std::vector<HostEvent> many;
    for (int i = 0; i < 100; ++i) many.push_back(Note(i, 60, 90, 10));
    Run(many);
    Run({Note(0, 60, 90, 10)});
    const auto* bytes = static_cast<const std::uint8_t*>(GlobalLock(filter->m_hEvents));
    // one note, its end record and the two controllers put in at the start
    const std::size_t written = 4 * sizeof(EventRecord);
    EXPECT_TRUE(std::all_of(bytes + written, bytes + 200 * sizeof(EventRecord), [](std::uint8_t b) { return b == 0; }));
    GlobalUnlock(filter->m_hEvents);
}

TEST_F(Driver, OutputSendsOnlyRecordsInUseThatMeanEvents) {
    filter->m_bBypass = 0;
    Run({Note(0, 60, 90, 10)});
    EventRecord noteOff = NoteRecord(0, 7, 0, 0);
    noteOff.kind = 0x80;
    const std::vector<EventRecord> unsent = {MetaRecord(0, kTempoRecord), noteOff, MetaRecord(0, kDeletedMark),
                                             MetaRecord(0, kEndRecord)};
    const std::vector<EventRecord> unclosed = {NoteRecord(0, 60, 90, 10), NoteRecord(5, 62, 90, 10),
                                               NoteRecord(6, 64, 90, 10)};
    for (const auto& [records, inUse, sent] : {std::tuple{unsent, 4, 0u}, std::tuple{unclosed, 2, 2u}}) {
        std::copy(records.begin(), records.end(), static_cast<EventRecord*>(GlobalLock(filter->m_hEvents)));
        GlobalUnlock(filter->m_hEvents);
        filter->m_nEventBytes = inUse * static_cast<std::int32_t>(sizeof(EventRecord));
        host::EventQueue out;
        filter->EmitEvents(&out);
        EXPECT_EQ(out.events.size(), sent);
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

// A fetch that fails once gives every event exactly once; a lasting failure
// stops the pass-through at the event it cannot fetch.
TEST_F(Driver, FetchFailureGivesCode19AndPassesThroughWhatCanBeFetched) {
    filter->m_bBypass = 0;
    const auto input = MixedInput();
    for (const auto& [failAt, once, passed] : {std::tuple{5, true, input.size()}, std::tuple{2, false, std::size_t{2}}}) {
        FailingEventQueue in(input);
        in.failFetchAt = failAt;
        in.failFetchOnce = once;
        host::EventQueue out;
        EXPECT_EQ(filter->ProcessEvents(0, 0, &in, &out), S_OK);
        EXPECT_EQ(GetErrorCode(), kErrInternalMfx);
        SetErrorCode(kNoError);
        ASSERT_EQ(out.events.size(), passed);
        for (std::size_t i = 0; once && i < input.size(); ++i)
            EXPECT_EQ(std::count_if(out.events.begin(), out.events.end(),
                                    [&](const HostEvent& e) { return SameEvent(e, input[i]); }),
                      1);
    }
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(Driver, CopyEventsCopiesWithoutStagesAndReportsQueueFailures) {
    filter->m_bBypass = 0;
    const auto input = MixedInput();
    FailingEventQueue in(input);
    host::EventQueue out;
    EXPECT_EQ(filter->CopyEvents(&in, &out), S_OK);
    ASSERT_EQ(out.events.size(), input.size());
    EXPECT_EQ(filter->m_hEvents, nullptr);
    in.failFetchAt = 1;
    EXPECT_EQ(filter->CopyEvents(&in, &out), E_FAIL);
    in.failCount = true;
    EXPECT_EQ(filter->CopyEvents(&in, &out), E_FAIL);
}

TEST_F(Driver, DisconnectReleasesServicesSlotsAndBuffer) {
    filter->m_bBypass = 0;
    Run({Note(0, 60, 90, 10)});
    EXPECT_EQ(host.timeBase.References(), 2u);
    filter->m_aSlots[3].wModule = 4;
    filter->m_aSlots[3].pData = new std::uint8_t[8];
    filter->m_aSlots[3].nDataLen = 8;
    EXPECT_EQ(filter->Disconnect(), S_OK);
    EXPECT_EQ((std::tuple{host.timeBase.References(), host.meter.References(), +filter->m_aSlots[3].wModule,
                          +filter->m_bBypass}),
              (std::tuple{1u, 1u, int{kEmptySlot}, 1u}));
    EXPECT_EQ((std::array{filter->m_pHostTimeBase == nullptr, filter->m_hEvents == nullptr,
                          +filter->m_aSlots[3].pData == nullptr}),
              (std::array{true, true, true}));
}

}  // namespace
}  // namespace cantivo::test
