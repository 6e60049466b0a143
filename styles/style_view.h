// What the style loader asks of the property page while the page has a window.
// A load without a window (the filter's stream loading) has no view.
#pragma once

#include "styles/style_file.h"

namespace cantivo {

class StyleView {
public:
    virtual ~StyleView() = default;

    // The initial values, keep checks and their buttons, from the state.
    virtual void ShowInitialValues() = 0;
    // Requirements, special actions, test examples, description and variable
    // label; an interactive load also takes the axis presets into m_anAxis.
    virtual void ShowStyleInformation(const StyleFileHeader& header, bool interactive) = 0;
    // Rows enabled by the lock flags, with the values the state now holds.
    virtual void ShowRows() = 0;
    virtual void BindRegulatorAxes() = 0;
    virtual void RedrawRegulators() = 0;
    virtual void EnableOkButton(bool enable) = 0;
    // Marks the page modified and tells the page site.
    virtual void MarkDirty() = 0;

protected:
    StyleView() = default;
    StyleView(const StyleView&) = default;
    StyleView& operator=(const StyleView&) = default;
};

}  // namespace cantivo
