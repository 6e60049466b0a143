#include "engine/record_order.h"

#include <algorithm>

namespace cantivo {

void AppendSorter::Sink(EventRecord* records, std::size_t last, std::uint32_t key) {
    const EventRecord moving = records[last];
    std::size_t j = last;
    do {
        records[j] = records[j - 1];
        --j;
    } while (j > 0 && key < OrderKey(records[j - 1]));
    records[j] = moving;
    const std::size_t moves = last - j;
    spent_ = moves > budget_;
    budget_ -= spent_ ? budget_ : moves;
}

void AppendSorter::Finish(EventRecord* records, std::size_t count) const {
    if (!spent_) return;
    std::stable_sort(records, records + count,
                     [](const EventRecord& a, const EventRecord& b) { return OrderKey(a) < OrderKey(b); });
}

void SortRecords(EventRecord* records, std::size_t count) {
    AppendSorter sorter(count);
    for (std::size_t i = 0; i < count; ++i) sorter.Appended(records, i, OrderKey(records[i]));
    sorter.Finish(records, count);
}

}  // namespace cantivo
