// Settings rules shared by the style loader and the page's grid.
#pragma once

#include "engine/midi_filter.h"

namespace cantivo {

// The style's initial values come into force; the tempo is always kept at 120.
void ApplyStyleInitialValues(CMFCMidiFilter& filter);

// Depths back to 100, randomness to 20, and rows 1..7 unmuted; the row-less
// parameter 0 keeps its mute flag.
void ResetParamsAndMutes(CMFCMidiFilter& filter);

// Rows 1..7: a locked row holds depth 100 and randomness 20, an unlocked one
// has its values clamped to 0..200 and 0..30.
void ClampParamsToLocks(CMFCMidiFilter& filter);

// The initial velocity, expression and pan into 0..127, read as signed.
void ClampInitialValues(CMFCMidiFilter& filter);

}  // namespace cantivo
