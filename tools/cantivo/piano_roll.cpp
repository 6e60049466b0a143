#include "tools/cantivo/piano_roll.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

#include "midi/time_base.h"
#include "tools/cantivo/bar_grid.h"
#include "tools/cantivo/change_report.h"
#include "tools/cantivo/filter_run.h"

namespace cantivo::host {

namespace {

using midi::MidiEvent;
using midi::MidiEventKind;
using midi::MidiFile;
using midi::MidiTrack;

constexpr double kAxisWidth = 110;  // key names and lane labels
constexpr double kRightMargin = 20;
constexpr double kLegendHeight = 30;
constexpr double kTitleHeight = 34;  // the track's name, then the bar numbers
constexpr double kRollGap = 24;
constexpr double kLaneGap = 6;
constexpr double kVelocityLaneHeight = 60;
constexpr double kControllerLaneHeight = 44;
constexpr double kLanePadding = 3;
// Wide enough that a move of ten ticks at 480 a quarter shows as a pixel.
constexpr double kPixelsPerQuarter = 48;
constexpr double kMinPlotWidth = 480;
constexpr double kMaxPlotWidth = 12000;
constexpr double kMinBarLabelSpacing = 28;
constexpr double kKeyNameRowHeight = 9;  // rows at least this tall name every key, others only C
constexpr int kKeyPadding = 1;
constexpr double kMaxNoteAreaHeight = 300;
constexpr double kMinRowHeight = 4;
constexpr double kMaxRowHeight = 12;
constexpr int kMaxWheel = 8191;
constexpr int kWheelSpan = 16383;

constexpr const char* kTrackColours[] = {"#1f77b4", "#d62728", "#2ca02c", "#9467bd",
                                         "#ff7f0e", "#17becf", "#8c564b", "#e377c2"};

// The controllers a style thins or sets, drawn in this order.
constexpr int kLaneControllers[] = {11, 10, 1, kPitchWheel};

constexpr const char* kStyleSheet =
    "<style>\n"
    "text { fill: #222; }\n"
    ".legend { font-size: 12px; }\n"
    ".title { font-size: 13px; font-weight: bold; }\n"
    ".bar-number, .key-name, .lane-name { font-size: 10px; fill: #555; }\n"
    ".key-name, .lane-name { text-anchor: end; }\n"
    ".frame { fill: none; stroke: #999; }\n"
    ".black-key { fill: #f0f0f0; }\n"
    ".bar-line { stroke: #d0d0d0; }\n"
    ".ghost { fill: #e4e4e4; stroke: #666; stroke-width: 0.8; stroke-dasharray: 2 1; }\n"
    ".note { fill-opacity: 0.8; stroke: #222; stroke-width: 0.5; }\n"
    ".ghost-stem { stroke: #aaa; stroke-width: 3; }\n"
    ".stem { stroke-width: 1.2; }\n"
    ".ghost-line { fill: none; stroke: #999; stroke-width: 1.5; stroke-dasharray: 3 2; }\n"
    ".line { fill: none; stroke-width: 1; }\n"
    ".ghost-point { fill: white; stroke: #777; stroke-width: 0.8; }\n"
    "</style>\n";

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

// Track names are whatever bytes a file holds; the picture keeps printable ASCII.
std::string Escaped(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        default: escaped += c >= 0x20 && c < 0x7F ? c : '?';
        }
    }
    return escaped;
}

std::string KeyName(int key) {
    static const char* const kNames[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
    return kNames[key % 12] + std::to_string(key / 12 - 1);  // middle C, key 60, is C4
}

bool IsBlackKey(int key) {
    const int pitchClass = key % 12;
    return pitchClass == 1 || pitchClass == 3 || pitchClass == 6 || pitchClass == 8 || pitchClass == 10;
}

int ControllerOf(const MidiEvent& e) {
    if (e.kind == MidiEventKind::PitchWheel) return kPitchWheel;
    return e.kind == MidiEventKind::Controller ? e.controller : -2;
}

// A controller value, or a wheel position, as a fraction of its range.
double ControllerLevel(const MidiEvent& e) {
    return e.kind == MidiEventKind::PitchWheel ? (e.wheel + kMaxWheel + 1) / double(kWheelSpan) : e.value / 127.0;
}

// The stretch of time the picture shows and how it maps to x.
struct Window {
    std::uint32_t start = 0;
    std::uint32_t end = 1;
    double width = kMinPlotWidth;

    double X(std::uint32_t time) const { return kAxisWidth + (double(time) - start) * width / (end - start); }
    bool Holds(const MidiEvent& e) const { return e.time < end && std::max(e.End(), e.time + 1) > start; }
};

std::uint32_t LastMoment(const MidiFile& file) {
    std::uint32_t last = 0;
    for (const MidiTrack& track : file.tracks)
        for (const MidiEvent& e : track.events) last = std::max(last, e.End());
    return last;
}

class RollWriter {
public:
    RollWriter(const Window& window, const std::vector<std::uint32_t>& barStarts) : window_(window), bars_(barStarts) {}

    // One track's roll from `top`; returns its height.
    double Roll(std::size_t index, const MidiTrack& before, const MidiTrack& after, double top) {
        colour_ = kTrackColours[index % std::size(kTrackColours)];
        const std::vector<const MidiEvent*> ghosts = NotesIn(before);
        const std::vector<const MidiEvent*> notes = NotesIn(after);
        KeyRange(ghosts, notes);

        const std::string name = TrackName(after.events.empty() ? before : after);
        svg += "<text class=\"title\" x=\"" + Number(kAxisWidth) + "\" y=\"" + Number(top + 14) + "\">Track " +
               std::to_string(index + 1) + (name.empty() ? "" : ": " + Escaped(name)) + "</text>\n";
        const double notesTop = top + kTitleHeight;
        double laneTop = notesTop + NoteAreaHeight() + kLaneGap;
        std::string lanes = VelocityLane(ghosts, notes, laneTop);
        laneTop += kVelocityLaneHeight + kLaneGap;
        for (const int controller : kLaneControllers) {
            const auto movesBefore = Moves(before, controller);
            const auto movesAfter = Moves(after, controller);
            if (movesBefore.empty() && movesAfter.empty()) continue;
            lanes += ControllerLane(controller, movesBefore, movesAfter, laneTop);
            laneTop += kControllerLaneHeight + kLaneGap;
        }
        const double bottom = laneTop - kLaneGap;

        KeyAxis(notesTop);
        BarLines(notesTop, bottom);
        svg += kClipped;
        for (const MidiEvent* note : ghosts) svg += NoteRect("ghost", *note, notesTop, "");
        for (const MidiEvent* note : notes) svg += NoteRect("note", *note, notesTop, colour_);
        svg += "</g>\n" + lanes;
        return bottom - top;
    }

    std::string svg;

private:
    using Move = std::pair<std::uint32_t, double>;  // time, level
    using ChannelMoves = std::map<int, std::vector<Move>>;

    std::vector<const MidiEvent*> NotesIn(const MidiTrack& track) const {
        std::vector<const MidiEvent*> notes;
        for (const MidiEvent& e : track.events)
            if (e.kind == MidiEventKind::Note && window_.Holds(e)) notes.push_back(&e);
        return notes;
    }

    void KeyRange(const std::vector<const MidiEvent*>& ghosts, const std::vector<const MidiEvent*>& notes) {
        lowKey_ = 127;
        highKey_ = 0;
        for (const auto* list : {&ghosts, &notes}) {
            for (const MidiEvent* note : *list) {
                lowKey_ = std::min<int>(lowKey_, note->key);
                highKey_ = std::max<int>(highKey_, note->key);
            }
        }
        if (lowKey_ > highKey_) lowKey_ = highKey_ = 60;  // no notes: one empty row at middle C
        lowKey_ = std::max(0, lowKey_ - kKeyPadding);
        highKey_ = std::min(127, highKey_ + kKeyPadding);
        rowHeight_ = std::clamp(kMaxNoteAreaHeight / (highKey_ - lowKey_ + 1), kMinRowHeight, kMaxRowHeight);
    }

    double NoteAreaHeight() const { return (highKey_ - lowKey_ + 1) * rowHeight_; }
    double KeyTop(int key, double notesTop) const { return notesTop + (highKey_ - key) * rowHeight_; }

    void KeyAxis(double notesTop) {
        for (int key = lowKey_; key <= highKey_; ++key) {
            const double y = KeyTop(key, notesTop);
            if (IsBlackKey(key))
                svg += "<rect class=\"black-key\" x=\"" + Number(kAxisWidth) + "\" y=\"" + Number(y) + "\" width=\"" +
                       Number(window_.width) + "\" height=\"" + Number(rowHeight_) + "\"/>\n";
            if (rowHeight_ >= kKeyNameRowHeight || key % 12 == 0)
                svg += "<text class=\"key-name\" x=\"" + Number(kAxisWidth - 4) + "\" y=\"" +
                       Number(y + rowHeight_ / 2 + 3.5) + "\">" + KeyName(key) + "</text>\n";
        }
        svg += "<rect class=\"frame\" x=\"" + Number(kAxisWidth) + "\" y=\"" + Number(notesTop) + "\" width=\"" +
               Number(window_.width) + "\" height=\"" + Number(NoteAreaHeight()) + "\"/>\n";
    }

    // A line at each bar, numbered above the notes; narrow bars are numbered every few.
    void BarLines(double notesTop, double bottom) {
        std::uint32_t narrowest = window_.end - window_.start;
        for (std::size_t bar = 1; bar < bars_.size(); ++bar) narrowest = std::min(narrowest, bars_[bar] - bars_[bar - 1]);
        const double pixels = window_.width * narrowest / (window_.end - window_.start);
        const std::size_t every =
            pixels >= kMinBarLabelSpacing ? 1 : static_cast<std::size_t>(std::min(1000.0, kMinBarLabelSpacing / pixels)) + 1;
        for (std::size_t bar = 0; bar < bars_.size(); ++bar) {
            const std::uint32_t start = bars_[bar];
            if (start < window_.start || start > window_.end) continue;
            const double x = window_.X(start);
            svg += "<line class=\"bar-line\" x1=\"" + Number(x) + "\" x2=\"" + Number(x) + "\" y1=\"" +
                   Number(notesTop) + "\" y2=\"" + Number(bottom) + "\"/>\n";
            if (start < window_.end && bar % every == 0)
                svg += "<text class=\"bar-number\" x=\"" + Number(x + 2) + "\" y=\"" + Number(notesTop - 4) + "\">" +
                       std::to_string(bar + 1) + "</text>\n";
        }
    }

    std::string NoteRect(const char* kind, const MidiEvent& note, double notesTop, const std::string& fill) const {
        const double x = window_.X(note.time);
        const double width = std::max(1.0, window_.X(note.End()) - x);
        return std::string("<rect class=\"") + kind + "\" x=\"" + Number(x) + "\" y=\"" +
               Number(KeyTop(note.key, notesTop)) + "\" width=\"" + Number(width) + "\" height=\"" +
               Number(rowHeight_) + "\"" + (fill.empty() ? "" : " fill=\"" + fill + "\"") + "/>\n";
    }

    // A lane's group: its frame and name, then what it draws, cut at the picture's edges.
    std::string LaneStart(const char* kind, const std::string& label, double top, double height,
                          const std::string& attributes) const {
        return std::string("<g class=\"") + kind + "\"" + attributes + ">\n<rect class=\"frame\" x=\"" +
               Number(kAxisWidth) + "\" y=\"" + Number(top) + "\" width=\"" + Number(window_.width) + "\" height=\"" +
               Number(height) + "\"/>\n<text class=\"lane-name\" x=\"" + Number(kAxisWidth - 4) + "\" y=\"" +
               Number(top + height / 2 + 3.5) + "\">" + label + "</text>\n" + kClipped;
    }
    static constexpr const char* kClipped = "<g clip-path=\"url(#plot)\">\n";
    static constexpr const char* kLaneEnd = "</g>\n</g>\n";

    static double LevelY(double level, double top, double height) {
        return top + height - kLanePadding - level * (height - 2 * kLanePadding);
    }

    // A stem at each note's start, as high as its velocity: the input's wide and grey behind the output's.
    std::string VelocityLane(const std::vector<const MidiEvent*>& ghosts, const std::vector<const MidiEvent*>& notes,
                             double top) const {
        std::string lane = LaneStart("velocity-lane", "velocity", top, kVelocityLaneHeight, "");
        const double base = top + kVelocityLaneHeight;
        for (const auto& [list, kind] : {std::pair{&ghosts, "ghost-stem"}, std::pair{&notes, "stem"}}) {
            for (const MidiEvent* note : *list) {
                const std::string x = Number(window_.X(note->time));
                lane += std::string("<line class=\"") + kind + "\" x1=\"" + x + "\" x2=\"" + x + "\" y1=\"" +
                        Number(base) + "\" y2=\"" + Number(LevelY(note->velocity / 127.0, top, kVelocityLaneHeight)) +
                        "\"" + (list == &notes ? " stroke=\"" + colour_ + "\"" : "") + "/>\n";
            }
        }
        return lane + kLaneEnd;
    }

    // Per channel, the moves inside the window with the value in force when it opens.
    ChannelMoves Moves(const MidiTrack& track, int controller) const {
        ChannelMoves moves;
        std::map<int, Move> carried;
        for (const MidiEvent& e : track.events) {
            if (ControllerOf(e) != controller || e.time >= window_.end) continue;
            if (e.time < window_.start) {
                carried[e.channel] = {window_.start, ControllerLevel(e)};
            } else {
                moves[e.channel].emplace_back(e.time, ControllerLevel(e));
            }
        }
        for (const auto& [channel, move] : carried) {
            auto& list = moves[channel];
            list.insert(list.begin(), move);
        }
        return moves;
    }

    // A step line through the moves, with a point at each: thinned moves show as lone hollow points.
    std::string ControllerLane(int controller, const ChannelMoves& before, const ChannelMoves& after, double top) const {
        std::string lane = LaneStart("controller-lane", ControllerName(controller), top, kControllerLaneHeight,
                                     " data-controller=\"" + std::to_string(controller) + "\"");
        for (const auto& [moves, ghost] : {std::pair{&before, true}, std::pair{&after, false}}) {
            for (const auto& [channel, list] : *moves) {
                std::string points;
                std::string dots;
                double y = 0;
                for (std::size_t i = 0; i < list.size(); ++i) {
                    const std::string x = Number(window_.X(list[i].first));
                    if (i > 0) points += x + "," + Number(y) + " ";
                    y = LevelY(list[i].second, top, kControllerLaneHeight);
                    points += x + "," + Number(y) + " ";
                    dots += std::string("<circle class=\"") + (ghost ? "ghost-point" : "point") + "\" cx=\"" + x +
                            "\" cy=\"" + Number(y) + "\" r=\"" + (ghost ? "2.5" : "1.5") + "\"" +
                            (ghost ? "" : " fill=\"" + colour_ + "\"") + "/>\n";
                }
                points += Number(window_.X(window_.end)) + "," + Number(y);
                lane += std::string("<polyline class=\"") + (ghost ? "ghost-line" : "line") + "\" points=\"" + points +
                        "\"" + (ghost ? "" : " stroke=\"" + colour_ + "\"") + "/>\n" + dots;
            }
        }
        return lane + kLaneEnd;
    }

    const Window& window_;
    const std::vector<std::uint32_t>& bars_;
    std::string colour_;
    int lowKey_ = 60;
    int highKey_ = 60;
    double rowHeight_ = kMaxRowHeight;
};

}  // namespace

std::string PianoRollSvg(const MidiFile& before, const MidiFile& after, const std::optional<BarRange>& bars) {
    const std::uint32_t last = std::max(LastMoment(before), LastMoment(after));
    const std::vector<std::uint32_t> starts = BarStarts(before, last, bars ? bars->last : 1);
    Window window;
    std::size_t firstBar = 0;
    std::size_t endBar = starts.size() - 1;
    if (bars) {
        firstBar = std::min<std::size_t>(bars->first - 1, starts.size() - 2);
        endBar = std::min<std::size_t>(bars->last, starts.size() - 1);
    }
    window.start = starts[firstBar];
    window.end = starts[endBar];
    const int division = midi::TicksPerQuarter(before);
    const double quarters = double(window.end - window.start) / (division > 0 ? division : 480);
    window.width = std::clamp(quarters * kPixelsPerQuarter, kMinPlotWidth, kMaxPlotWidth);
    const std::vector<std::uint32_t> shownBars(starts.begin(), starts.begin() + static_cast<std::ptrdiff_t>(endBar) + 1);

    RollWriter writer(window, shownBars);
    double top = kLegendHeight;
    const std::size_t tracks = std::max(before.tracks.size(), after.tracks.size());
    static const MidiTrack kEmpty{};
    for (std::size_t t = 0; t < tracks; ++t) {
        const MidiTrack& a = t < before.tracks.size() ? before.tracks[t] : kEmpty;
        const MidiTrack& b = t < after.tracks.size() ? after.tracks[t] : kEmpty;
        if (!HasChannelEvents(a) && !HasChannelEvents(b)) continue;
        top += writer.Roll(t, a, b, top) + kRollGap;
    }

    const double width = kAxisWidth + window.width + kRightMargin;
    const double height = top;
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Number(width) + "\" height=\"" +
                      Number(height) + "\" viewBox=\"0 0 " + Number(width) + " " + Number(height) +
                      "\" font-family=\"sans-serif\">\n";
    svg += kStyleSheet;
    svg += "<defs><clipPath id=\"plot\"><rect x=\"" + Number(kAxisWidth) + "\" y=\"0\" width=\"" +
           Number(window.width) + "\" height=\"" + Number(height) + "\"/></clipPath></defs>\n";
    svg += "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
    svg += "<text class=\"legend\" x=\"" + Number(kAxisWidth) + "\" y=\"18\">Bars " + std::to_string(firstBar + 1) +
           "-" + std::to_string(endBar) + ". Grey, dashed: the input; coloured: the output.</text>\n";
    return svg + writer.svg + "</svg>\n";
}

}  // namespace cantivo::host
