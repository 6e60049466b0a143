// Modulation: vibrato on long notes. After a delay the modulation wheel rises
// to its peak and falls back to 0 when the note ends; one note at a time per
// channel, the first to start.
//   long    shortest note, in ticks, that gets vibrato (default 480)
//   peak    modulation value at depth 100 (default 40)
//   delay   percent of the note before the vibrato starts (default 30)
//   step    ticks between two points of the rise (default 60)
#include <algorithm>
#include <cmath>
#include <map>

#include "rules/kit/depth.h"
#include "rules/kit/module_context.h"
#include "rules/kit/note_random.h"

using namespace cantivo;
using namespace cantivo::rules;

CANTIVO_RULE_EXPORT std::int32_t QV12Convert(HWND, void* ruleData, HGLOBAL* events, std::int32_t* capacity,
                                             std::int32_t* bytesInUse, SettingsRegion* settings, void*,
                                             std::uint16_t meter, std::uint16_t, std::uint16_t timeBase,
                                             std::uint8_t) {
    const ParamEntry row = settings->params.aEntry[6];
    if (row.wDepth == 0) return 1;
    ModuleContext context(ruleData, events, capacity, bytesInUse, meter, timeBase);
    auto& records = context.buffer.records;
    const double longNote = context.text.Get("long", 480) * context.tickScale;
    const double peak = context.text.Get("peak", 40);
    const double delay = context.text.Get("delay", 30) / 100.0;
    const auto step = static_cast<std::uint32_t>(std::max(1.0, context.text.Get("step", 60) * context.tickScale));

    std::vector<EventRecord> added;
    std::map<int, std::uint32_t> busyUntil;  // per channel
    for (const EventRecord& note : records) {
        if (!IsNote(note) || NoteDuration(note) < longNote) continue;
        const int channel = note.data[3] & 0x0F;
        const std::uint32_t start = RecordTime(note);
        const std::uint32_t end = start + NoteDuration(note);
        if (start < busyUntil[channel]) continue;
        busyUntil[channel] = end;
        const double top = std::clamp(Scaled(peak, row, NoteRandom(context.seed, note, 6)), 0.0, 127.0);
        const auto rise = static_cast<std::uint32_t>(start + NoteDuration(note) * delay);
        const auto full = static_cast<std::uint32_t>(start + NoteDuration(note) * 0.7);
        auto point = [&](std::uint32_t time, double value) {
            EventRecord r{};
            SetRecordTime(r, time);
            r.kind = static_cast<std::uint8_t>(0xB0 | channel);
            r.data[0] = kModulationController;
            r.data[1] = static_cast<std::uint8_t>(std::round(value));
            added.push_back(r);
        };
        for (std::uint32_t time = rise; time < full; time += step)
            point(time, top * (time - rise) / std::max<std::uint32_t>(1, full - rise));
        point(full, top);
        point(end, 0);
    }
    records.insert(records.end(), added.begin(), added.end());
    return context.buffer.Commit() ? 1 : 0;
}
