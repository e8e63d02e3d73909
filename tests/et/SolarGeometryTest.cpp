#include "et/SolarGeometry.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

#include "base/ArithmeticError.h"
#include "et/WorkedExample.h"

namespace etp {
namespace {

SiteDay Date(float day, float month, float latitude = 0)
{
    return SiteDay{.Altitude = 0, .Latitude = latitude, .Month = month, .Day = day, .Year = 2015};
}

// The truncated pi/2 = 1.5708 lies 3.6732e-6 above the true one, and every value carries it.
TEST(ArcCos, CarriesTheTruncatedHalfPi)
{
    const std::pair<double, double> cases[] = {
        {0, 1.5708}, {0.5, 1.0472012244}, {-0.5, 2.0943987756}, {0.9999, 0.0141459267}};
    for (const auto& [x, expected] : cases) EXPECT_NEAR(ArcCos(x), expected, 1e-10) << "x = " << x;
}

// atan(-1 / sqrt(0.0)) is a finite -pi/2, so the end points must be refused explicitly.
TEST(ArcCos, ThrowsOutsideTheOpenInterval)
{
    const double cases[] = {1, -1, 1.0000001, -2, std::numeric_limits<double>::quiet_NaN(),
                            std::numeric_limits<double>::infinity()};
    for (const double x : cases) EXPECT_THROW((void)ArcCos(x), ArithmeticError) << "x = " << x;
}

TEST(DayOfYear, CountsA365DayYear)
{
    struct Case {
        float day, month, year;
        int J;
    };
    const Case cases[] = {
        {1, 1, 2015, 1},    {31, 1, 2015, 31},   {1, 2, 2015, 32},   {28, 2, 2015, 59},
        {1, 3, 2015, 60},   {1, 3, 2000, 60},    {29, 2, 2000, 60},  {21, 6, 2015, 172},
        {3, 9, 2015, 246},  {31, 12, 2015, 365}, {31, 12, 2000, 365}, // leap year: no day 366
    };
    for (const auto& c : cases) {
        const SiteDay S{.Month = c.month, .Day = c.day, .Year = c.year};
        EXPECT_EQ(DayOfYear(S), c.J) << c.day << '/' << c.month << '/' << c.year;
    }
}

// A date cell that is not a date reaches the formulas as month 0 (or worse).
TEST(DayOfYear, ThrowsForAMonthOrDayThatIsNoDate)
{
    const std::pair<float, float> cases[] = {{1, 0}, {1, 13}, {1, 6.5}, {0, 6}, {32, 1}, {-1, 3}};
    for (const auto& [day, month] : cases)
        EXPECT_THROW((void)DayOfYear(Date(day, month)), ArithmeticError) << day << '/' << month;
}

// At the equator ws = ArcCos(0) = 1.5708 on every day: N = 24 * 1.5708 / 3.141592.
TEST(DaylightHours, EquatorIsTwelveHoursAndABit)
{
    const std::pair<float, float> dates[] = {{1, 1}, {21, 3}, {21, 6}, {23, 9}, {21, 12}};
    for (const auto& [day, month] : dates)
        EXPECT_NEAR(DaylightHours(Date(day, month)), 12.0000306, 5e-8) << day << '/' << month;
}

TEST(DaylightHours, WorkedExample)
{
    EXPECT_NEAR(DaylightHours(test::WorkedExampleSite()), 15.4274, 5e-5);
}

// ws(phi) + ws(-phi) = 2 * 1.5708, so the two hemispheres sum to 24 * 3.1416 / 3.141592.
TEST(DaylightHours, HemispheresAreMirrored)
{
    const float latitudes[] = {10, 45, 60};
    for (const float phi : latitudes) {
        const double north = DaylightHours(Date(21, 6, phi));
        const double south = DaylightHours(Date(21, 6, -phi));
        EXPECT_GT(north, 12.0001) << phi;
        EXPECT_NEAR(north + south, 24.0000611, 5e-8) << phi;
    }
}

TEST(DaylightHours, ThrowsOnPolarDayAndNight)
{
    const SiteDay cases[] = {test::PolarDay(), Date(21, 12, 89), Date(21, 6, -89), Date(21, 12, -89)};
    for (const auto& S : cases)
        EXPECT_THROW((void)DaylightHours(S), ArithmeticError) << S.Latitude << "° " << S.Day << '/' << S.Month;
}

// FAO-56 Example 8, p. 47: 3 September at 20°S, Ra = 32.2 (three figures).
TEST(ExtraterrestrialRadiation, Fao56Example8)
{
    EXPECT_NEAR(ExtraterrestrialRadiation(Date(3, 9, -20)), 32.2, 0.05);
}

TEST(ExtraterrestrialRadiation, WorkedExample)
{
    EXPECT_NEAR(ExtraterrestrialRadiation(test::WorkedExampleSite()), 41.9105, 5e-5);
}

TEST(ExtraterrestrialRadiation, ThrowsOnPolarDayAndNight)
{
    EXPECT_THROW((void)ExtraterrestrialRadiation(test::PolarDay()), ArithmeticError);
    EXPECT_THROW((void)ExtraterrestrialRadiation(Date(21, 12, 89)), ArithmeticError);
}

// "PotRad" = 41.91 on the worked-example day, in MJ m-2 d-1 (not 17.10 mm).
TEST(PotentialRadiation, IgnoresTheWeather)
{
    const SiteDay S = test::WorkedExampleSite();
    const DailyWeather empty{};
    // Weather that every other method refuses (T = -237.3, negative humidity).
    const DailyWeather absurd{.Tmin = ToSingle(-237.3), .Tmax = ToSingle(-237.3), .RHmax = -50, .RHmin = -50,
                              .Wind = -1, .Sunshine = 99, .Radiation = -5};
    EXPECT_NEAR(PotentialRadiation(empty, S), 41.91, 0.005);
    EXPECT_EQ(PotentialRadiation(test::WorkedExampleWeather(), S), PotentialRadiation(empty, S));
    EXPECT_EQ(PotentialRadiation(absurd, S), PotentialRadiation(empty, S));
}

} // namespace
} // namespace etp
