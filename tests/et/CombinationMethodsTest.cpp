#include "et/CombinationMethods.h"

#include <gtest/gtest.h>

#include "base/ArithmeticError.h"
#include "et/WorkedExample.h"

namespace etp {
namespace {

using Method = double (*)(const DailyWeather&, const SiteDay&);

struct Named {
    const char* label;
    Method method;
};

const Named kFao24Variants[] = {
    {"PenFAO", PenFao}, {"PFAOnocorr", PenFaoNoCorrection}, {"PFAOrad", PenFaoRadiation}};

const Named kAllWithValue[] = {{"PenFAO", PenFao},
                               {"PFAOnocorr", PenFaoNoCorrection},
                               {"PFAOrad", PenFaoRadiation},
                               {"P-T", PriestleyTaylor}};

// A clear winter day at 60°N: 15 December, N = 5.56 h, Ra = 2.16 MJ m-2 d-1, saturated air.
// The net longwave loss exceeds the shortwave gain.
DailyWeather ClearWinterWeather()
{
    return DailyWeather{.Tmin = -5, .Tmax = 0, .RHmax = 100, .RHmin = 100, .Wind = 100, .Sunshine = 5,
                        .Radiation = ToSingle(0.4)};
}

SiteDay WinterSite()
{
    return SiteDay{.Altitude = 0, .Latitude = 60, .Month = 12, .Day = 15, .Year = 2015};
}

// Results printed to four decimals: tolerance half a unit of the last.
TEST(CombinationMethods, WorkedExample)
{
    const DailyWeather D = test::WorkedExampleWeather();
    const SiteDay S = test::WorkedExampleSite();
    EXPECT_NEAR(PenFao(D, S), 5.7269, 5e-5);
    EXPECT_NEAR(PenFaoNoCorrection(D, S), 5.4718, 5e-5);
    EXPECT_NEAR(PenFaoRadiation(D, S), 5.8520, 5e-5);
    EXPECT_NEAR(PriestleyTaylor(D, S), 4.5168, 5e-5);
}

// Only "P-T" (and "PenMon") have a floor; the FAO-24 variants go negative.
TEST(CombinationMethods, NegativeDay)
{
    const DailyWeather D = ClearWinterWeather();
    const SiteDay S = WinterSite();
    EXPECT_EQ(PriestleyTaylor(D, S), 0.01);
    for (const auto& [label, method] : kFao24Variants) EXPECT_LT(method(D, S), -0.25) << label;
}

// Without sunshine f(n/N) = 0.1 instead of 0.683373: Rnl falls from 1.6840 to 0.24642 and
// "PenFAO" rises by c W (1.6840 - 0.24642). The radiation-based variants never read it.
TEST(CombinationMethods, OnlyPenFaoReadsTheSunshine)
{
    const SiteDay S = test::WorkedExampleSite();
    const DailyWeather D = test::WorkedExampleWeather();
    DailyWeather noSun = D;
    noSun.Sunshine = 0;
    EXPECT_NEAR(PenFao(noSun, S), 5.7269 + 1.06949 * 0.68696 * (1.6840 - 0.24642), 2e-4);
    for (const auto& [label, method] : kAllWithValue) {
        if (method == PenFao) continue;
        EXPECT_EQ(method(noSun, S), method(D, S)) << label;
    }
}

// Calm day: f(u) = 0.27, so "PFAOnocorr" = W (Rns - Rnl56) + (1 - W) 0.27 (ea - ed) with the
// worked example's W = 0.68696, Rns - Rnl56 = 6.7320 - 1.5137 and ea - ed = 8.1840.
TEST(PenFaoNoCorrection, CalmDay)
{
    DailyWeather D = test::WorkedExampleWeather();
    D.Wind = 0;
    EXPECT_NEAR(PenFaoNoCorrection(D, test::WorkedExampleSite()), 4.27647, 1e-4);
}

// "P-T" = 1.26 W (Rns - Rnl56) does not depend on the wind.
TEST(PriestleyTaylor, IgnoresTheWind)
{
    const SiteDay S = test::WorkedExampleSite();
    DailyWeather D = test::WorkedExampleWeather();
    const double worked = PriestleyTaylor(D, S);
    D.Wind = 0;
    EXPECT_EQ(PriestleyTaylor(D, S), worked);
}

// The floor applies below 0 only. At -236 °C the saturation pressure underflows to 0, so W = 0
// and ET is exactly 0, which stays 0.
TEST(PriestleyTaylor, ZeroIsNotFloored)
{
    const DailyWeather D{.Tmin = -236, .Tmax = -236, .RHmax = 50, .RHmin = 50};
    EXPECT_EQ(PriestleyTaylor(D, test::WorkedExampleSite()), 0);
}

TEST(CombinationMethods, ThrowOnPolarDay)
{
    for (const auto& [label, method] : kAllWithValue)
        EXPECT_THROW((void)method(test::WorkedExampleWeather(), test::PolarDay()), ArithmeticError) << label;
}

TEST(CombinationMethods, ThrowAtMinus237Point3)
{
    DailyWeather D = test::WorkedExampleWeather();
    D.Tmin = ToSingle(-237.3);
    D.Tmax = ToSingle(-237.3);
    for (const auto& [label, method] : kAllWithValue)
        EXPECT_THROW((void)method(D, test::WorkedExampleSite()), ArithmeticError) << label;
}

// "PFAOsun" computes nothing: not even a polar day makes it fail.
TEST(PenFaoSunshine, NeverHasAValue)
{
    EXPECT_FALSE(PenFaoSunshine(test::WorkedExampleWeather(), test::WorkedExampleSite()).has_value());
    EXPECT_FALSE(PenFaoSunshine(DailyWeather{}, SiteDay{}).has_value());
    EXPECT_FALSE(PenFaoSunshine(test::WorkedExampleWeather(), test::PolarDay()).has_value());
}

} // namespace
} // namespace etp
