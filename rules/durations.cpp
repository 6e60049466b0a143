// Durations: articulation. Notes are lengthened or shortened towards the
// style's length, while accented notes (loud ones and those on the bar's
// first beat) are never shortened.
//   length   percent of the written length at depth 100 (default 85)
//   accent   velocity above the material's mean that makes an accent (default 12)
#include <algorithm>
#include <cmath>

#include "rules/kit/depth.h"
#include "rules/kit/note_random.h"
#include "rules/kit/transform.h"

namespace cantivo::rules {

const int kModuleParameter = 2;

void Transform(ModuleContext& context) {
    const double change = (context.text.Get("length", 85) - 100.0) / 100.0;
    const int accent = context.text.Get("accent", 12);

    double velocitySum = 0;
    int notes = 0;
    for (const EventRecord& r : context.buffer.records) {
        if (!IsNote(r)) continue;
        velocitySum += r.data[0];
        ++notes;
    }
    const double meanVelocity = notes ? velocitySum / notes : 0;

    for (EventRecord& note : context.buffer.records) {
        if (!IsNote(note)) continue;
        double factor = 1.0 + Scaled(change, context.row, NoteRandom(context.seed, note, 2));
        const bool accented = note.data[0] >= meanVelocity + accent || context.metric.Strength(RecordTime(note)) >= 1.0;
        if (accented) factor = std::max(factor, 1.0);
        const double length = std::round(NoteDuration(note) * std::max(factor, 0.05));
        SetNoteDuration(note, static_cast<std::uint16_t>(std::clamp(length, 1.0, 65535.0)));
    }
}

}  // namespace cantivo::rules
