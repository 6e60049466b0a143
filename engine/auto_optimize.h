// Auto optimization: drops tempo, expression, wheel, modulation and pan
// records that differ too little from the last one of their kind kept.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <limits>

#include "cantivo/rule_module.h"
#include "engine/packed_record.h"

namespace cantivo {

struct ThinningKind {
    bool on = false;
    std::int32_t threshold = 0;  // smallest change kept
};

struct ThinningSettings {
    ThinningKind tempo;
    ThinningKind expression;
    ThinningKind wheel;
    ThinningKind modulation;
    ThinningKind pan;
    std::uint8_t expressionController = 11;
};

// Judges a run's records one by one, each against the last value kept of its
// kind; each kind's records come to it in order.
class RecordThinner {
public:
    explicit RecordThinner(const ThinningSettings& settings);

    // Whether `r` stays. Tempo, expression and pan stay when far enough from
    // the last kept value; modulation too, and a return to 0 unless 0 is the
    // last kept; small bends collapse to centre. A kind that is off keeps
    // everything. The kind comes by tables and selects rather than jumps.
    bool Keep(PackedRecord& r) { return r.IsWheel() ? KeepBend(r) : KeepValue(r); }

    // Keep for a record known to be no wheel.
    bool KeepValue(const PackedRecord& r) {
        const std::uint8_t number = r.Data(0);
        const std::uint32_t high = r.Kind() >> 4;
        std::uint32_t kind = kindOf_[Select(r.IsController(), std::uint32_t{number}, kOtherStatus + high)];
        kind = Select((r.Kind() == kMetaKind) & (number == kTempoRecord), std::uint32_t{kTempoKind}, kind);
        KindState& state = kinds_[kind];

        const std::int32_t value = r.Data(1);
        const bool tooClose = std::abs(value - state.last) < state.threshold;
        const bool modulationGoes = ((value != 0) & tooClose) | (value == state.last);
        if (Select<std::uint32_t>(state.modulationRule, modulationGoes, tooClose) != 0) return false;
        state.last = value;
        return true;
    }

    // Keep for a wheel record.
    bool KeepBend(PackedRecord& r) { return !wheelOn_ || KeepWheel(r, kinds_[kWheelKind]); }

private:
    enum Kind { kTempoKind, kExpressionKind, kWheelKind, kModulationKind, kPanKind, kUnthinned, kKindCount };

    // Nothing kept yet: the first record of each kind always stays.
    static constexpr std::int32_t kNoValueYet = 10000;
    static constexpr std::uint32_t kOtherStatus = 256;

    // The last value kept of one kind and how the next is judged. A kind that
    // is off keeps every record: its smallest change is one no distance falls below.
    struct KindState {
        std::int32_t threshold = std::numeric_limits<std::int32_t>::min();
        std::int32_t last = kNoValueYet;
        bool modulationRule = false;
    };

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

    bool wheelOn_ = false;
    KindState kinds_[kKindCount];
    std::uint8_t kindOf_[kOtherStatus + 16];
};

}  // namespace cantivo
