#include "styles/windowless_view.h"

#include "styles/style_loader.h"

namespace cantivo {

namespace {

class Windowless final : public FilterView {
public:
    void ReloadStyle(CMFCMidiFilter& filter) override { LoadStyle(filter, nullptr, false, false); }
    // There is nothing on screen to refresh.
    void RefreshFromState(CMFCMidiFilter& filter) override { ReloadStyle(filter); }
};

}  // namespace

FilterView& WindowlessView() {
    static Windowless view;
    return view;
}

}  // namespace cantivo
