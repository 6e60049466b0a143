#include "tests/fuzz/harness.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <string>

#include "engine/error_code.h"
#include "engine/module_folder.h"
#include "midi/host_events.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "tests/support/event_bytes.h"
#include "tools/host/event_queue.h"
#include "tools/make_example/example_piece.h"

namespace cantivo::fuzz {

namespace {

// The selector byte: the host types the filter knows first, then any other type as itself.
constexpr std::int32_t kSelectedTypes[] = {kHostNote, kHostController, kHostWheel, midi::kHostKeptEvent};

class ResidentModule final : public LoadedRuleModule {
public:
    explicit ResidentModule(QV12ConvertFunction convert) : convert_(convert) {}
    QV12ConvertFunction Convert() const override { return convert_; }

private:
    QV12ConvertFunction convert_;
};

// The events of kinds the filter hands on untouched, as a multiset.
std::vector<test::EventBytes> Forwarded(const std::vector<HostEvent>& events) {
    std::vector<HostEvent> forwarded;
    std::copy_if(events.begin(), events.end(), std::back_inserter(forwarded), [](const HostEvent& event) {
        return event.type != kHostNote && event.type != kHostController && event.type != kHostWheel;
    });
    return test::Bytes(forwarded, true);
}

}  // namespace

std::vector<HostEvent> TakeHostEvents(InputReader& input, std::size_t limit) {
    std::vector<HostEvent> events;
    while (events.size() < limit && input.Remaining() >= 1 + sizeof(HostEvent)) {
        const auto selector = input.Take<std::uint8_t>();
        HostEvent event = input.Take<HostEvent>();
        event.type = selector < std::size(kSelectedTypes) ? kSelectedTypes[selector] : selector;
        events.push_back(event);
    }
    return events;
}

void AppendHostEvents(std::span<const HostEvent> events, std::vector<std::uint8_t>& bytes) {
    for (const HostEvent& event : events) {
        const std::int32_t type = event.type;  // a packed field: read, never bound
        const auto known = std::find(std::begin(kSelectedTypes), std::end(kSelectedTypes), type);
        bytes.push_back(static_cast<std::uint8_t>(known == std::end(kSelectedTypes) ? type : known - kSelectedTypes));
        const auto* raw = reinterpret_cast<const std::uint8_t*>(&event);
        bytes.insert(bytes.end(), raw, raw + sizeof event);
    }
}

void ResidentRuleModules::OpenModuleFiles(const std::vector<std::int16_t>& numbers) {
    for (const std::int16_t number : numbers) {
        auto file = std::make_unique<platform::DynamicLibrary>(ModuleFolder() + "R" + std::to_string(number) + ".DLL");
        const auto convert = reinterpret_cast<QV12ConvertFunction>(file->Symbol(kRuleEntryPoint));
        // A harness without its modules would fuzz nothing but the load failure.
        if (!convert) std::abort();
        Set(number, convert);
        files_.push_back(std::move(file));
    }
}

std::unique_ptr<LoadedRuleModule> ResidentRuleModules::Load(std::int16_t number) {
    const auto found = converts_.find(number);
    if (found == converts_.end()) return nullptr;
    return std::make_unique<ResidentModule>(found->second);
}

ResidentRuleModules& OurResidentModules() {
    // Never destroyed: the module files stay mapped until the process ends.
    static auto* modules = [] {
        auto* resident = new ResidentRuleModules;
        resident->OpenModuleFiles({1, 2, 3, 4, 6, 7});
        return resident;
    }();
    return *modules;
}

const std::vector<std::vector<std::uint8_t>>& BundledStyles() {
    static const auto styles = [] {
        std::vector<std::string> paths;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(ModuleFolder() + "STYLES")) {
            if (entry.path().extension() == ".cnv") paths.push_back(entry.path().string());
        }
        std::sort(paths.begin(), paths.end());
        std::vector<std::vector<std::uint8_t>> bytes;
        for (const auto& path : paths) bytes.push_back(platform::ReadWholeFile(path).value());
        if (bytes.empty()) std::abort();
        return bytes;
    }();
    return styles;
}

HarnessFilter::HarnessFilter(RuleModuleLoader& modules, FilterView* windowlessView)
    : filter_(test::NewFilter(windowlessView)) {
    platform::SetMessageBoxHandler([](const std::string&, unsigned) { return 1; });
    host_.AddRef();  // the filter releases the host object it is given
    if (filter_->Connect(&host_) != S_OK) std::abort();
    filter_->m_pModuleLoader = &modules;
}

std::vector<HostEvent> HarnessFilter::Run(const std::vector<HostEvent>& events) {
    host::EventQueue in(events);
    host::EventQueue out;
    if (filter_->ProcessEvents(0, 0, &in, &out) != S_OK) std::abort();
    if (Forwarded(events) != Forwarded(out.events)) std::abort();
    if (GetErrorCode() != kNoError && test::Bytes(events, true) != test::Bytes(out.events, true)) std::abort();
    return std::move(out.events);
}

const std::vector<HostEvent>& ExamplePhrase() {
    static const auto phrase = [] {
        const midi::MidiFile piece = example::ComposeExample();
        const auto busiest = std::max_element(piece.tracks.begin(), piece.tracks.end(), [](const auto& a, const auto& b) {
            return a.events.size() < b.events.size();
        });
        auto events = midi::ToHostEvents(*busiest);
        events.resize(std::min<std::size_t>(events.size(), 96));
        return events;
    }();
    return phrase;
}

}  // namespace cantivo::fuzz
