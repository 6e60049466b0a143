// Sorting the event buffer into the order every stage and module keeps.
#pragma once

#include <cstddef>

#include "cantivo/record_order.h"

namespace cantivo {

// Stable: records equal in time and class keep their order.
void SortRecords(EventRecord* records, std::size_t count);

}  // namespace cantivo
