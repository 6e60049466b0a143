// The style loader: reads the style file that the filter's state names into
// its slots, m_StyleInitial, m_abLocked and m_nSlotCount, holding the filter's
// lock. With a view (the page's window) it also shows the style, updates the
// page and switches processing on or, after a failure, off.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/midi_filter.h"
#include "styles/style_view.h"

namespace cantivo {

// An interactive load applies the style's initial values when processing is
// off; keepSettings then keeps the depths, randomness and mutes. Failures set
// the error code, show its message and put the code back to 0. True when the
// whole style was loaded; false also for an unnamed style, which shows nothing.
bool LoadStyle(CMFCMidiFilter& filter, StyleView* view, bool interactive, bool keepSettings);

// The same load from a style file's bytes, for harnesses that keep styles in
// memory; the filter's style name is not looked at.
bool LoadStyleBytes(CMFCMidiFilter& filter, const std::vector<std::uint8_t>& bytes, StyleView* view,
                    bool interactive, bool keepSettings);

}  // namespace cantivo
