#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "tools/cantivo/change_report.h"

namespace cantivo::host {
namespace {

using midi::MakeController;
using midi::MakeNote;
using midi::MakePitchWheel;
using midi::MidiFile;
using midi::MidiTrack;

MidiFile OneTrack(std::vector<midi::MidiEvent> events) {
    MidiTrack track;
    track.events = {midi::MakeMeta(0, midi::kMetaTrackName, {'L', 'e', 'a', 'd'})};
    track.events.insert(track.events.end(), events.begin(), events.end());
    return MidiFile{1, 480, {track}};
}

TEST(ChangeReport, PairsNotesByOrderWithinTheirKeyAndChannel) {
    // Two notes of key 60 swap their velocities' order only if paired wrongly.
    const MidiFile before = OneTrack({MakeNote(0, 0, 60, 100, 240), MakeNote(480, 0, 60, 50, 240),
                                      MakeNote(480, 1, 60, 70, 480), MakeNote(960, 0, 64, 80, 100)});
    const MidiFile after = OneTrack({MakeNote(10, 0, 60, 100, 240), MakeNote(470, 0, 60, 55, 240),
                                     MakeNote(480, 1, 60, 70, 400), MakeNote(990, 0, 64, 80, 100)});
    const ChangeReport report = CompareFiles(before, after);
    const NoteChanges& n = report.notes;
    EXPECT_EQ((std::array{n.before, n.after, n.paired, n.changed, n.moved, n.earlier, n.later, n.velocityChanged,
                          n.durationChanged}),
              (std::array{4, 4, 4, 4, 3, 1, 2, 1, 1}));
    EXPECT_EQ((std::tuple{n.shift.low, n.shift.high, n.shiftSum, n.velocityBefore.low, n.velocityAfter.low,
                          n.durationAfter.high}),
              (std::tuple{-10, 30, 30, 50, 55, 400}));

    const std::string text = FormatReport(report);
    EXPECT_NE(text.find("moved: 3 of 4 (1 earlier, 2 later), by -10..+30 ticks, mean +10.0"), std::string::npos)
        << text;
    EXPECT_NE(text.find("velocity: 50..100 before, 55..100 after (1 changed)"), std::string::npos) << text;
    EXPECT_NE(text.find("track \"Lead\": 4 notes, 3 moved"), std::string::npos) << text;
}

TEST(ChangeReport, CountsControllersAddedAndThinnedPerKind) {
    const MidiFile before = OneTrack({MakeController(0, 0, 11, 100), MakeController(10, 0, 11, 101),
                                      MakeController(20, 0, 11, 102), MakePitchWheel(0, 0, 100),
                                      MakeController(0, 0, 1, 5)});
    const MidiFile after = OneTrack({MakeController(0, 0, 11, 100), MakeController(20, 0, 11, 102),
                                     MakePitchWheel(0, 0, 100), MakeController(0, 0, 10, 64),
                                     MakeController(0, 0, 1, 5), MakeController(30, 0, 1, 9)});
    const ChangeReport report = CompareFiles(before, after);
    ASSERT_EQ(report.controllers.size(), 4u);
    const auto expect = [&](std::size_t i, int controller, int b, int a, int added, int removed) {
        const ControllerChanges& c = report.controllers[i];
        EXPECT_EQ((std::array{c.controller, c.before, c.after, c.added, c.removed}),
                  (std::array{controller, b, a, added, removed}));
    };
    expect(0, kPitchWheel, 1, 1, 0, 0);
    expect(1, 1, 1, 2, 1, 0);
    expect(2, 10, 0, 1, 1, 0);
    expect(3, 11, 3, 2, 0, 1);
    EXPECT_NE(FormatReport(report).find("CC11 expression: 3 before, 2 after (0 added, 1 removed or thinned)"),
              std::string::npos);
}

}  // namespace
}  // namespace cantivo::host
