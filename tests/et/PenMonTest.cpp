#include <gtest/gtest.h>

#include "base/ArithmeticError.h"
#include "et/CombinationMethods.h"
#include "et/Fao56Terms.h"
#include "et/WorkedExample.h"

namespace etp {
namespace {

SiteDay OnDate(float day, float month)
{
    SiteDay S = test::WorkedExampleSite();
    S.Day = day;
    S.Month = month;
    return S;
}

// Worked example with yesterday's mean at 20 °C, so G = 0: gamma = 0.066556, es = 2.59125,
// ea = 1.38714 and ET0 = 4.9905 (delta = 0.160399, Ea = 1.80863, Rn = 13.22991 inside).
TEST(PenMon, WorkedExample)
{
    const DailyWeather D = test::WorkedExampleWeather();
    EXPECT_NEAR(PsychrometricConstant(100), 0.066556, 5e-7);
    const double es = (SaturationVapourPressure(12) + SaturationVapourPressure(28)) / 2;
    const double ea = (SaturationVapourPressure(12) * 0.90 + SaturationVapourPressure(28) * 0.40) / 2;
    EXPECT_NEAR(es, 2.59125, 5e-6);
    EXPECT_NEAR(ea, 1.38714, 5e-6);
    double PreviousMeanTemperature = 20;
    EXPECT_NEAR(PenMon(D, test::WorkedExampleSite(), PreviousMeanTemperature), 4.9905, 5e-5);
    EXPECT_EQ(PreviousMeanTemperature, 20);
}

// G = 0.38 (T - yesterday) enters as delta / (delta + gamma*) G / 2.45. With the worked
// example's delta = 0.160399 and gamma* = 0.066556 (1 + 0.34 * 2): a mean 10 °C lower
// yesterday takes 0.589244 * 3.8 / 2.45 = 0.913929 off.
TEST(PenMon, SoilHeatFluxFromThePreviousRow)
{
    const DailyWeather D = test::WorkedExampleWeather();
    const SiteDay S = test::WorkedExampleSite();
    double warm = 20;
    double cool = 10;
    EXPECT_NEAR(PenMon(D, S, warm) - PenMon(D, S, cool), 0.913929, 5e-5);
}

// Calm air: no aerodynamic term and gamma* = gamma, so ET0 = delta / (delta + gamma) Rn / 2.45
// = 0.160399 / 0.226955 * 13.22991 / 2.45.
TEST(PenMon, CalmDayHasNoAerodynamicTerm)
{
    DailyWeather D = test::WorkedExampleWeather();
    D.Wind = 0;
    double PreviousMeanTemperature = 20;
    EXPECT_NEAR(PenMon(D, test::WorkedExampleSite(), PreviousMeanTemperature), 3.81641, 1e-4);
}

// Without radiation the cloudiness factor is -0.35: the longwave term becomes a gain of
// 0.909614 / 0.408 MJ m-2 d-1 (see NetLongwaveFao56), so a calm day still gets 0.64312.
TEST(PenMon, NoRadiationGainsLongwave)
{
    DailyWeather D = test::WorkedExampleWeather();
    D.Wind = 0;
    D.Radiation = 0;
    double PreviousMeanTemperature = 20;
    EXPECT_NEAR(PenMon(D, test::WorkedExampleSite(), PreviousMeanTemperature), 0.64312, 1e-4);
}

// 1 January ignores yesterday; the next row takes G from 1 January's mean.
TEST(PenMon, FirstOfJanuaryHasNoSoilHeatFlux)
{
    const DailyWeather D = test::WorkedExampleWeather();
    double fromWarm = 45;
    double fromCold = -40;
    const double warm = PenMon(D, OnDate(1, 1), fromWarm);
    EXPECT_EQ(PenMon(D, OnDate(1, 1), fromCold), warm);
    EXPECT_EQ(fromWarm, 20);
    EXPECT_EQ(fromCold, 20);

    // 2 January, 10 °C colder than 1 January: G = -3.8 adds to the radiation term.
    DailyWeather colder = D;
    colder.Tmin = 2;
    colder.Tmax = 18;
    double carried = fromWarm;
    const double secondDay = PenMon(colder, OnDate(2, 1), carried);
    EXPECT_EQ(carried, 10);
    double sameDay = 10; // 2 January computed again after itself: G = 0
    EXPECT_GT(secondDay - PenMon(colder, OnDate(2, 1), sameDay), 0.5);
}

// The program starts with 0: the first row (not 1 January) gets G = 0.38 T.
TEST(PenMon, FirstRowAfterStartUsesZero)
{
    const DailyWeather D = test::WorkedExampleWeather();
    const SiteDay S = test::WorkedExampleSite();
    double atStart = 0;
    double sameMean = 20;
    // G = 0.38 * 20 = 7.6 instead of 0: 2 * 0.913929 less.
    EXPECT_NEAR(PenMon(D, S, sameMean) - PenMon(D, S, atStart), 2 * 0.913929, 1e-4);
    EXPECT_EQ(atStart, 20);
}

// The kept mean is the 32-bit one: (12.1 + 28.2) / 2 = 20.15000057 in double, 20.15000153 in float.
TEST(PenMon, KeepsThe32BitMean)
{
    const DailyWeather D{.Tmin = ToSingle(12.1), .Tmax = ToSingle(28.2), .RHmax = 90, .RHmin = 40};
    double PreviousMeanTemperature = 0;
    (void)PenMon(D, test::WorkedExampleSite(), PreviousMeanTemperature);
    EXPECT_EQ(PreviousMeanTemperature, 20.150001525878906);
}

// A clear winter day at 60°N in saturated air: net radiation is negative, ET0 is floored.
TEST(PenMon, NegativeDayGivesTheFloor)
{
    const DailyWeather D{.Tmin = -5, .Tmax = 0, .RHmax = 100, .RHmin = 100, .Wind = 100, .Radiation = ToSingle(0.4)};
    const SiteDay S{.Altitude = 0, .Latitude = 60, .Month = 12, .Day = 15, .Year = 2015};
    double PreviousMeanTemperature = -2.5;
    EXPECT_EQ(PenMon(D, S, PreviousMeanTemperature), 0.01);
}

// A row that fails leaves the kept mean alone.
TEST(PenMon, ThrowsOnPolarDayAndKeepsTheMean)
{
    double PreviousMeanTemperature = 7;
    EXPECT_THROW((void)PenMon(test::WorkedExampleWeather(), test::PolarDay(), PreviousMeanTemperature),
                 ArithmeticError);
    EXPECT_EQ(PreviousMeanTemperature, 7);
}

TEST(PenMon, ThrowsOnDomainErrors)
{
    DailyWeather cold = test::WorkedExampleWeather();
    cold.Tmin = ToSingle(-237.3);
    cold.Tmax = ToSingle(-237.3);
    DailyWeather negativeHumidity = test::WorkedExampleWeather();
    negativeHumidity.RHmax = -20;
    negativeHumidity.RHmin = -20;
    for (const DailyWeather& D : {cold, negativeHumidity}) {
        double PreviousMeanTemperature = 20;
        EXPECT_THROW((void)PenMon(D, test::WorkedExampleSite(), PreviousMeanTemperature), ArithmeticError);
    }
}

} // namespace
} // namespace etp
