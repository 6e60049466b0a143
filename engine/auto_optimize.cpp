#include "engine/auto_optimize.h"

#include <cstdlib>

#include "engine/initial_values.h"
#include "engine/midi_filter.h"
#include "engine/record_buffer.h"
#include "options/options_settings.h"

namespace cantivo {

namespace {

// Nothing kept yet: the first record of each kind always stays.
constexpr std::int32_t kNoValueYet = 10000;

// Tempo, expression and pan: kept when far enough from the last kept value.
bool KeepByDistance(std::int32_t value, std::int32_t& last, std::int32_t threshold) {
    if (std::abs(value - last) < threshold) return false;
    last = value;
    return true;
}

// A return to 0 is kept unless 0 is already the last value kept.
bool KeepModulation(std::int32_t value, std::int32_t& last, std::int32_t threshold) {
    if ((value != 0 && std::abs(value - last) < threshold) || value == last) return false;
    last = value;
    return true;
}

// Small bends collapse to centre.
bool KeepWheel(EventRecord& r, std::int32_t& last, std::int32_t threshold) {
    const std::int32_t w = WheelValue(r);
    if (w == 0 || std::abs(w) < threshold) {
        if (last == 0) return false;
        if (w != 0) SetWheelValue(r, 0);
        last = 0;
        return true;
    }
    return KeepByDistance(w, last, threshold);
}

}  // namespace

std::int32_t ThinRecords(EventRecord* records, std::int32_t bytesInUse, const ThinningSettings& settings) {
    if (!settings.AnyOn()) return bytesInUse;
    std::int32_t lastTempo = kNoValueYet, lastExpression = kNoValueYet, lastWheel = kNoValueYet,
                 lastModulation = kNoValueYet, lastPan = kNoValueYet;
    bool removed = false;

    const std::int32_t length = WalkLength(records, bytesInUse);
    for (std::int32_t i = 0; i < length && !IsEndRecord(records[i]); ++i) {
        EventRecord& r = records[i];
        bool keep = true;
        if (r.kind == kMetaKind && r.data[0] == kTempoRecord) {
            if (settings.tempo.on) keep = KeepByDistance(r.data[1], lastTempo, settings.tempo.threshold);
        } else if (IsControllerNumber(r, settings.expressionController)) {
            if (settings.expression.on) keep = KeepByDistance(r.data[1], lastExpression, settings.expression.threshold);
        } else if (IsWheel(r)) {
            if (settings.wheel.on) keep = KeepWheel(r, lastWheel, settings.wheel.threshold);
        } else if (IsControllerNumber(r, kModulationController)) {
            if (settings.modulation.on) keep = KeepModulation(r.data[1], lastModulation, settings.modulation.threshold);
        } else if (IsControllerNumber(r, kPanController)) {
            if (settings.pan.on) keep = KeepByDistance(r.data[1], lastPan, settings.pan.threshold);
        }
        if (!keep) {
            MarkDeleted(r);
            removed = true;
        }
    }
    return removed ? CompactRecords(records, bytesInUse) : bytesInUse;
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
