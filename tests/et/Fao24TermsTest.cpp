#include "et/Fao24Terms.h"

#include <gtest/gtest.h>

#include "et/WorkedExample.h"

namespace etp {
namespace {

// The means pass through 32 bits: 20 + 2^-20 and 65 + 2^-18 lie halfway between two floats and
// round to the even 20 and 65, so a day whose extremes differ by one float step is computed as
// the day at 20 °C and 65 %. At 20 °C dry air has e0(20) = 2.338 kPa (FAO-56 Annex 2,
// Table 2.3): a humidity of 0 is no missing value.
TEST(Fao24Terms, MeansAreRoundedTo32BitsAndDryAir)
{
    EXPECT_NEAR(VapourPressureDeficitMbar(DailyWeather{.Tmin = 12, .Tmax = 28}), 23.38, 0.005);
    const DailyWeather flat{.Tmin = 20, .Tmax = 20, .RHmax = 65, .RHmin = 65, .Sunshine = 10, .Radiation = 8};
    DailyWeather step = flat;
    step.Tmax = ToSingle(20 + 0x1p-19);   // one float step above 20
    step.RHmax = ToSingle(65 + 0x1p-17); // one float step above 65
    DailyWeather both = step;            // both extremes one step up: the mean moves
    both.Tmin = step.Tmax;
    both.RHmin = step.RHmax;
    const SiteDay S = test::WorkedExampleSite();
    EXPECT_EQ(VapourPressureDeficitMbar(step), VapourPressureDeficitMbar(flat));
    EXPECT_EQ(NetLongwaveFao24(DayTerms(step, S)), NetLongwaveFao24(DayTerms(flat, S)));
    EXPECT_EQ(WeightingFactor(step, S), WeightingFactor(flat, S));
    EXPECT_NE(VapourPressureDeficitMbar(both), VapourPressureDeficitMbar(flat));
    EXPECT_NE(NetLongwaveFao24(DayTerms(both, S)), NetLongwaveFao24(DayTerms(flat, S)));
    EXPECT_NE(WeightingFactor(both, S), WeightingFactor(flat, S));
}

} // namespace
} // namespace etp
