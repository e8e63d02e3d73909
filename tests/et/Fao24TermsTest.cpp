#include "et/Fao24Terms.h"

#include <gtest/gtest.h>

#include <utility>

#include "base/ArithmeticError.h"
#include "et/WorkedExample.h"

namespace etp {
namespace {

// Worked example, values printed to four or five decimals: tolerance half a unit of the last.
TEST(Fao24Terms, WorkedExample)
{
    const DailyWeather D = test::WorkedExampleWeather();
    const SiteDay S = test::WorkedExampleSite();
    EXPECT_NEAR(VapourPressureDeficitMbar(D), 8.1840, 5e-5);
    EXPECT_NEAR(NetShortwaveFao24(D), 6.7320, 5e-5);
    EXPECT_NEAR(NetLongwaveFao24(D, S), 1.6840, 5e-5);
    EXPECT_NEAR(WeightingFactor(D, S), 0.68696, 5e-6);
    EXPECT_NEAR(WindFunction(D), 0.73656, 5e-6);
    EXPECT_NEAR(AdjustmentFactor(D), 1.06949, 5e-6);
}

// At 20 °C: saturated air has no deficit; dry air has e0(20) = 2.338 kPa (FAO-56 Table 2.3).
TEST(VapourPressureDeficitMbar, FromSaturatedToDryAir)
{
    DailyWeather D{.Tmin = 12, .Tmax = 28, .RHmax = 100, .RHmin = 100};
    EXPECT_EQ(VapourPressureDeficitMbar(D), 0);
    D.RHmax = 0;
    D.RHmin = 0;
    EXPECT_NEAR(VapourPressureDeficitMbar(D), 23.38, 0.005);
    D.RHmax = 80; // mean 40 %: 60 % of the saturation pressure is missing
    EXPECT_NEAR(VapourPressureDeficitMbar(D), 0.6 * 23.38, 0.005);
}

// The means pass through 32 bits: 20 + 2^-20 and 65 + 2^-18 lie halfway between two floats and
// round to the even 20 and 65, so a day whose extremes differ by one float step is computed as
// the day at 20 °C and 65 %.
TEST(Fao24Terms, MeansAreRoundedTo32Bits)
{
    const DailyWeather flat{.Tmin = 20, .Tmax = 20, .RHmax = 65, .RHmin = 65, .Sunshine = 10, .Radiation = 8};
    DailyWeather step = flat;
    step.Tmax = ToSingle(20 + 0x1p-19);   // one float step above 20
    step.RHmax = ToSingle(65 + 0x1p-17); // one float step above 65
    DailyWeather both = step;            // both extremes one step up: the mean moves
    both.Tmin = step.Tmax;
    both.RHmin = step.RHmax;
    const SiteDay S = test::WorkedExampleSite();
    EXPECT_EQ(VapourPressureDeficitMbar(step), VapourPressureDeficitMbar(flat));
    EXPECT_EQ(NetLongwaveFao24(step, S), NetLongwaveFao24(flat, S));
    EXPECT_EQ(WeightingFactor(step, S), WeightingFactor(flat, S));
    EXPECT_NE(VapourPressureDeficitMbar(both), VapourPressureDeficitMbar(flat));
    EXPECT_NE(NetLongwaveFao24(both, S), NetLongwaveFao24(flat, S));
    EXPECT_NE(WeightingFactor(both, S), WeightingFactor(flat, S));
}

TEST(NetShortwaveFao24, KeepsThreeQuarters)
{
    const std::pair<float, double> cases[] = {{10, 7.5}, {0, 0}, {-4, -3}};
    for (const auto& [Radiation, Rns] : cases)
        EXPECT_DOUBLE_EQ(NetShortwaveFao24(DailyWeather{.Radiation = Radiation}), Rns) << Radiation;
}

// f(n/N) = 0.1 + 0.9 n / N with N = 15.4274: 0.683373 for 10 h in the worked example,
// 0.1 without sunshine and 1 under a sun that shines all day.
TEST(NetLongwaveFao24, ScalesWithTheSunshineFraction)
{
    const SiteDay S = test::WorkedExampleSite();
    DailyWeather D = test::WorkedExampleWeather();
    D.Sunshine = 0;
    EXPECT_NEAR(NetLongwaveFao24(D, S), 1.6840 * 0.1 / 0.683373, 2e-5);
    D.Sunshine = ToSingle(15.4274);
    EXPECT_NEAR(NetLongwaveFao24(D, S), 1.6840 / 0.683373, 5e-5);
}

TEST(NetLongwaveFao24, ThrowsOnPolarDay)
{
    EXPECT_THROW((void)NetLongwaveFao24(test::WorkedExampleWeather(), test::PolarDay()), ArithmeticError);
}

// Negative humidities make ed negative: no square root.
TEST(NetLongwaveFao24, ThrowsForNegativeVapourPressure)
{
    DailyWeather D = test::WorkedExampleWeather();
    D.RHmax = -10;
    D.RHmin = -10;
    EXPECT_THROW((void)NetLongwaveFao24(D, test::WorkedExampleSite()), ArithmeticError);
}

// FAO-24 Table 8: W = 0.68 at 20 °C and sea level (two figures).
TEST(WeightingFactor, Fao24Table)
{
    EXPECT_NEAR(WeightingFactor(DailyWeather{.Tmin = 20, .Tmax = 20}, SiteDay{}), 0.68, 0.005);
}

// The 32-bit mean of -237.3 misses the pole by 3e-6, so exp overflows instead of dividing by 0.
TEST(WeightingFactor, ThrowsAtMinus237Point3)
{
    const DailyWeather D{.Tmin = ToSingle(-237.3), .Tmax = ToSingle(-237.3)};
    EXPECT_THROW((void)WeightingFactor(D, SiteDay{}), ArithmeticError);
}

TEST(WindFunction, LinearInTheDailyRun)
{
    const std::pair<float, double> cases[] = {{0, 0.27}, {100, 0.54}, {300, 1.08}};
    for (const auto& [Wind, fu] : cases) EXPECT_NEAR(WindFunction(DailyWeather{.Wind = Wind}), fu, 1e-12) << Wind;
}

// c = 0.6817006 + 0.0027864 RHmax + 0.0181768 Rs - 0.0682501 Ud + 0.0126514 r + 0.0097297 Ud r
//     + 4.3205e-05 RHmax Rs Ud - 9.2118e-08 RHmax Rs r, with r = 1.5 and Ud = Wind / 72.
TEST(AdjustmentFactor, RegressionTerms)
{
    struct Case {
        float RHmax, Radiation, Wind;
        double c;
        const char* why;
    };
    const Case cases[] = {
        {0, 0, 0, 0.7006777, "constant and day/night ratio only"},
        {0, 0, 72, 0.64702215, "Ud = Wind / 72 = 1 m s-1"},
        {100, 10, 0, 1.16094752, "last term has no factor Ud"},
        {100, 10, 72, 1.15049697, "the three Ud terms"},
    };
    for (const auto& k : cases) {
        const DailyWeather D{.RHmax = k.RHmax, .Wind = k.Wind, .Radiation = k.Radiation};
        EXPECT_NEAR(AdjustmentFactor(D), k.c, 1e-8) << k.why;
    }
}

} // namespace
} // namespace etp
