#include "et/OtherMethods.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/Refusal.h"
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

// (T + b) would turn negative below T = -b: Hargreaves is 0 at and below it, and only there.
// An inverted range stays an error there too.
TEST(Hargreaves, ZeroAtAndBelowMinusB)
{
    const SiteDay S = test::WorkedExampleSite();
    const struct { float Tmin, Tmax; double b; } zero[] = {{-27.5F, -7.5F, 17.5}, {-40, -20, 17.8}, {-60, -50, 17.8}, {-8, 8, 0}, {-10, 8, 0}};
    for (const auto& [Tmin, Tmax, b] : zero)
        EXPECT_EQ(Hargreaves(DayTerms(DailyWeather{.Tmin = Tmin, .Tmax = Tmax}, S), {.b = b}), 0) << Tmin << '/' << Tmax << ", b = " << b;
    // T = -17.5: 0.0023 Ra 0.3 sqrt(20), Ra = 17.0995 mm d-1.
    EXPECT_NEAR(Hargreaves(DayTerms(DailyWeather{.Tmin = -27.5, .Tmax = -7.5}, S), {}), 0.0023 * 17.0995 * 0.3 * std::sqrt(20.0), 1e-5);
    EXPECT_THROW((void)Hargreaves(DayTerms(DailyWeather{.Tmin = -20, .Tmax = -40}, S), {}), ArithmeticError);
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
}

// T / (T + 15) would be negative between -15 and 0 °C, undefined at -15 and positive again
// below: Turc is 0 at and below a mean of 0 °C, and only there.
TEST(Turc, ZeroAtAndBelowZeroDegrees)
{
    const SiteDay S = test::WorkedExampleSite();
    for (const float Tmin : {-10.0F, -20.0F, -30.0F, -40.0F}) // means 0, -5, -15, -20
        EXPECT_EQ(Turc(DailyWeather{.Tmin = Tmin, .Tmax = 10, .Radiation = 8}, S), 0) << Tmin;
    // A mean of 2^-20 °C: 0.013 T / 15 (59 * 8 + 50).
    EXPECT_NEAR(Turc(DailyWeather{.Tmin = -10, .Tmax = ToSingle(10 + 0x1p-19), .Radiation = 8}, S), 0.013 * 0x1p-20 / 15 * 522, 1e-12);
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

} // namespace
} // namespace etp
