#include "tools/cantivo/change_report.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <tuple>

namespace cantivo::host {

namespace {

using midi::MidiEvent;
using midi::MidiEventKind;
using midi::MidiTrack;

const MidiTrack kEmptyTrack{};

std::vector<const MidiEvent*> Notes(const MidiTrack& track) {
    std::vector<const MidiEvent*> notes;
    for (const MidiEvent& e : track.events)
        if (e.kind == MidiEventKind::Note) notes.push_back(&e);
    // Stable, so notes of one key that start together keep their order.
    std::stable_sort(notes.begin(), notes.end(), [](const MidiEvent* a, const MidiEvent* b) { return a->time < b->time; });
    return notes;
}

NoteChanges CompareNotes(const MidiTrack& before, const MidiTrack& after) {
    NoteChanges changes;
    std::map<std::pair<int, int>, std::vector<const MidiEvent*>> byKey[2];
    const MidiTrack* sides[2] = {&before, &after};
    for (int side = 0; side < 2; ++side) {
        for (const MidiEvent* note : Notes(*sides[side])) {
            byKey[side][{note->channel, note->key}].push_back(note);
            (side == 0 ? changes.velocityBefore : changes.velocityAfter).Add(note->velocity);
            (side == 0 ? changes.durationBefore : changes.durationAfter).Add(note->duration);
            ++(side == 0 ? changes.before : changes.after);
        }
    }
    for (const auto& [key, notesBefore] : byKey[0]) {
        const auto found = byKey[1].find(key);
        if (found == byKey[1].end()) continue;
        const auto& notesAfter = found->second;
        for (std::size_t i = 0; i < std::min(notesBefore.size(), notesAfter.size()); ++i) {
            const MidiEvent& a = *notesBefore[i];
            const MidiEvent& b = *notesAfter[i];
            ++changes.paired;
            const std::int64_t shift = std::int64_t{b.time} - std::int64_t{a.time};
            if (shift != 0) {
                ++changes.moved;
                ++(shift < 0 ? changes.earlier : changes.later);
                changes.shift.Add(shift);
                changes.shiftSum += shift;
            }
            if (a.velocity != b.velocity) ++changes.velocityChanged;
            if (a.duration != b.duration) ++changes.durationChanged;
            if (shift != 0 || a.velocity != b.velocity || a.duration != b.duration) ++changes.changed;
        }
    }
    return changes;
}

// Controllers and wheel moves as (channel, time, value) per controller.
using Moves = std::map<int, std::vector<std::tuple<int, std::uint32_t, int>>>;

Moves ControllerMoves(const MidiTrack& track) {
    Moves moves;
    for (const MidiEvent& e : track.events) {
        if (e.kind == MidiEventKind::Controller) moves[e.controller].emplace_back(e.channel, e.time, e.value);
        if (e.kind == MidiEventKind::PitchWheel) moves[kPitchWheel].emplace_back(e.channel, e.time, e.wheel);
    }
    for (auto& [controller, list] : moves) std::sort(list.begin(), list.end());
    return moves;
}

void CompareControllers(const MidiTrack& before, const MidiTrack& after, std::map<int, ControllerChanges>& totals) {
    const Moves movesBefore = ControllerMoves(before);
    const Moves movesAfter = ControllerMoves(after);
    std::vector<int> controllers;
    for (const auto& [controller, list] : movesBefore) controllers.push_back(controller);
    for (const auto& [controller, list] : movesAfter) controllers.push_back(controller);
    std::sort(controllers.begin(), controllers.end());
    controllers.erase(std::unique(controllers.begin(), controllers.end()), controllers.end());

    static const std::vector<std::tuple<int, std::uint32_t, int>> kNone;
    for (const int controller : controllers) {
        const auto foundBefore = movesBefore.find(controller);
        const auto foundAfter = movesAfter.find(controller);
        const auto& a = foundBefore == movesBefore.end() ? kNone : foundBefore->second;
        const auto& b = foundAfter == movesAfter.end() ? kNone : foundAfter->second;
        std::vector<std::tuple<int, std::uint32_t, int>> common;
        std::set_intersection(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(common));
        ControllerChanges& total = totals[controller];
        total.controller = controller;
        total.before += static_cast<int>(a.size());
        total.after += static_cast<int>(b.size());
        total.removed += static_cast<int>(a.size() - common.size());
        total.added += static_cast<int>(b.size() - common.size());
    }
}

std::string Range(const ValueRange& range) {
    return range.any ? std::to_string(range.low) + ".." + std::to_string(range.high) : "none";
}

std::string Signed(std::int64_t value) { return (value > 0 ? "+" : "") + std::to_string(value); }

std::string Format(const char* format, double value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

}  // namespace

std::string TrackName(const MidiTrack& track) {
    for (const MidiEvent& e : track.events)
        if (e.IsMeta(midi::kMetaTrackName)) return std::string(e.data.begin(), e.data.end());
    return {};
}

std::string ControllerName(int controller) {
    switch (controller) {
    case kPitchWheel: return "pitch wheel";
    case 1: return "CC1 modulation";
    case 7: return "CC7 volume";
    case 10: return "CC10 pan";
    case 11: return "CC11 expression";
    case 64: return "CC64 sustain";
    default: return "CC" + std::to_string(controller);
    }
}

void ValueRange::Add(std::int64_t value) {
    low = any ? std::min(low, value) : value;
    high = any ? std::max(high, value) : value;
    any = true;
}

void NoteChanges::Add(const NoteChanges& other) {
    before += other.before;
    after += other.after;
    paired += other.paired;
    changed += other.changed;
    moved += other.moved;
    earlier += other.earlier;
    later += other.later;
    shiftSum += other.shiftSum;
    velocityChanged += other.velocityChanged;
    durationChanged += other.durationChanged;
    const std::pair<ValueRange*, const ValueRange*> ranges[] = {
        {&shift, &other.shift},
        {&velocityBefore, &other.velocityBefore},
        {&velocityAfter, &other.velocityAfter},
        {&durationBefore, &other.durationBefore},
        {&durationAfter, &other.durationAfter},
    };
    for (const auto& [mine, theirs] : ranges) {
        if (!theirs->any) continue;
        mine->Add(theirs->low);
        mine->Add(theirs->high);
    }
}

ChangeReport CompareFiles(const midi::MidiFile& before, const midi::MidiFile& after) {
    ChangeReport report;
    std::map<int, ControllerChanges> controllers;
    const std::size_t tracks = std::max(before.tracks.size(), after.tracks.size());
    for (std::size_t t = 0; t < tracks; ++t) {
        const MidiTrack& a = t < before.tracks.size() ? before.tracks[t] : kEmptyTrack;
        const MidiTrack& b = t < after.tracks.size() ? after.tracks[t] : kEmptyTrack;
        TrackChanges track{TrackName(a), CompareNotes(a, b)};
        report.notes.Add(track.notes);
        if (track.notes.before || track.notes.after) report.tracks.push_back(std::move(track));
        CompareControllers(a, b, controllers);
    }
    for (const auto& [controller, changes] : controllers) report.controllers.push_back(changes);
    return report;
}

std::string FormatReport(const ChangeReport& report) {
    const NoteChanges& n = report.notes;
    std::string text = "Notes: " + std::to_string(n.before) + " before, " + std::to_string(n.after) + " after, " +
                       std::to_string(n.changed) + " changed\n";
    text += "  moved: " + std::to_string(n.moved) + " of " + std::to_string(n.paired);
    if (n.moved) {
        text += " (" + std::to_string(n.earlier) + " earlier, " + std::to_string(n.later) + " later), by " +
                Signed(n.shift.low) + ".." + Signed(n.shift.high) + " ticks, mean " +
                Format("%+.1f", static_cast<double>(n.shiftSum) / n.moved);
    }
    text += "\n";
    text += "  velocity: " + Range(n.velocityBefore) + " before, " + Range(n.velocityAfter) + " after (" +
            std::to_string(n.velocityChanged) + " changed)\n";
    text += "  duration: " + Range(n.durationBefore) + " before, " + Range(n.durationAfter) + " after ticks (" +
            std::to_string(n.durationChanged) + " changed)\n";
    for (std::size_t i = 0; i < report.tracks.size(); ++i) {
        const TrackChanges& track = report.tracks[i];
        text += "  track " + (track.name.empty() ? std::string("(unnamed)") : "\"" + track.name + "\"") + ": " +
                std::to_string(track.notes.before) + " notes, " + std::to_string(track.notes.moved) + " moved, " +
                std::to_string(track.notes.velocityChanged) + " velocities and " +
                std::to_string(track.notes.durationChanged) + " durations changed\n";
    }
    text += "Controllers:";
    if (report.controllers.empty()) text += " none";
    text += "\n";
    for (const ControllerChanges& c : report.controllers) {
        text += "  " + ControllerName(c.controller) + ": " + std::to_string(c.before) + " before, " +
                std::to_string(c.after) + " after (" + std::to_string(c.added) + " added, " +
                std::to_string(c.removed) + " removed or thinned)\n";
    }
    return text;
}

}  // namespace cantivo::host
