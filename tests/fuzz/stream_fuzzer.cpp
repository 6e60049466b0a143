// A filter's settings loaded from a stream, the style it names reloaded (from
// the bundled styles in memory), saved again and run. A save of what a load
// took must load and save to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>

#include "engine/persisted_settings.h"
#include "styles/style_file.h"
#include "styles/style_loader.h"
#include "tests/fuzz/harness.h"
#include "tools/host/memory_stream.h"

using namespace cantivo;

namespace {

// Stands in for the style library: the name picks one of the bundled styles.
class InMemoryStyles final : public FilterView {
public:
    void ReloadStyle(CMFCMidiFilter& filter) override {
        const auto& styles = fuzz::BundledStyles();
        const std::size_t pick = std::hash<std::string>{}(FieldText(filter.m_szStyleName)) % styles.size();
        LoadStyleBytes(filter, styles[pick], nullptr, false, false);
    }
    void RefreshFromState(CMFCMidiFilter&) override {}
};

std::vector<std::uint8_t> LoadAndSave(std::span<const std::uint8_t> bytes, bool run) {
    static InMemoryStyles styles;
    fuzz::HarnessFilter filter(fuzz::OurResidentModules(), &styles);
    host::MemoryStream in(bytes);
    if (filter->Load(&in) != S_OK) return {};
    host::MemoryStream out;
    if (filter->Save(&out, 1) != S_OK || out.bytes.size() != kPersistedBytes) std::abort();
    if (run) filter.Run(fuzz::ExamplePhrase());
    return out.bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto saved = LoadAndSave({data, size}, true);
    if (saved.empty()) return 0;
    if (LoadAndSave(saved, false) != saved) std::abort();
    return 0;
}
