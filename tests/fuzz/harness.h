// What the fuzz targets share: a connected filter for each input, so that an
// input that fails does so again on its own; rule modules resident in the
// process, the bundled styles in memory, and host events as an input spells
// them.
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
#include "tests/support/owned_filter.h"
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

// A filter connected to a host of its own, for one input; disconnecting it
// frees what the input left in it, so the leak check sees each input alone.
class HarnessFilter {
public:
    explicit HarnessFilter(RuleModuleLoader& modules, FilterView* windowlessView = nullptr);
    ~HarnessFilter() { filter_->Disconnect(); }
    HarnessFilter(const HarnessFilter&) = delete;
    HarnessFilter& operator=(const HarnessFilter&) = delete;

    CMFCMidiFilter& operator*() { return *filter_; }
    CMFCMidiFilter* operator->() { return filter_.get(); }

    // One processing run; what the filter put out. Every input event of a kind
    // the filter hands on untouched comes out once, and after a failed run the
    // output is the input: aborts when not.
    std::vector<HostEvent> Run(const std::vector<HostEvent>& events);

private:
    host::Sequencer host_{480, 500000, 4, 2};
    test::OwnedFilter filter_;
};

}  // namespace cantivo::fuzz
