#include <gtest/gtest.h>

#include <cstring>
#include <utility>

#include "styles/style_settings.h"
#include "tests/support/owned_filter.h"

namespace cantivo::test {
namespace {

// A stored initial value, read as signed, and what the page shows for it; the
// tempo is no value the page shows.
TEST(InitialValueClamp, VelocityExpressionAndPanStayWithin0To127) {
    const std::pair<std::int16_t, std::uint16_t> cases[] = {{200, 127}, {-5, 0}, {0, 0}, {64, 64}, {127, 127}};
    OwnedFilter filter = NewFilter();
    for (const auto& [stored, shown] : cases) {
        const auto raw = static_cast<std::uint16_t>(stored);
        filter->m_Initial = {0, 0, 0, 0, 0, 0, raw, raw, raw, raw};
        ClampInitialValues(*filter);
        const InitialValues expected = {0, 0, 0, 0, 0, 0, raw, shown, shown, shown};
        EXPECT_EQ(std::memcmp(&filter->m_Initial, &expected, sizeof expected), 0) << stored;
    }
}

}  // namespace
}  // namespace cantivo::test
