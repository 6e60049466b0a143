// The style loader: reads the style file that the filter's state names into
// its slots, m_StyleInitial, m_abLocked and m_nSlotCount, holding the filter's
// lock. With a view (the page's window) it also shows the style, updates the
// page and switches processing on or, after a failure, off.
#pragma once

#include "engine/midi_filter.h"
#include "styles/style_view.h"

namespace cantivo {

// An interactive load applies the style's initial values when processing is
// off; keepSettings then keeps the depths, randomness and mutes. Failures set
// the error code, show its message and put the code back to 0. True when the
// whole style was loaded; false also for an unnamed style, which shows nothing.
bool LoadStyle(CMFCMidiFilter& filter, StyleView* view, bool interactive, bool keepSettings);

}  // namespace cantivo
