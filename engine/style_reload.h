// How the filter rebuilds its slots after loading its settings with no page
// open: the style loader, without a window. The styles library provides it.
#pragma once

namespace cantivo {

class CMFCMidiFilter;

void ReloadStyleWithoutWindow(CMFCMidiFilter& filter);

}  // namespace cantivo
