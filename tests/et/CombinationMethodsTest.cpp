#include "et/CombinationMethods.h"

#include <gtest/gtest.h>

#include "et/PenMon.h"

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

} // namespace
} // namespace etp
