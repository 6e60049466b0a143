// Modulation: vibrato on long notes. After a delay the modulation wheel rises
// to its peak and falls back to 0 when the note ends; one note at a time per
// channel, the first to start.
//   long    shortest note, in ticks, that gets vibrato (default 480)
//   peak    modulation value at depth 100 (default 40)
//   delay   percent of the note before the vibrato starts, 0..100 (default 30)
//   step    ticks between two points of the rise (default 60); a point is
//           written only where the value changes
#include <algorithm>
#include <cmath>
#include <map>

#include "rules/kit/depth.h"
#include "rules/kit/note_random.h"
#include "rules/kit/transform.h"

namespace cantivo::rules {

namespace {

// A rise takes at most this many steps, one per value the wheel can take.
constexpr std::uint32_t kMostRiseSteps = 128;

}  // namespace

const int kModuleParameter = 6;

void Transform(ModuleContext& context) {
    auto& records = context.buffer.records;
    const double longNote = context.text.Get("long", 480) * context.tickScale;
    const double peak = context.text.Get("peak", 40);
    const double delay = std::clamp(context.text.Get("delay", 30), 0, 100) / 100.0;
    const std::uint32_t writtenStep = context.StepTicks("step", 60);

    std::vector<EventRecord> added;
    std::map<int, std::uint32_t> busyUntil;  // per channel
    for (const EventRecord& note : records) {
        if (!IsNote(note) || NoteDuration(note) < longNote) continue;
        if (added.size() + kMostRiseSteps + 2 > context.buffer.MostToAdd()) break;
        const int channel = note.data[3] & 0x0F;
        const std::uint32_t start = RecordTime(note);
        const std::uint32_t end = start + NoteDuration(note);
        if (start < busyUntil[channel]) continue;
        busyUntil[channel] = end;
        const double top = std::clamp(Scaled(peak, context.row, NoteRandom(context.seed, note, 6)), 0.0, 127.0);
        const auto rise = static_cast<std::uint32_t>(start + NoteDuration(note) * delay);
        const auto full = static_cast<std::uint32_t>(start + NoteDuration(note) * 0.7);
        int previous = -1;
        auto point = [&](std::uint32_t time, double value) {
            EventRecord r{};
            SetRecordTime(r, std::min(time, kLatestRecordTime));
            r.kind = static_cast<std::uint8_t>(0xB0 | channel);
            r.data[0] = kModulationController;
            r.data[1] = static_cast<std::uint8_t>(std::round(value));
            if (r.data[1] == previous) return;
            previous = r.data[1];
            added.push_back(r);
        };
        const std::uint32_t step = std::max(writtenStep, (full > rise ? full - rise : 0) / kMostRiseSteps);
        for (std::uint32_t time = rise; time < full; time += step)
            point(time, top * (time - rise) / std::max<std::uint32_t>(1, full - rise));
        point(full, top);
        previous = -1;
        point(end, 0);
    }
    records.insert(records.end(), added.begin(), added.end());
}

}  // namespace cantivo::rules
