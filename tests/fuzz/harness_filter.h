// A connected filter that serves a whole fuzzing run, its modules resident in
// the process, its message boxes silenced. Each input starts from the state a
// fresh connect gives; only the event block is kept, as it is between runs.
#pragma once

#include <cstdint>
#include <vector>

#include "cantivo/mfx.h"
#include "engine/midi_filter.h"
#include "tools/host/host_services.h"

namespace cantivo::fuzz {

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

// The opening of the example piece's busiest track, as a host hands it over.
const std::vector<HostEvent>& ExamplePhrase();

}  // namespace cantivo::fuzz
