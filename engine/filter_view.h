// What the filter asks of whoever shows its style: the open page, or the
// style library working without a window.
#pragma once

#include "cantivo/rule_module.h"

namespace cantivo {

class CMFCMidiFilter;

class FilterView {
public:
    virtual ~FilterView() = default;

    // Reads the style the filter's state names into its slots.
    virtual void ReloadStyle(CMFCMidiFilter& filter) = 0;
    // Shows the filter's state again after it changed underneath, the style
    // reloaded with it.
    virtual void RefreshFromState(CMFCMidiFilter& filter) = 0;
    // The window rule modules are given while a run holds the filter's lock;
    // null for a view without one.
    virtual HWND Window() const { return nullptr; }

protected:
    FilterView() = default;
    FilterView(const FilterView&) = default;
    FilterView& operator=(const FilterView&) = default;
};

}  // namespace cantivo
