// The order of the event buffer: by time, then phrase markers, tempo records,
// other status records, notes, and the end record last.
#pragma once

#include <cstddef>

#include "cantivo/rule_module.h"

namespace cantivo {

// -1, 0 or 1.
int CompareRecords(const EventRecord& a, const EventRecord& b);

void SortRecords(EventRecord* records, std::size_t count);

}  // namespace cantivo
