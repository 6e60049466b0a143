#include "tools/cantivo/bar_grid.h"

#include <algorithm>
#include <limits>

#include "midi/time_base.h"

namespace cantivo::host {

namespace {

constexpr std::uint64_t kFallbackTicksPerQuarter = 480;
constexpr std::uint8_t kDeepestBeatUnit = 8;  // 1/256

std::uint64_t BarLength(std::uint64_t ticksPerQuarter, midi::TimeSignature meter) {
    if (meter.numerator == 0 || meter.denominatorPower > kDeepestBeatUnit) meter = midi::TimeSignature{};
    return std::max<std::uint64_t>(1, ticksPerQuarter * 4 * meter.numerator >> meter.denominatorPower);
}

}  // namespace

std::vector<std::uint32_t> BarStarts(const midi::MidiFile& file, std::uint32_t end, std::uint32_t minimumBars) {
    const std::vector<midi::TimeSignature> meters = midi::TimeSignatureMap(file);
    const int division = midi::TicksPerQuarter(file);
    const std::uint64_t ticksPerQuarter = division > 0 ? static_cast<std::uint64_t>(division) : kFallbackTicksPerQuarter;

    std::vector<std::uint32_t> starts{0};
    midi::TimeSignature meter;
    std::size_t next = 0;
    std::uint64_t time = 0;
    while (starts.size() < kMaxBarStarts && (time < end || starts.size() <= minimumBars)) {
        while (next < meters.size() && meters[next].time <= time) meter = meters[next++];
        std::uint64_t barEnd = time + BarLength(ticksPerQuarter, meter);
        if (next < meters.size()) barEnd = std::min<std::uint64_t>(barEnd, meters[next].time);
        if (barEnd > std::numeric_limits<std::uint32_t>::max()) break;
        starts.push_back(static_cast<std::uint32_t>(barEnd));
        time = barEnd;
    }
    return starts;
}

}  // namespace cantivo::host
