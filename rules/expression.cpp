// Expression*: a swell on the expression controller through each phrase,
// for every channel that plays, from the channel's first note to the end of
// its last. The channel's own expression before its first note stays, and
// gives the level the swell moves around.
//   swell   controller steps between a phrase's edges and its middle (default 20)
//   step    ticks between two points of the curve (default 120); a point is
//           written only where the value changes
#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

#include "rules/kit/depth.h"
#include "rules/kit/note_random.h"
#include "rules/kit/transform.h"

namespace cantivo::rules {

namespace {

struct ChannelSpan {
    std::uint32_t first = kLatestRecordTime;
    std::uint32_t last = 0;
    int level = 100;
};

}  // namespace

const int kModuleParameter = 4;

void Transform(ModuleContext& context) {
    auto& records = context.buffer.records;
    const std::uint8_t controller = context.expressionController;
    const double swell = context.text.Get("swell", 20);

    std::map<int, ChannelSpan> spans;
    for (const EventRecord& r : records) {
        if (!IsNote(r)) continue;
        ChannelSpan& span = spans[r.data[3] & 0x0F];
        span.first = std::min(span.first, RecordTime(r));
        span.last = std::max(span.last, std::min(RecordTime(r) + NoteDuration(r), kLatestRecordTime));
    }
    // The level each channel stands at when it starts to play.
    for (const EventRecord& r : records) {
        if (!IsControllerNumber(r, controller)) continue;
        const auto span = spans.find(r.kind & 0x0F);
        if (span != spans.end() && RecordTime(r) <= span->second.first) span->second.level = r.data[1];
    }
    // The curve replaces the channel's own moves while it plays.
    std::erase_if(records, [&](const EventRecord& r) {
        if (!IsControllerNumber(r, controller)) return false;
        const auto span = spans.find(r.kind & 0x0F);
        return span != spans.end() && RecordTime(r) > span->second.first && RecordTime(r) <= span->second.last;
    });
    // A coarser curve where the written step would add more than a run may.
    std::uint64_t played = 0;
    for (const auto& [channel, span] : spans) played += span.last - span.first;
    const auto coarsest = static_cast<std::uint32_t>(played / context.buffer.MostToAdd() + 1);
    const std::uint32_t step = std::max(context.StepTicks("step", 120), coarsest);

    for (const auto& [channel, span] : spans) {
        int previous = -1;
        for (std::uint32_t time = span.first + step; time <= span.last; time += step) {
            EventRecord point{};
            SetRecordTime(point, time);
            point.kind = static_cast<std::uint8_t>(0xB0 | channel);
            point.data[0] = controller;
            const double shape = std::sin(std::numbers::pi * context.metric.InPhrase(time)) - 0.5;
            const double value =
                std::round(span.level + Scaled(swell * shape, context.row, NoteRandom(context.seed, point, 4)));
            point.data[1] = static_cast<std::uint8_t>(std::clamp(value, 0.0, 127.0));
            if (point.data[1] == previous) continue;
            previous = point.data[1];
            records.push_back(point);
        }
    }
}

}  // namespace cantivo::rules
