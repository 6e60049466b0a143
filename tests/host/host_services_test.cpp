#include <gtest/gtest.h>

#include <array>

#include "midi/midi_file.h"
#include "tools/host/host_services.h"

namespace cantivo::host {
namespace {

// The filter asks the host only for the time base and the first meter.
TEST(HostServices, TheSequencerLendsTheFilesTimeBaseAndAUsableFirstMeter) {
    const std::pair<std::vector<std::uint8_t>, std::array<std::int32_t, 2>> cases[] = {
        {{0, 2, 24, 8}, {4, 2}},  // no beats: 4/4
        {{3, 200, 24, 8}, {4, 2}},  // a beat unit no measure can be built on: 4/4
    };
    for (const auto& [signature, meter] : cases) {
        SCOPED_TRACE(static_cast<int>(signature[1]));
        midi::MidiTrack conductor;
        conductor.events = {midi::MakeMeta(0, midi::kMetaTimeSignature, signature)};
        Sequencer sequencer(midi::MidiFile{1, 96, {conductor}});
        IHostTimeBase* timeBase = nullptr;
        IHostMeter* meterService = nullptr;
        ASSERT_EQ(sequencer.QueryInterface(IID_IHostTimeBase, reinterpret_cast<void**>(&timeBase)), S_OK);
        ASSERT_EQ(sequencer.QueryInterface(IID_IHostMeter, reinterpret_cast<void**>(&meterService)), S_OK);
        EXPECT_EQ(timeBase->GetTimeBase(), 96);
        std::int32_t first = -1, beats = 0, power = 0;
        ASSERT_EQ(meterService->GetMeter(0, &first, &beats, &power), S_OK);
        EXPECT_EQ((std::array{first, beats, power}), (std::array{0, meter[0], meter[1]}));
    }
}

}  // namespace
}  // namespace cantivo::host
