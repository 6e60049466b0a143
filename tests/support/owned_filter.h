// A filter object the test owns: released however the test ends.
#pragma once

#include <memory>

#include "engine/midi_filter.h"

namespace cantivo::test {

struct ReleaseFilter {
    void operator()(CMFCMidiFilter* filter) const { filter->Release(); }
};
using OwnedFilter = std::unique_ptr<CMFCMidiFilter, ReleaseFilter>;

inline OwnedFilter NewFilter(FilterView* windowlessView = nullptr) {
    return OwnedFilter(new CMFCMidiFilter(windowlessView));
}

}  // namespace cantivo::test
