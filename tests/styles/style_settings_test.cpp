#include <gtest/gtest.h>

#include <utility>

#include "styles/style_settings.h"
#include "tests/support/owned_filter.h"

namespace cantivo::test {
namespace {

// A stored initial value, read as signed, and what the page shows for it.
class InitialValueClamp : public ::testing::TestWithParam<std::pair<std::int16_t, std::uint16_t>> {};

TEST_P(InitialValueClamp, VelocityExpressionAndPanStayWithin0To127) {
    const auto [stored, shown] = GetParam();
    OwnedFilter filter = NewFilter();
    const auto raw = static_cast<std::uint16_t>(stored);
    filter->m_Initial = {};
    filter->m_Initial.wTempo = raw;  // not an initial value the page shows
    filter->m_Initial.wVelocity = raw;
    filter->m_Initial.wExpression = raw;
    filter->m_Initial.wPan = raw;
    ClampInitialValues(*filter);
    EXPECT_EQ(filter->m_Initial.wVelocity, shown);
    EXPECT_EQ(filter->m_Initial.wExpression, shown);
    EXPECT_EQ(filter->m_Initial.wPan, shown);
    EXPECT_EQ(filter->m_Initial.wTempo, raw);
}

INSTANTIATE_TEST_SUITE_P(Stored, InitialValueClamp,
                         ::testing::Values(std::pair<std::int16_t, std::uint16_t>{200, 127}, std::pair{-5, 0},
                                           std::pair{0, 0}, std::pair{64, 64}, std::pair{127, 127}));

}  // namespace
}  // namespace cantivo::test
