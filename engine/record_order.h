// Sorting the event buffer into the order every stage and module keeps.
#pragma once

#include <cstddef>
#include <cstdint>

#include "cantivo/record_order.h"

namespace cantivo {

// Sorts records as they are appended one by one. Records of a track arrive
// nearly in order: each one out of place moves back past the few it belongs
// before, in linear time. Input far from order spends the budget of moves and
// is left to a merge sort at the end. Both keep the arrival order of records
// equal in time and class.
class AppendSorter {
public:
    explicit AppendSorter(std::size_t budget) : budget_(budget) {}

    // records[last], of order key `key`, has just been appended after records
    // already in order.
    void Appended(EventRecord* records, std::size_t last, std::uint32_t key) {
        if (key >= highest_) {
            highest_ = key;
        } else if (!spent_) {
            Sink(records, last, key);
        }
    }

    // Orders records[0..count) once every record is in.
    void Finish(EventRecord* records, std::size_t count) const;

private:
    void Sink(EventRecord* records, std::size_t last, std::uint32_t key);

    std::size_t budget_;
    std::uint32_t highest_ = 0;
    bool spent_ = false;
};

// Stable: records equal in time and class keep their order.
void SortRecords(EventRecord* records, std::size_t count);

}  // namespace cantivo
