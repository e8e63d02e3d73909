#include "et/Fao56Terms.h"

#include <gtest/gtest.h>

#include <utility>

#include "base/ArithmeticError.h"
#include "et/WorkedExample.h"

namespace etp {
namespace {

// Sea level: 0.0016286 * 101.3 / 2.45; FAO-56 Example 2, p. 32: 1800 m gives 0.054.
TEST(PsychrometricConstant, PublishedAndWorkedValues)
{
    struct Case {
        double z, gamma, tolerance;
    };
    const Case cases[] = {{0, 0.0673376, 5e-8}, {100, 0.066556, 5e-7}, {1800, 0.054, 5e-4}};
    for (const auto& c : cases) EXPECT_NEAR(PsychrometricConstant(c.z), c.gamma, c.tolerance) << "z = " << c.z;
}

// The pressure exponent is 5.256; FAO-56's 5.26 would give 0.0413032 at 4000 m.
TEST(PsychrometricConstant, PressureExponent5256)
{
    EXPECT_NEAR(PsychrometricConstant(4000), 0.0413185, 5e-8);
}

// Beyond about 45 km the pressure base 293 - 0.0065 z is negative: no real power 5.256.
TEST(PsychrometricConstant, ThrowsForAnAbsurdAltitude)
{
    EXPECT_THROW((void)PsychrometricConstant(50000), ArithmeticError);
}

// FAO-56 Example 3, p. 36, and Table 2.3, p. 214 (three decimals).
TEST(SaturationVapourPressure, PublishedValues)
{
    EXPECT_DOUBLE_EQ(SaturationVapourPressure(0), 0.6108);
    const std::pair<double, double> cases[] = {{15, 1.705}, {20, 2.338}, {24.5, 3.075}, {1, 0.657}};
    for (const auto& [T, e0] : cases) EXPECT_NEAR(SaturationVapourPressure(T), e0, 5e-4) << "T = " << T;
}

// T + 237.3 = 0 divides by zero; the 32-bit -237.3 misses it by 3e-6 and overflows exp instead.
TEST(SaturationVapourPressure, ThrowsAtMinus237Point3)
{
    EXPECT_THROW((void)SaturationVapourPressure(-237.3), ArithmeticError);
    EXPECT_THROW((void)SaturationVapourPressure(ToSingle(-237.3)), ArithmeticError);
}

// Worked example: 1.5137 mm d-1 with Rs / Rso = 22 / (0.76 * 41.9105), so f = 0.582440.
TEST(NetLongwaveFao56, WorkedExample)
{
    EXPECT_NEAR(NetLongwaveFao56(test::WorkedExampleWeather(), test::WorkedExampleSite()), 1.5137, 5e-5);
}

// Rnl is proportional to f = 1.35 Rs / Rso - 0.35: without radiation f = -0.35 and the loss
// turns into a gain; at Rs = 2 Rso, f = 2.35 (Rs / Rso is not capped at 1).
TEST(NetLongwaveFao56, CloudinessFactorIsLinearAndUncapped)
{
    const SiteDay S = test::WorkedExampleSite();
    DailyWeather D = test::WorkedExampleWeather();
    D.Radiation = 0;
    EXPECT_NEAR(NetLongwaveFao56(D, S), 1.5137 * -0.35 / 0.582440, 1e-4);
    D.Radiation = ToSingle(2 * 0.76 * 41.9105 * 0.408); // Rs = 2 Rso
    EXPECT_NEAR(NetLongwaveFao56(D, S), 1.5137 * 2.35 / 0.582440, 5e-4);
}

TEST(NetLongwaveFao56, ThrowsOnPolarDay)
{
    EXPECT_THROW((void)NetLongwaveFao56(test::WorkedExampleWeather(), test::PolarDay()), ArithmeticError);
}

// Negative humidities make ea negative: no square root.
TEST(NetLongwaveFao56, ThrowsForNegativeVapourPressure)
{
    DailyWeather D = test::WorkedExampleWeather();
    D.RHmax = -10;
    D.RHmin = -10;
    EXPECT_THROW((void)NetLongwaveFao56(D, test::WorkedExampleSite()), ArithmeticError);
}

// FAO-56 Eq. 47: 0.748 at 10 m (Example 14, p. 56: 3.2 m s-1 at 10 m gives 2.4). The
// factor at 2 m is 1.000222, not 1, which is why the computation leaves h = 2 alone.
// 259.2 km d-1 (3 m s-1) at 10 m gives 193.9.
TEST(WindAt2m, ConvertsFromTheMeasurementHeight)
{
    struct Case {
        double U, h, expected, tolerance;
    };
    const Case cases[] = {
        {1, 10, 0.748, 5e-4}, {3.2, 10, 2.4, 0.05},       {259.2, 10, 193.9, 0.05},
        {1, 2, 1.000222, 5e-7}, {1, 1, 1.178251, 5e-7},  {0, 10, 0, 0},
    };
    for (const auto& c : cases) EXPECT_NEAR(WindAt2m(c.U, c.h), c.expected, c.tolerance) << c.U << " at " << c.h;
}

// Between ln(...) = 0 (h = 6.42 / 67.8, about 0.0947 m) and ln of 0 (h = 0.0799 m) the
// factor is negative but defined.
TEST(WindAt2m, NegativeJustAboveTheLowestHeight)
{
    EXPECT_LT(WindAt2m(1, 0.09), -12);
}

TEST(WindAt2m, ThrowsWhereTheLogarithmIsZeroOrUndefined)
{
    const double heights[] = {6.42 / 67.8, 0.0799, 0, -1};
    for (const double h : heights) EXPECT_THROW((void)WindAt2m(1, h), ArithmeticError) << "h = " << h;
}

} // namespace
} // namespace etp
