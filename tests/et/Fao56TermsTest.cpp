#include "et/Fao56Terms.h"

#include <gtest/gtest.h>

#include <utility>

#include "base/Refusal.h"
#include "et/DayTerms.h"
#include "et/WorkedExample.h"

namespace etp {
namespace {

// FAO-56 Example 3 (24.5 and 15 °C, three decimals).
TEST(SaturationVapourPressure, PublishedValues)
{
    EXPECT_DOUBLE_EQ(SaturationVapourPressure(0), 0.6108);
    const std::pair<double, double> cases[] = {{15, 1.705}, {24.5, 3.075}};
    for (const auto& [T, e0] : cases) EXPECT_NEAR(SaturationVapourPressure(T), e0, 5e-4) << "T = " << T;
}

// Rnl is proportional to f = 1.35 Rs / Rso - 0.35, 0.582440 in the worked example: without
// radiation f = -0.35 and the loss turns into a gain; at Rs = 2 Rso, f = 2.35 (Rs / Rso is
// not capped at 1).
TEST(NetLongwaveFao56, CloudinessFactorIsLinearAndUncapped)
{
    const SiteDay S = test::WorkedExampleSite();
    DailyWeather D = test::WorkedExampleWeather();
    D.Radiation = 0;
    EXPECT_NEAR(DayTerms(D, S).NetLongwaveFao56(), 1.5137 * -0.35 / 0.582440, 1e-4);
    D.Radiation = ToSingle(2 * 0.76 * 41.9105 * 0.408); // Rs = 2 Rso
    EXPECT_NEAR(DayTerms(D, S).NetLongwaveFao56(), 1.5137 * 2.35 / 0.582440, 5e-4);
}

// 4.87 / ln(67.8 h - 5.42): 0.748 at 10 m.
// The factor at 2 m is 1.000222, not 1, which is why the computation leaves h = 2 alone.
// Between ln(...) = 0 (h = 0.0947 m) and ln of 0 (h = 0.0799 m) it is negative but defined.
TEST(WindAt2m, ConvertsFromTheMeasurementHeight)
{
    struct Case { double U, h, expected, tolerance; };
    const Case cases[] = {{1, 10, 0.748, 5e-4}, {1, 2, 1.000222, 5e-7}, {1, 0.09, -12.72, 0.01}};
    for (const auto& c : cases) EXPECT_NEAR(WindAt2m(c.U, c.h), c.expected, c.tolerance) << c.U << " at " << c.h;
    for (const double h : {6.42 / 67.8, 0.0799, 0.0}) EXPECT_THROW((void)WindAt2m(1, h), ArithmeticError) << "h = " << h;
}

} // namespace
} // namespace etp
