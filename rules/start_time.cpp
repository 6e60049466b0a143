// Start Time: notes between the beats sit back a little, phrase ends
// broaden, and every note gets a touch of seeded human spread.
//   lag   ticks late for a note wholly off the beat (default 10)
//   rit   ticks late for the last note of a phrase (default 30)
#include <cmath>

#include "rules/kit/depth.h"
#include "rules/kit/note_random.h"
#include "rules/kit/transform.h"

namespace cantivo::rules {

const int kModuleParameter = 1;

void Transform(ModuleContext& context) {
    const double lag = context.text.Get("lag", 10) * context.tickScale;
    const double rit = context.text.Get("rit", 30) * context.tickScale;
    for (EventRecord& note : context.buffer.records) {
        if (!IsNote(note)) continue;
        const std::uint32_t time = RecordTime(note);
        const double phraseEnd = std::pow(std::max(0.0, context.metric.InPhrase(time) - 0.75) / 0.25, 2.0);
        const double designed = lag * (1.0 - context.metric.Strength(time)) + rit * phraseEnd + lag * 0.2;
        SetRecordTime(note, ShiftedTime(time, Scaled(designed, context.row, NoteRandom(context.seed, note))));
    }
}

}  // namespace cantivo::rules
