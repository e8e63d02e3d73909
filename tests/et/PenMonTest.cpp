#include <gtest/gtest.h>

#include <utility>

#include "base/Refusal.h"
#include "et/PenMon.h"
#include "et/WorkedExample.h"

namespace etp {
namespace {

// G = 0.38 (T - yesterday) enters as delta / (delta + gamma*) G / 2.45. With the worked
// example's delta = 0.160399 and gamma* = 0.066556 (1 + 0.34 * 2), each 10 °C that
// yesterday was cooler takes 0.589244 * 3.8 / 2.45 = 0.913929 off. The program starts
// with 0, so the first row gets G = 0.38 T. Every call keeps today's mean for tomorrow.
TEST(PenMon, SoilHeatFluxFromThePreviousRowAndCalmDay)
{
    const std::pair<double, double> cases[] = {{20, 0}, {10, 0.913929}};
    for (const auto& [yesterday, less] : cases) {
        double previous = yesterday;
        EXPECT_NEAR(PenMon(DayTerms(test::WorkedExampleWeather(), test::WorkedExampleSite()), previous), 4.9905 - less, 1e-4)
            << yesterday;
        EXPECT_EQ(previous, 20);
    }
    // Calm air: no aerodynamic term and gamma* = gamma, so ET0 = delta / (delta + gamma) Rn / 2.45
    // = 0.160399 / 0.226955 * 13.22991 / 2.45.
    DailyWeather calm = test::WorkedExampleWeather();
    calm.Wind = 0;
    double previous = 20;
    EXPECT_NEAR(PenMon(DayTerms(calm, test::WorkedExampleSite()), previous), 3.81641, 1e-4);
}

// 1 January ignores yesterday; the next row takes G from 1 January's mean (10 °C colder:
// G = -3.8 adds to the radiation term). The kept mean is the 32-bit one: (12.1 + 28.2) / 2 =
// 20.15000057 in double, 20.15000153 in float. A row that fails leaves the kept mean alone.
TEST(PenMon, FirstOfJanuaryAndTheKeptMean)
{
    const DailyWeather D = test::WorkedExampleWeather();
    const SiteDay first{.Altitude = 100, .Latitude = 45, .Month = 1, .Day = 1, .Year = 2015}, second{.Altitude = 100, .Latitude = 45, .Month = 1, .Day = 2, .Year = 2015};
    double fromWarm = 45, fromCold = -40;
    EXPECT_EQ(PenMon(DayTerms(D, first), fromCold), PenMon(DayTerms(D, first), fromWarm));
    EXPECT_EQ(fromCold, 20);

    const DailyWeather colder{.Tmin = 2, .Tmax = 18, .RHmax = D.RHmax, .RHmin = D.RHmin, .Wind = D.Wind, .Sunshine = D.Sunshine, .Radiation = D.Radiation};
    const double secondDay = PenMon(DayTerms(colder, second), fromWarm);
    EXPECT_EQ(fromWarm, 10);
    EXPECT_GT(secondDay - PenMon(DayTerms(colder, second), fromWarm), 0.5); // again after itself: G = 0

    (void)PenMon(DayTerms(DailyWeather{.Tmin = ToSingle(12.1), .Tmax = ToSingle(28.2), .RHmax = 90, .RHmin = 40},
                          test::WorkedExampleSite()),
                 fromWarm);
    EXPECT_EQ(fromWarm, 20.150001525878906);
    EXPECT_THROW((void)PenMon(DayTerms(D, test::PolarDay()), fromWarm), ArithmeticError);
    EXPECT_EQ(fromWarm, 20.150001525878906);
}

} // namespace
} // namespace etp
