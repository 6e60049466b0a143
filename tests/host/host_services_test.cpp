#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "midi/midi_file.h"
#include "tools/host/event_queue.h"
#include "tools/host/host_services.h"
#include "tools/host/memory_stream.h"

namespace cantivo::host {
namespace {

midi::MidiFile FileWithMeter(std::uint16_t division, std::vector<std::uint8_t> signature) {
    midi::MidiFile file{1, division, {}};
    midi::MidiTrack conductor;
    conductor.events.push_back(midi::MakeMeta(0, midi::kMetaTempo, {0x07, 0xA1, 0x20}));  // 500000
    conductor.events.push_back(midi::MakeMeta(0, midi::kMetaTimeSignature, std::move(signature)));
    file.tracks.push_back(conductor);
    return file;
}

TEST(HostServices, TheSequencerLendsTheFilesTimeBaseAndFirstMeter) {
    Sequencer sequencer(FileWithMeter(96, {3, 3, 24, 8}));  // 3/8
    IHostTimeBase* timeBase = nullptr;
    IHostMeter* meter = nullptr;
    ASSERT_EQ(sequencer.QueryInterface(IID_IHostTimeBase, reinterpret_cast<void**>(&timeBase)), S_OK);
    ASSERT_EQ(sequencer.QueryInterface(IID_IHostMeter, reinterpret_cast<void**>(&meter)), S_OK);
    void* other = &sequencer;
    EXPECT_EQ(sequencer.QueryInterface(IID_IHostEventQueue, &other), E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);

    EXPECT_EQ(timeBase->GetTimeBase(), 96);
    EXPECT_EQ(timeBase->TicksToMilliseconds(192), 1000);
    EXPECT_EQ(timeBase->MillisecondsToTicks(250), 48);

    ASSERT_NE(meter->HasMeter(), 0);
    std::int32_t first = -1, beats = 0, power = 0;
    ASSERT_EQ(meter->GetMeter(0, &first, &beats, &power), S_OK);
    EXPECT_EQ((std::array{first, beats, power}), (std::array{0, 3, 3}));

    // An eighth is 48 ticks, a measure 144.
    std::int32_t measure = 0, beat = 0, tick = 0;
    ASSERT_EQ(meter->TicksToMeasure(144 * 2 + 48 + 5, &measure, &beat, &tick), S_OK);
    EXPECT_EQ((std::array{measure, beat, tick}), (std::array{2, 1, 5}));
    std::int32_t ticks = 0;
    ASSERT_EQ(meter->MeasureToTicks(2, 1, 5, &ticks), S_OK);
    EXPECT_EQ(ticks, 144 * 2 + 48 + 5);
    EXPECT_EQ(meter->TicksToMeasure(-1, &measure, &beat, &tick), E_INVALIDARG);
    EXPECT_EQ(meter->MeasureToTicks(0x7FFFFFFF, 0, 0, &ticks), E_INVALIDARG);
    timeBase->Release();
    meter->Release();
}

TEST(HostServices, AMeterNoMeasureCanBeBuiltOnCountsAsFourFour) {
    for (const auto& signature : {std::vector<std::uint8_t>{0, 2, 24, 8}, std::vector<std::uint8_t>{3, 200, 24, 8}}) {
        Sequencer sequencer(FileWithMeter(480, signature));
        std::int32_t first = 0, beats = 0, power = 0;
        ASSERT_EQ(sequencer.meter.GetMeter(0, &first, &beats, &power), S_OK);
        EXPECT_EQ((std::array{beats, power}), (std::array{4, 2}));
        std::int32_t measure = 0, beat = 0, tick = 0;
        EXPECT_EQ(sequencer.meter.TicksToMeasure(1920 + 480, &measure, &beat, &tick), S_OK);
        EXPECT_EQ((std::array{measure, beat, tick}), (std::array{1, 1, 0}));
    }
}

TEST(HostServices, TheQueueHandsOutWhatWasAddedAndRefusesOtherIndices) {
    EventQueue queue;
    HostEvent event{};
    event.time = 42;
    event.hostTag = 7;
    ASSERT_EQ(queue.Add(&event), S_OK);
    std::int32_t count = 0;
    ASSERT_EQ(queue.GetCount(&count), S_OK);
    EXPECT_EQ(count, 1);
    HostEvent back{};
    ASSERT_EQ(queue.GetAt(0, &back), S_OK);
    EXPECT_EQ(std::memcmp(&back, &event, sizeof event), 0);
    EXPECT_TRUE(FAILED(queue.GetAt(1, &back)));
    EXPECT_TRUE(FAILED(queue.GetAt(-1, &back)));
    EXPECT_EQ(queue.Add(nullptr), E_POINTER);
}

TEST(MemoryStream, ReadsWritesAndSeeksLikeAStream) {
    const std::vector<std::uint8_t> bytes = {1, 2, 3, 4, 5};
    MemoryStream stream(bytes);
    std::uint8_t buffer[8] = {};
    ULONG read = 0;
    EXPECT_EQ(stream.Read(buffer, 3, &read), S_OK);
    EXPECT_EQ(read, 3u);
    EXPECT_EQ(stream.Read(buffer, 3, &read), S_FALSE);  // short: what is left
    EXPECT_EQ(read, 2u);
    EXPECT_EQ(buffer[1], 5);
    EXPECT_EQ(stream.Read(buffer, 1, &read), S_FALSE);
    EXPECT_EQ(read, 0u);

    LARGE_INTEGER move{};
    move.QuadPart = -2;
    ULARGE_INTEGER position{};
    ASSERT_EQ(stream.Seek(move, STREAM_SEEK_END, &position), S_OK);
    EXPECT_EQ(position.QuadPart, 3u);
    ULONG written = 0;
    ASSERT_EQ(stream.Write("\x09\x08\x07", 3, &written), S_OK);
    EXPECT_EQ(written, 3u);
    EXPECT_EQ(stream.bytes, (std::vector<std::uint8_t>{1, 2, 3, 9, 8, 7}));
    move.QuadPart = -7;
    EXPECT_EQ(stream.Seek(move, STREAM_SEEK_END, &position), E_INVALIDARG);
    EXPECT_EQ(stream.position, 6u);
}

}  // namespace
}  // namespace cantivo::host
