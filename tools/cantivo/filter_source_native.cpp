// The native build links the portable core and constructs its filter; the
// host still reaches it only through IMfxEventFilter and QueryInterface.
#include "engine/midi_filter.h"
#include "options/options_settings.h"
#include "styles/windowless_view.h"
#include "tools/cantivo/filter_source.h"

namespace cantivo::host {

namespace {

class CoreFilter final : public FilterSource {
public:
    CoreFilter() : filter_(new CMFCMidiFilter(&WindowlessView())) {}
    ~CoreFilter() override { filter_->Release(); }
    IMfxEventFilter& Filter() override { return *filter_; }

private:
    CMFCMidiFilter* filter_;
};

}  // namespace

std::unique_ptr<FilterSource> ObtainFilter(bool useCom, const FilterOptions& options, std::string& problem) {
    if (useCom) {
        problem = "--com needs the Windows build, which takes the filter from QVB20x64.dll";
        return nullptr;
    }
    // The core is linked in: its settings are ours to set.
    g_Options = options.settings;
    return std::make_unique<CoreFilter>();
}

}  // namespace cantivo::host
