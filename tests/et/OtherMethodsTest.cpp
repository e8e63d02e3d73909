#include "et/OtherMethods.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <limits>

#include "base/ArithmeticError.h"
#include "et/WorkedExample.h"

namespace etp {
namespace {

// Worked example: Ra = 17.0995 mm d-1, T = 20 °C, Tmax - Tmin = 16 °C (a is checked through
// Compute). b = 0 leaves T + b = 20, c = 1 uses 16 instead of its root 4. A range of 0 gives
// 0; an inverted range has no square root but a whole power.
TEST(Hargreaves, CoefficientsRangesAndTheir32BitRounding)
{
    struct Case { float Tmin, Tmax; HargreavesCoefficients k; double expected; };
    const Case cases[] = {{12, 28, {.b = 0}, 0.0023 * 17.0995 * 20 * 4}, {12, 28, {.c = 1}, 0.0023 * 17.0995 * 37.8 * 16},
                          {20, 20, {}, 0}, {28, 12, {.c = 1}, -0.0023 * 17.0995 * 37.8 * 16}};
    for (const auto& [Tmin, Tmax, k, expected] : cases) {
        DailyWeather D = test::WorkedExampleWeather();
        D.Tmin = Tmin;
        D.Tmax = Tmax;
        EXPECT_NEAR(Hargreaves(DayTerms(D, test::WorkedExampleSite()), k), expected, 5e-4)
            << Tmin << '/' << Tmax << ": a = " << k.a << ", b = " << k.b << ", c = " << k.c;
    }
    // T and Tmax - Tmin pass through 32 bits: with Tmin = 2^-30 they are 8 + 2^-31 and 16 - 2^-30
    // in double, but 8 and 16 as floats, the values of Tmin = 0.
    const SiteDay S = test::WorkedExampleSite();
    const DailyWeather tiny{.Tmin = ToSingle(0x1p-30), .Tmax = 16};
    EXPECT_EQ(Hargreaves(DayTerms(tiny, S), {}), Hargreaves(DayTerms(DailyWeather{.Tmin = 0, .Tmax = 16}, S), {}));
}

// ET0 = 0.013 T / (T + 15) (Rc + 50) k with the worked example's T = 20 and Rc = 529.584:
// 4.3055 when k = 1. k = 1 + (50 - RHmean) / 70 only when RHmean <= 50 and no humidity is 0.
TEST(Turc, HumidityFactorAndSign)
{
    struct Case { float RHmax, RHmin; double k; };
    const Case cases[] = {
        {40, 20, 1 + 20.0 / 70}, // RHmean 30: 5.5356
        {60, 0, 1},              // missing minimum humidity, although RHmean is 30
        {0, 60, 1},              // missing maximum humidity
        {10, -10, 1},            // RHmean 0 from two non-zero humidities
    };
    for (const auto& c : cases) {
        DailyWeather D = test::WorkedExampleWeather();
        D.RHmax = c.RHmax;
        D.RHmin = c.RHmin;
        EXPECT_NEAR(Turc(D, test::WorkedExampleSite()), 4.3055 * c.k, 5e-5 * c.k) << c.RHmax << '/' << c.RHmin;
    }
    // T / (T + 15): negative between -15 and 0 °C, positive again below -15 (undefined at -15).
    EXPECT_LT(Turc(DailyWeather{.Tmin = -10, .Tmax = 0, .Radiation = 8}, test::WorkedExampleSite()), 0);
    EXPECT_GT(Turc(DailyWeather{.Tmin = -30, .Tmax = -10, .Radiation = 8}, test::WorkedExampleSite()), 0);
}

// The means pass through 32 bits (20 + 2^-20 and 40 + 2^-19 lie halfway and round to the even
// neighbour), and so does Rc: 59 * float(1/59) = 1.0000000019 cal cm-2 d-1 is held as 1, so
// that day gives 0.013 * 20 / 35 * (1 + 50) to the last digits.
TEST(Turc, MeansAndRadiationAreRoundedTo32Bits)
{
    const DailyWeather flat{.Tmin = 20, .Tmax = 20, .RHmax = 40, .RHmin = 40, .Radiation = 8};
    DailyWeather step = flat;
    step.Tmax = ToSingle(20 + 0x1p-19);  // one float step above 20
    step.RHmax = ToSingle(40 + 0x1p-18); // one float step above 40
    DailyWeather both = step;            // both extremes one step up: the means move
    both.Tmin = step.Tmax;
    both.RHmin = step.RHmax;
    const SiteDay S = test::WorkedExampleSite();
    EXPECT_EQ(Turc(step, S), Turc(flat, S));
    EXPECT_NE(Turc(both, S), Turc(flat, S));
    const DailyWeather D{.Tmin = 20, .Tmax = 20, .RHmax = 65, .RHmin = 65, .Radiation = ToSingle(1.0 / 59)};
    EXPECT_NEAR(Turc(D, S), 0.378857142857142857, 1e-13);
}

// Table of a sheet starting in 1998: entry i holds i + 0.5 so that every index is visible.
// Only the hundred years from December before the first year are held.
TEST(PriestleyTaylorExtrad, ReadsTheEntryOfTheMonth)
{
    MonthlyTemperatureRange table;
    table.FirstYear = 1998;
    for (std::size_t i = 0; i < table.entry.size(); ++i) table.entry[i] = ToSingle(double(i) + 0.5);
    struct Case { float year, month, entry; };
    const Case cases[] = {
        {1997, 12, 0.5}, {2097, 12, 1200.5}, // December before FirstYear, last month of the hundredth year
        {1998, 2.5, 2.5}, {1998, 3.5, 4.5},  // halves round to even
    };
    for (const auto& c : cases) {
        const SiteDay S{.Month = c.month, .Day = 15, .Year = c.year};
        EXPECT_EQ(PriestleyTaylorExtrad(test::WorkedExampleWeather(), S, table), c.entry) << c.month << '/' << c.year;
    }
    const SiteDay outside[] = {{.Month = 11, .Day = 30, .Year = 1997}, {.Month = 1, .Day = 1, .Year = 2098},
                               {.Month = 1, .Day = 1, .Year = std::numeric_limits<float>::quiet_NaN()}};
    for (const auto& S : outside)
        EXPECT_THROW((void)PriestleyTaylorExtrad(DailyWeather{}, S, table), ArithmeticError) << S.Month << '/' << S.Year;
}

} // namespace
} // namespace etp
