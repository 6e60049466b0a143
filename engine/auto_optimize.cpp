#include "engine/auto_optimize.h"

#include <algorithm>
#include <iterator>

#include "engine/midi_filter.h"
#include "options/options_settings.h"

namespace cantivo {

RecordThinner::RecordThinner(const ThinningSettings& settings) {
    const ThinningKind* kinds[] = {&settings.tempo, &settings.expression, &settings.wheel, &settings.modulation,
                                   &settings.pan};
    for (int k = 0; k < kUnthinned; ++k) {
        if (!kinds[k]->on) continue;
        kinds_[k].threshold = kinds[k]->threshold;
        kinds_[k].modulationRule = k == kModulationKind;
    }
    wheelOn_ = settings.wheel.on;
    // By controller number, then by the status byte's high half for the rest,
    // wheels aside. The first rule that matches wins: expression before
    // modulation and pan.
    std::fill(std::begin(kindOf_), std::end(kindOf_), static_cast<std::uint8_t>(kUnthinned));
    kindOf_[kPanController] = kPanKind;
    kindOf_[kModulationController] = kModulationKind;
    kindOf_[settings.expressionController] = kExpressionKind;
}

void CMFCMidiFilter::AutoOptimize() {
    const OptionsSettings& o = g_Options;
    m_Thinning = {{o.BITmp != 0, o.ITmp},   {o.BIVol != 0, o.IVol}, {o.BIPch != 0, o.IPch},
                  {o.BIModW != 0, o.IModW}, {o.BIPan != 0, o.IPan}, o.VolB};
}

}  // namespace cantivo
