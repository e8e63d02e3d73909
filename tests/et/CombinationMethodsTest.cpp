#include "et/CombinationMethods.h"

#include <gtest/gtest.h>

#include "et/PenMon.h"
#include "et/WorkedExample.h"

namespace etp {
namespace {

using Method = double (*)(DayTerms&);

double ResultOf(Method method, const DailyWeather& D, const SiteDay& S)
{
    DayTerms day(D, S);
    return method(day);
}

// A clear winter day at 60°N (N = 5.56 h, Ra = 2.16 MJ m-2 d-1) in saturated air: the net
// longwave loss exceeds the shortwave gain. Only "P-T" and "PenMon" have a floor of 0.01, and
// it applies below 0 only: at -236 °C the saturation pressure underflows to 0, so W = 0 and
// "P-T" is exactly 0.
TEST(CombinationMethods, NegativeDayAndTheFloor)
{
    const DailyWeather D{.Tmin = -5, .Tmax = 0, .RHmax = 100, .RHmin = 100, .Wind = 100, .Sunshine = 5,
                         .Radiation = ToSingle(0.4)};
    const SiteDay S{.Altitude = 0, .Latitude = 60, .Month = 12, .Day = 15, .Year = 2015};
    EXPECT_EQ(ResultOf(PriestleyTaylor, D, S), 0.01);
    double previous = -2.5;
    EXPECT_EQ(PenMon(DayTerms(D, S), previous), 0.01);
    for (const Method method : {PenFao, PenFaoNoCorrection, PenFaoRadiation}) EXPECT_LT(ResultOf(method, D, S), -0.25);
    EXPECT_EQ(ResultOf(PriestleyTaylor, DailyWeather{.Tmin = -236, .Tmax = -236, .RHmax = 50, .RHmin = 50}, S), 0);
}

// Without sunshine f(n/N) = 0.1 instead of 0.683373: Rnl falls from 1.6840 to 0.24642 and
// "PenFAO" rises by c W (1.6840 - 0.24642). The others never read the sunshine.
TEST(CombinationMethods, InputsEachMethodReads)
{
    const SiteDay S = test::WorkedExampleSite();
    const DailyWeather D = test::WorkedExampleWeather();
    DailyWeather noSun = D;
    noSun.Sunshine = 0;
    EXPECT_NEAR(ResultOf(PenFao, noSun, S), 5.7269 + 1.06949 * 0.68696 * (1.6840 - 0.24642), 2e-4);
    for (const Method method : {PenFaoNoCorrection, PenFaoRadiation, PriestleyTaylor})
        EXPECT_EQ(ResultOf(method, noSun, S), ResultOf(method, D, S));
}

} // namespace
} // namespace etp
