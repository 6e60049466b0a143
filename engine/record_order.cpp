#include "engine/record_order.h"

#include <algorithm>

namespace cantivo {

void SortRecords(EventRecord* records, std::size_t count) {
    // Records of a track arrive nearly in order: each one out of place moves
    // back past the few it belongs before, in linear time. Input far from
    // order spends the budget of moves and goes to a merge sort; both keep
    // the arrival order of records equal in time and class.
    std::size_t budget = count;
    for (std::size_t i = 1; i < count; ++i) {
        const std::uint32_t key = OrderKey(records[i]);
        if (key >= OrderKey(records[i - 1])) continue;
        const EventRecord moving = records[i];
        std::size_t j = i;
        do {
            records[j] = records[j - 1];
            --j;
        } while (j > 0 && key < OrderKey(records[j - 1]));
        records[j] = moving;
        const std::size_t moves = i - j;
        if (moves > budget) {
            std::stable_sort(records, records + count,
                             [](const EventRecord& a, const EventRecord& b) { return OrderKey(a) < OrderKey(b); });
            return;
        }
        budget -= moves;
    }
}

}  // namespace cantivo
