// What the filter changed, from the file before and after: notes paired by
// order within their track, channel and key; controllers and wheel moves
// counted per kind, those without an equal counterpart as added or removed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "midi/midi_file.h"

namespace cantivo::host {

struct ValueRange {
    std::int64_t low = 0;
    std::int64_t high = 0;
    bool any = false;

    void Add(std::int64_t value);
};

struct NoteChanges {
    int before = 0;
    int after = 0;
    int paired = 0;
    int changed = 0;  // of the paired notes, those moved or changed in velocity or duration
    int moved = 0;    // of the paired notes, those that start at another tick
    int earlier = 0;
    int later = 0;
    ValueRange shift;  // ticks, over the moved notes
    std::int64_t shiftSum = 0;
    int velocityChanged = 0;
    int durationChanged = 0;
    ValueRange velocityBefore, velocityAfter;
    ValueRange durationBefore, durationAfter;

    void Add(const NoteChanges& other);
};

// One controller number, or the pitch wheel (controller -1).
struct ControllerChanges {
    int controller = 0;
    int before = 0;
    int after = 0;
    int added = 0;
    int removed = 0;
};
inline constexpr int kPitchWheel = -1;

struct TrackChanges {
    std::string name;  // the track's name event, if it has one
    NoteChanges notes;
};

struct ChangeReport {
    NoteChanges notes;
    std::vector<TrackChanges> tracks;           // tracks with notes, by index
    std::vector<ControllerChanges> controllers;  // wheel first, then by number
};

// Tracks are compared by index; a track missing on one side counts as empty.
ChangeReport CompareFiles(const midi::MidiFile& before, const midi::MidiFile& after);

// The track's name event, if it has one.
std::string TrackName(const midi::MidiTrack& track);

// "CC11 expression", "pitch wheel", "CC20".
std::string ControllerName(int controller);

std::string FormatReport(const ChangeReport& report);

}  // namespace cantivo::host
