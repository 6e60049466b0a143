#include "tools/cantivo/piano_roll.h"

#include <algorithm>
#include <cstdio>

#include "midi/time_base.h"

namespace cantivo::host {

namespace {

using midi::MidiEvent;
using midi::MidiEventKind;
using midi::MidiFile;

constexpr double kPanelWidth = 800;
constexpr double kMargin = 30;
constexpr double kGap = 40;
constexpr double kTitleHeight = 24;
constexpr int kKeyPadding = 2;
constexpr const char* kTrackColours[] = {"#1f77b4", "#d62728", "#2ca02c", "#9467bd",
                                         "#ff7f0e", "#17becf", "#8c564b", "#e377c2"};

struct Extent {
    int lowKey = 127;
    int highKey = 0;
    std::uint32_t end = 0;

    void Add(const MidiFile& file) {
        for (const auto& track : file.tracks) {
            for (const MidiEvent& e : track.events) {
                if (e.kind != MidiEventKind::Note) continue;
                lowKey = std::min<int>(lowKey, e.key);
                highKey = std::max<int>(highKey, e.key);
                end = std::max(end, e.End());
            }
        }
    }
};

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

class Drawing {
public:
    Drawing(const Extent& extent, double rowHeight) : extent_(extent), rowHeight_(rowHeight) {}

    double Height() const { return (extent_.highKey - extent_.lowKey + 1) * rowHeight_; }

    void Panel(const MidiFile& file, double left, const char* title) {
        const double top = kMargin + kTitleHeight;
        svg += "<text x=\"" + Number(left) + "\" y=\"" + Number(kMargin + 16) + "\">" + title + "</text>\n";
        svg += "<rect x=\"" + Number(left) + "\" y=\"" + Number(top) + "\" width=\"" + Number(kPanelWidth) +
               "\" height=\"" + Number(Height()) + "\" fill=\"#fafafa\" stroke=\"#999\"/>\n";
        // Octave lines at each C.
        for (int key = extent_.lowKey; key <= extent_.highKey; ++key) {
            if (key % 12 != 0) continue;
            const double y = KeyTop(key, top) + rowHeight_;
            svg += "<line x1=\"" + Number(left) + "\" x2=\"" + Number(left + kPanelWidth) + "\" y1=\"" + Number(y) +
                   "\" y2=\"" + Number(y) + "\" stroke=\"#ddd\"/>\n";
        }
        BarLines(file, left, top);
        for (std::size_t t = 0; t < file.tracks.size(); ++t) {
            const char* colour = kTrackColours[t % std::size(kTrackColours)];
            for (const MidiEvent& e : file.tracks[t].events) {
                if (e.kind != MidiEventKind::Note) continue;
                const double x = left + X(e.time);
                const double width = std::max(1.0, X(e.End()) - X(e.time));
                svg += "<rect x=\"" + Number(x) + "\" y=\"" + Number(KeyTop(e.key, top)) +
                       "\" width=\"" + Number(width) + "\" height=\"" + Number(rowHeight_) + "\" fill=\"" + colour +
                       "\" fill-opacity=\"" + Number(0.25 + 0.75 * e.velocity / 127.0) + "\"/>\n";
            }
        }
    }

    std::string svg;

private:
    double X(std::uint32_t time) const { return extent_.end ? time * kPanelWidth / extent_.end : 0; }
    double KeyTop(int key, double top) const { return top + (extent_.highKey - key) * rowHeight_; }

    void BarLines(const MidiFile& file, double left, double top) {
        const int ticksPerQuarter = midi::TicksPerQuarter(file);
        const midi::TimeSignature meter = midi::FirstTimeSignature(file);
        if (ticksPerQuarter <= 0 || meter.numerator == 0 || meter.denominatorPower > 8) return;
        const std::uint64_t bar = std::uint64_t{static_cast<std::uint32_t>(ticksPerQuarter)} * 4 * meter.numerator >>
                                  meter.denominatorPower;
        if (bar == 0 || extent_.end / bar > 2000) return;
        for (std::uint64_t time = bar; time < extent_.end; time += bar) {
            const double x = left + X(static_cast<std::uint32_t>(time));
            svg += "<line x1=\"" + Number(x) + "\" x2=\"" + Number(x) + "\" y1=\"" + Number(top) + "\" y2=\"" +
                   Number(top + Height()) + "\" stroke=\"#e4e4e4\"/>\n";
        }
    }

    Extent extent_;
    double rowHeight_;
};

}  // namespace

std::string PianoRollSvg(const MidiFile& before, const MidiFile& after) {
    Extent extent;
    extent.Add(before);
    extent.Add(after);
    if (extent.lowKey > extent.highKey) extent.lowKey = extent.highKey = 60;  // no notes: an empty middle row
    extent.lowKey = std::max(0, extent.lowKey - kKeyPadding);
    extent.highKey = std::min(127, extent.highKey + kKeyPadding);
    const int rows = extent.highKey - extent.lowKey + 1;
    const double rowHeight = std::clamp(600.0 / rows, 3.0, 10.0);

    Drawing drawing(extent, rowHeight);
    const double width = 2 * kMargin + 2 * kPanelWidth + kGap;
    const double height = 2 * kMargin + kTitleHeight + drawing.Height();
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Number(width) + "\" height=\"" +
                      Number(height) + "\" viewBox=\"0 0 " + Number(width) + " " + Number(height) +
                      "\" font-family=\"sans-serif\" font-size=\"14\">\n";
    svg += "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
    drawing.Panel(before, kMargin, "Before");
    drawing.Panel(after, kMargin + kPanelWidth + kGap, "After");
    return svg + drawing.svg + "</svg>\n";
}

}  // namespace cantivo::host
