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

    void Add(int route, int index) { indexes_[route][counts_[route]++] = static_cast<std::uint8_t>(index); }
    int Count(int route) const { return counts_[route]; }
    int Last(int route) const { return indexes_[route][counts_[route] - 1]; }

    // `visit(index)` for each index of `route`, in the order added.
    template <typename Visit>
    void ForEach(int route, Visit&& visit) const {
        for (int k = 0; k < counts_[route]; ++k) visit(static_cast<int>(indexes_[route][k]));
    }

private:
    std::uint8_t indexes_[kRoutes][kBatch];
    int counts_[kRoutes] = {};
};

}  // namespace cantivo
