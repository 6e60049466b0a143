// What the fuzz targets share: one connected filter for a whole run, its rule
// modules resident in the process, the bundled styles in memory, and host
// events as an input spells them. Each input starts from the state a fresh
// connect gives; only the event block is kept, as it is between runs.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <span>
#include <vector>

#include "cantivo/mfx.h"
#include "engine/midi_filter.h"
#include "engine/rule_module_loader.h"
#include "platform/dynamic_library.h"
#include "tools/host/host_services.h"

namespace cantivo::fuzz {

// Reads values front to back; past the end every value is 0.
class InputReader {
public:
    explicit InputReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    template <typename T>
    T Take() {
        T value{};
        const std::size_t n = std::min(sizeof(T), bytes_.size());
        std::memcpy(&value, bytes_.data(), n);
        bytes_ = bytes_.subspan(n);
        return value;
    }
    std::span<const std::uint8_t> TakeBytes(std::size_t count) {
        const auto taken = bytes_.first(std::min(count, bytes_.size()));
        bytes_ = bytes_.subspan(taken.size());
        return taken;
    }
    std::size_t Remaining() const { return bytes_.size(); }

private:
    std::span<const std::uint8_t> bytes_;
};

// Up to `limit` events, as many as the input holds: each a type selector byte,
// then the event's own bytes. The seed writer appends them the same way.
std::vector<HostEvent> TakeHostEvents(InputReader& input, std::size_t limit);
void AppendHostEvents(std::span<const HostEvent> events, std::vector<std::uint8_t>& bytes);

// Rule modules held for a whole run: module files opened once, and convert
// functions a harness supplies itself.
class ResidentRuleModules final : public RuleModuleLoader {
public:
    // Opens R<n>.DLL from the module folder for each number given.
    void OpenModuleFiles(const std::vector<std::int16_t>& numbers);
    void Set(std::int16_t number, QV12ConvertFunction convert) { converts_[number] = convert; }

    std::unique_ptr<LoadedRuleModule> Load(std::int16_t number) override;

private:
    std::map<std::int16_t, QV12ConvertFunction> converts_;
    std::vector<std::unique_ptr<platform::DynamicLibrary>> files_;
};

// Our module files, opened on first use for the rest of the process.
ResidentRuleModules& OurResidentModules();

// Every .cnv under the module folder's STYLES, in a fixed order; never empty.
const std::vector<std::vector<std::uint8_t>>& BundledStyles();

// The opening of the example piece's busiest track, as a host hands it over.
const std::vector<HostEvent>& ExamplePhrase();

class HarnessFilter {
public:
    explicit HarnessFilter(RuleModuleLoader& modules, FilterView* windowlessView = nullptr);
    ~HarnessFilter();
    HarnessFilter(const HarnessFilter&) = delete;
    HarnessFilter& operator=(const HarnessFilter&) = delete;

    // The state as it stood after connecting: no slots, the settings a new filter has.
    void Reset();

    // Resets the filter for one input, and again when the input is done, so
    // that no slot data is held between inputs (the leak check runs per input).
    class FreshInput {
    public:
        explicit FreshInput(HarnessFilter& filter) : filter_(filter) { filter_.Reset(); }
        ~FreshInput() { filter_.Reset(); }
        FreshInput(const FreshInput&) = delete;
        FreshInput& operator=(const FreshInput&) = delete;

    private:
        HarnessFilter& filter_;
    };

    CMFCMidiFilter& operator*() { return *filter_; }
    CMFCMidiFilter* operator->() { return filter_; }

    // One processing run; what the filter put out. Every input event of a kind
    // the filter hands on untouched comes out once, and after a failed run the
    // output is the input: aborts when not.
    std::vector<HostEvent> Run(const std::vector<HostEvent>& events);

private:
    host::Sequencer host_{480, 500000, 4, 2};
    CMFCMidiFilter* filter_;
    CMFCMidiFilter* connected_;  // never runs: the state Reset goes back to
};

}  // namespace cantivo::fuzz
