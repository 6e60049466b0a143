// Variable: swing. Notes on the off-beat half of a beat move later, towards
// the last third of the beat; at depth 100 by the style's amount.
//   swing   percent of the way from straight to triplet time (default 100)
#include <cmath>

#include "rules/kit/transform.h"

namespace cantivo::rules {

const int kModuleParameter = kVariableParameter;

void Transform(ModuleContext& context) {
    const double beat = context.metric.BeatTicks();
    const double delay = beat / 6.0 * context.text.Get("swing", 100) / 100.0 * context.row.wDepth / 100.0;
    for (EventRecord& note : context.buffer.records) {
        if (!IsNote(note)) continue;
        const double inBeat = context.metric.InBeat(RecordTime(note));
        if (std::abs(inBeat - 0.5) * beat <= beat / 24.0) SetRecordTime(note, ShiftedTime(RecordTime(note), delay));
    }
}

}  // namespace cantivo::rules
