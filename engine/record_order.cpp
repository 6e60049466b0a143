#include "engine/record_order.h"

#include <algorithm>

namespace cantivo {

void SortRecords(EventRecord* records, std::size_t count) {
    std::sort(records, records + count,
              [](const EventRecord& a, const EventRecord& b) { return CompareRecords(a, b) < 0; });
}

}  // namespace cantivo
