// The filter's view when no page is open: the style loader without a window,
// which fills the slots and touches no setting.
#pragma once

#include "engine/filter_view.h"

namespace cantivo {

// One view serves every filter; wire it where a filter is created.
FilterView& WindowlessView();

}  // namespace cantivo
