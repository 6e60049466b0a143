// Expression*: a swell on the expression controller through each phrase,
// for every channel that plays, from the channel's first note to the end of
// its last. The channel's own expression before its first note stays, and
// gives the level the swell moves around.
//   swell   controller steps between a phrase's edges and its middle (default 20)
//   step    ticks between two points of the curve (default 120)
#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

#include "rules/kit/depth.h"
#include "rules/kit/module_context.h"
#include "rules/kit/note_random.h"

using namespace cantivo;
using namespace cantivo::rules;

namespace {

struct ChannelSpan {
    std::uint32_t first = 0xFFFFFF;
    std::uint32_t last = 0;
    int level = 100;
    bool levelSet = false;
};

}  // namespace

CANTIVO_RULE_EXPORT std::int32_t QV12Convert(HWND, void* ruleData, HGLOBAL* events, std::int32_t* capacity,
                                             std::int32_t* bytesInUse, SettingsRegion* settings, void*,
                                             std::uint16_t meter, std::uint16_t, std::uint16_t timeBase,
                                             std::uint8_t expressionController) {
    const ParamEntry row = settings->params.aEntry[4];
    if (row.wDepth == 0) return 1;
    ModuleContext context(ruleData, events, capacity, bytesInUse, meter, timeBase);
    auto& records = context.buffer.records;
    const double swell = context.text.Get("swell", 20);
    const auto step = static_cast<std::uint32_t>(std::max(1.0, context.text.Get("step", 120) * context.tickScale));

    std::map<int, ChannelSpan> spans;
    for (const EventRecord& r : records) {
        if (!IsNote(r)) continue;
        ChannelSpan& span = spans[r.data[3] & 0x0F];
        span.first = std::min(span.first, RecordTime(r));
        span.last = std::max(span.last, RecordTime(r) + NoteDuration(r));
    }
    // The level each channel stands at when it starts to play.
    for (const EventRecord& r : records) {
        if (!IsControllerNumber(r, expressionController)) continue;
        const auto span = spans.find(r.kind & 0x0F);
        if (span != spans.end() && RecordTime(r) <= span->second.first) span->second.level = r.data[1];
    }
    // The curve replaces the channel's own moves while it plays.
    std::erase_if(records, [&](const EventRecord& r) {
        if (!IsControllerNumber(r, expressionController)) return false;
        const auto span = spans.find(r.kind & 0x0F);
        return span != spans.end() && RecordTime(r) > span->second.first && RecordTime(r) <= span->second.last;
    });
    for (const auto& [channel, span] : spans) {
        for (std::uint32_t time = span.first + step; time <= span.last; time += step) {
            EventRecord point{};
            SetRecordTime(point, time);
            point.kind = static_cast<std::uint8_t>(0xB0 | channel);
            point.data[0] = expressionController;
            const double shape = std::sin(std::numbers::pi * context.metric.InPhrase(time)) - 0.5;
            const double value = std::round(span.level + Scaled(swell * shape, row, NoteRandom(context.seed, point, 4)));
            point.data[1] = static_cast<std::uint8_t>(std::clamp(value, 0.0, 127.0));
            records.push_back(point);
        }
    }
    return context.buffer.Commit() ? 1 : 0;
}
