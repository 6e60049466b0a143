// Velocity: metric and phrase dynamics. Strong beats are played louder than
// the notes between them, and each phrase rises towards its middle and falls
// away at its end.
//   metric   velocity between the strongest and the weakest position (default 14)
//   arch     velocity the phrase rises by at its middle (default 10)
#include <algorithm>
#include <cmath>
#include <numbers>

#include "rules/kit/depth.h"
#include "rules/kit/module_context.h"
#include "rules/kit/note_random.h"

using namespace cantivo;
using namespace cantivo::rules;

CANTIVO_RULE_EXPORT std::int32_t QV12Convert(HWND, void* ruleData, HGLOBAL* events, std::int32_t* capacity,
                                             std::int32_t* bytesInUse, SettingsRegion* settings, void*,
                                             std::uint16_t meter, std::uint16_t, std::uint16_t timeBase,
                                             std::uint8_t) {
    const ParamEntry row = settings->params.aEntry[3];
    if (row.wDepth == 0) return 1;
    ModuleContext context(ruleData, events, capacity, bytesInUse, meter, timeBase);
    const double metric = context.text.Get("metric", 14);
    const double arch = context.text.Get("arch", 10);
    for (EventRecord& note : context.buffer.records) {
        if (!IsNote(note)) continue;
        const std::uint32_t time = RecordTime(note);
        const double designed = metric * (context.metric.Strength(time) - 0.5) +
                                arch * (std::sin(std::numbers::pi * context.metric.InPhrase(time)) - 0.5);
        const double velocity = std::round(note.data[0] + Scaled(designed, row, NoteRandom(context.seed, note, 3)));
        note.data[0] = static_cast<std::uint8_t>(std::clamp(velocity, 1.0, 127.0));
    }
    return context.buffer.Commit() ? 1 : 0;
}
