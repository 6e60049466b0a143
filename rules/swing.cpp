// Variable: swing. Notes on the off-beat half of a beat move later, towards
// the last third of the beat; at depth 100 by the style's amount.
//   swing   percent of the way from straight to triplet time (default 100)
#include <cmath>

#include "rules/kit/module_context.h"

using namespace cantivo;
using namespace cantivo::rules;

CANTIVO_RULE_EXPORT std::int32_t QV12Convert(HWND, void* ruleData, HGLOBAL* events, std::int32_t* capacity,
                                             std::int32_t* bytesInUse, SettingsRegion* settings, void*,
                                             std::uint16_t meter, std::uint16_t, std::uint16_t timeBase,
                                             std::uint8_t) {
    const std::uint16_t depth = settings->params.wVariableDepth;
    if (depth == 0) return 1;
    ModuleContext context(ruleData, events, capacity, bytesInUse, meter, timeBase);
    const double beat = context.metric.BeatTicks();
    const double delay = beat / 6.0 * context.text.Get("swing", 100) / 100.0 * depth / 100.0;
    for (EventRecord& note : context.buffer.records) {
        if (!IsNote(note)) continue;
        const double inBeat = context.metric.InBeat(RecordTime(note));
        if (std::abs(inBeat - 0.5) * beat <= beat / 24.0) SetRecordTime(note, ShiftedTime(RecordTime(note), delay));
    }
    return context.buffer.Commit() ? 1 : 0;
}
