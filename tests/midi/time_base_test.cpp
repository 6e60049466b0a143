#include <gtest/gtest.h>

#include "midi/time_base.h"

namespace cantivo::midi {
namespace {

TEST(TimeBase, MapsGatherEveryTrackByTimeAndLeaveOutShortEvents) {
    MidiFile file;
    file.tracks.resize(2);
    EXPECT_EQ(FirstTempo(file), (TempoChange{0, 500000}));
    EXPECT_EQ(FirstTimeSignature(file), (TimeSignature{0, 4, 2}));
    file.tracks[0].events = {MakeMeta(0, kMetaTimeSignature, {6, 3, 24, 8}), MakeMeta(960, kMetaTempo, {0x09, 0x27, 0xC0}),
                             MakeMeta(1920, kMetaTimeSignature, {2, 2, 24, 8})};
    file.tracks[1].events = {MakeMeta(0, kMetaTempo, {0x07, 0xA1, 0x20}), MakeMeta(480, kMetaTempo, {0x01, 0x02}),
                             MakeMeta(960, kMetaTimeSignature, {3, 2}), MakeMeta(990, kMetaTimeSignature, {5})};
    EXPECT_EQ(TempoMap(file), (std::vector<TempoChange>{{0, 500000}, {960, 600000}}));
    EXPECT_EQ(TimeSignatureMap(file), (std::vector<TimeSignature>{{0, 6, 3}, {960, 3, 2}, {1920, 2, 2}}));
    EXPECT_EQ(FirstTempo(file), (TempoChange{0, 500000}));
    // SMPTE timing, 25 frames of 40 ticks: no ticks per quarter.
    file.division = 0xE728;
    EXPECT_EQ(TicksPerQuarter(file), 0);
}

}  // namespace
}  // namespace cantivo::midi
