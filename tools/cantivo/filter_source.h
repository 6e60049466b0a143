// Where the host gets its filter: the only part of the host that differs
// between the builds. Natively the core is linked in and constructed; on
// Windows the filter comes out of QVB20x64.dll beside the program, through
// its class factory or, after registration, through COM.
#pragma once

#include <memory>
#include <string>

#include "cantivo/mfx.h"
#include "options/options_settings.h"

namespace cantivo::host {

class FilterSource {
public:
    virtual ~FilterSource() = default;
    // The filter, with one reference that the source releases when it goes.
    virtual IMfxEventFilter& Filter() = 0;
};

// The Options settings the filter is to run with; `changed` when they are not
// the ones the user saved.
struct FilterOptions {
    OptionsSettings settings;
    bool changed = false;
};

// None when the filter cannot be had; `problem` then says why.
std::unique_ptr<FilterSource> ObtainFilter(bool useCom, const FilterOptions& options, std::string& problem);

}  // namespace cantivo::host
