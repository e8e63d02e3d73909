#include "et/SolarGeometry.h"

#include <gtest/gtest.h>

#include <utility>

#include "base/Refusal.h"
#include "et/WorkedExample.h"

namespace etp {
namespace {

SiteDay Date(float day, float month, float latitude = 0) { return SiteDay{.Altitude = 0, .Latitude = latitude, .Month = month, .Day = day, .Year = 2015}; }

// A 365-day year: 29 February and 1 March are both day 60. A date cell that is not a date
// reaches the formulas as month 0 (or worse).
TEST(DayOfYear, CountsA365DayYear)
{
    struct Case { float day, month, year; int J; };
    const Case cases[] = {{28, 2, 2015, 59}, {1, 3, 2015, 60}, {29, 2, 2000, 60}, {31, 12, 2000, 365}};
    for (const auto& c : cases) {
        const SiteDay S{.Month = c.month, .Day = c.day, .Year = c.year};
        EXPECT_EQ(DayOfYear(S), c.J) << c.day << '/' << c.month << '/' << c.year;
    }
    const std::pair<float, float> notDates[] = {{1, 0}, {1, 13}, {1, 6.5}, {0, 6}, {32, 1}};
    for (const auto& [day, month] : notDates)
        EXPECT_THROW((void)DayOfYear(Date(day, month)), ArithmeticError) << day << '/' << month;
}

// At the equator ws = ArcCos(0) = 1.5708 on every day: N = 24 * 1.5708 / 3.141592. And
// ws(phi) + ws(-phi) = 2 * 1.5708, so the two hemispheres sum to twice that. The truncated
// pi/2 = 1.5708 lies 3.6732e-6 above the true one, and every value carries it.
TEST(DaylightHours, EquatorAndMirroredHemispheresAndFao56Example8)
{
    for (const float month : {3.0F, 6.0F, 12.0F}) EXPECT_NEAR(DaylightHours(Date(21, month)), 12.0000306, 5e-8) << month;
    for (const float phi : {10.0F, 60.0F}) {
        const double north = DaylightHours(Date(21, 6, phi));
        EXPECT_GT(north, 12.0001) << phi;
        EXPECT_NEAR(north + DaylightHours(Date(21, 6, -phi)), 24.0000611, 5e-8) << phi;
    }
    // FAO-56 Example 8, p. 47: 3 September at 20°S, Ra = 32.2 (three figures).
    EXPECT_NEAR(ExtraterrestrialRadiation(Date(3, 9, -20)), 32.2, 0.05);
}

} // namespace
} // namespace etp
