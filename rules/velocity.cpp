// Velocity: metric and phrase dynamics. Strong beats are played louder than
// the notes between them, and each phrase rises towards its middle and falls
// away at its end.
//   metric   velocity between the strongest and the weakest position (default 14)
//   arch     velocity the phrase rises by at its middle (default 10)
#include <algorithm>
#include <cmath>
#include <numbers>

#include "rules/kit/depth.h"
#include "rules/kit/note_random.h"
#include "rules/kit/transform.h"

namespace cantivo::rules {

const int kModuleParameter = 3;

void Transform(ModuleContext& context) {
    const double metric = context.text.Get("metric", 14);
    const double arch = context.text.Get("arch", 10);
    for (EventRecord& note : context.buffer.records) {
        if (!IsNote(note)) continue;
        const std::uint32_t time = RecordTime(note);
        const double designed = metric * (context.metric.Strength(time) - 0.5) +
                                arch * (std::sin(std::numbers::pi * context.metric.InPhrase(time)) - 0.5);
        const double velocity = std::round(note.data[0] + Scaled(designed, context.row, NoteRandom(context.seed, note, 3)));
        note.data[0] = static_cast<std::uint8_t>(std::clamp(velocity, 1.0, 127.0));
    }
}

}  // namespace cantivo::rules
