// A batch's items sorted into routes by their index, keeping their order
// within each route: a stage then takes each route in a walk of its own, so
// that no jump depends on an item's kind.
#pragma once

#include <cstdint>

namespace cantivo {

template <int kRoutes, int kBatch>
class BatchRoutes {
public:
    static_assert(kBatch <= 256, "indexes are kept in a byte");

    BatchRoutes() {
        for (int r = 0; r < kRoutes; ++r) ends_[r] = indexes_[r];
    }
    BatchRoutes(const BatchRoutes&) = delete;
    BatchRoutes& operator=(const BatchRoutes&) = delete;

    void Add(int route, int index) { *ends_[route]++ = static_cast<std::uint8_t>(index); }
    int Count(int route) const { return static_cast<int>(ends_[route] - indexes_[route]); }
    int Last(int route) const { return ends_[route][-1]; }

    // `visit(index)` for each index of `route`, in the order added.
    template <typename Visit>
    void ForEach(int route, Visit&& visit) const {
        for (const std::uint8_t* index = indexes_[route]; index != ends_[route]; ++index) visit(static_cast<int>(*index));
    }

private:
    std::uint8_t indexes_[kRoutes][kBatch];
    // Where each route's next index goes.
    std::uint8_t* ends_[kRoutes];
};

}  // namespace cantivo
