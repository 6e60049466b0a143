#include "engine/auto_optimize.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <limits>

#include "engine/initial_values.h"
#include "engine/midi_filter.h"
#include "engine/record_buffer.h"
#include "options/options_settings.h"

namespace cantivo {

namespace {

// Nothing kept yet: the first record of each kind always stays.
constexpr std::int32_t kNoValueYet = 10000;

enum ThinnedKind { kTempoKind, kExpressionKind, kWheelKind, kModulationKind, kPanKind, kUnthinned, kKindCount };

// The last value kept of one kind and how the next is judged. A kind that is
// off keeps every record: its smallest change is one no distance falls below.
struct KindState {
    std::int32_t threshold = std::numeric_limits<std::int32_t>::min();
    std::int32_t last = kNoValueYet;
    bool modulationRule = false;
};

class Thinner {
public:
    explicit Thinner(const ThinningSettings& settings) {
        const ThinningKind* kinds[] = {&settings.tempo, &settings.expression, &settings.wheel, &settings.modulation,
                                       &settings.pan};
        for (int k = 0; k < kUnthinned; ++k) {
            if (!kinds[k]->on) continue;
            kinds_[k].threshold = kinds[k]->threshold;
            kinds_[k].modulationRule = k == kModulationKind;
        }
        wheelOn_ = settings.wheel.on;
        // By controller number, then by the status byte's high half for the
        // rest, wheels aside. The first rule that matches wins: expression
        // before modulation and pan.
        std::fill(std::begin(kindOf_), std::end(kindOf_), static_cast<std::uint8_t>(kUnthinned));
        kindOf_[kPanController] = kPanKind;
        kindOf_[kModulationController] = kModulationKind;
        kindOf_[settings.expressionController] = kExpressionKind;
    }

    // Whether `r` stays. Tempo, expression and pan stay when far enough from
    // the last kept value; modulation too, and a return to 0 unless 0 is the
    // last kept; small bends collapse to centre. The kind comes by tables and
    // selects rather than jumps.
    bool Keep(PackedRecord& r) {
        // Known from the record alone, so that a wrong guess here is found out early.
        if (r.IsWheel() & wheelOn_) return KeepWheel(r, kinds_[kWheelKind]);
        const std::uint8_t number = r.Data(0);
        const std::uint32_t high = r.Kind() >> 4;
        std::uint32_t kind = kindOf_[Select(r.IsController(), std::uint32_t{number}, kOtherStatus + high)];
        kind = Select((r.Kind() == kMetaKind) & (number == kTempoRecord), std::uint32_t{kTempoKind}, kind);
        KindState& state = kinds_[kind];

        const std::int32_t value = r.Data(1);
        const bool tooClose = std::abs(value - state.last) < state.threshold;
        if (state.modulationRule ? ((value != 0) & tooClose) | (value == state.last) : tooClose) return false;
        state.last = value;
        return true;
    }

private:
    static bool KeepWheel(PackedRecord& r, KindState& state) {
        const std::int32_t w = r.WheelValue();
        if ((w == 0) | (std::abs(w) < state.threshold)) {
            if (state.last == 0) return false;
            r.CentreWheelIf(w != 0);
            state.last = 0;
            return true;
        }
        if (std::abs(w - state.last) < state.threshold) return false;
        state.last = w;
        return true;
    }

    static constexpr std::uint32_t kOtherStatus = 256;
    bool wheelOn_ = false;
    KindState kinds_[kKindCount];
    std::uint8_t kindOf_[kOtherStatus + 16];
};

}  // namespace

std::int32_t ThinRecords(EventRecord* records, std::int32_t bytesInUse, const ThinningSettings& settings) {
    if (!settings.AnyOn()) return bytesInUse;
    Thinner thinner(settings);
    return CompactingWalk(records, bytesInUse, [&](PackedRecord& r) { return thinner.Keep(r); });
}

void CMFCMidiFilter::AutoOptimize() {
    const OptionsSettings& o = g_Options;
    const ThinningSettings settings{{o.BITmp != 0, o.ITmp},   {o.BIVol != 0, o.IVol},   {o.BIPch != 0, o.IPch},
                                    {o.BIModW != 0, o.IModW}, {o.BIPan != 0, o.IPan}, o.VolB};
    if (!settings.AnyOn()) return;
    EventRecord* records = LockEventRecords();
    if (!records) return;
    m_nEventBytes = ThinRecords(records, m_nEventBytes, settings);
    GlobalUnlock(m_hEvents);
}

}  // namespace cantivo
