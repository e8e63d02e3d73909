#include "et/DayTerms.h"

#include <gtest/gtest.h>

#include "base/ArithmeticError.h"
#include "et/SolarGeometry.h"

namespace etp {
namespace {

// The station's table holds, for every day of the year, exactly what the formulas give; a day
// without a value (polar day or night at 70°, a date that is not a date) throws as they do, and
// a site at another latitude is not read from the table.
TEST(StationTerms, GivesTheFormulasValueOnEveryDay)
{
    for (const float latitude : {44.5F, -60.0F, 70.0F}) {
        const StationTerms station(latitude, 120);
        int refused = 0;
        for (float month = 1; month <= 12; ++month)
            for (float day = 1; day <= 31; ++day) {
                const SiteDay S{.Altitude = 120, .Latitude = latitude, .Month = month, .Day = day, .Year = 2001};
                try {
                    const double Ra = ExtraterrestrialRadiation(S);
                    EXPECT_EQ(station.ExtraterrestrialRadiation(S), Ra) << day << '/' << month << " at " << latitude;
                } catch (const ArithmeticError&) {
                    ++refused;
                    EXPECT_THROW((void)station.ExtraterrestrialRadiation(S), ArithmeticError);
                }
                try {
                    const double N = DaylightHours(S);
                    EXPECT_EQ(station.DaylightHours(S), N) << day << '/' << month << " at " << latitude;
                } catch (const ArithmeticError&) {
                    EXPECT_THROW((void)station.DaylightHours(S), ArithmeticError);
                }
            }
        EXPECT_EQ(refused > 0, latitude == 70.0F) << latitude;
        const SiteDay elsewhere{.Altitude = 120, .Latitude = 10, .Month = 6, .Day = 21, .Year = 2001};
        EXPECT_EQ(station.ExtraterrestrialRadiation(elsewhere), ExtraterrestrialRadiation(elsewhere));
        EXPECT_THROW((void)station.DaylightHours(SiteDay{.Latitude = latitude, .Month = 13, .Day = 1}), ArithmeticError);
    }
}

// Beyond about 45 km the pressure formula has no value: the station holds none, and each row
// that asks meets the error.
TEST(StationTerms, AltitudeWithoutPressure)
{
    const StationTerms station(45, 50000);
    const SiteDay S{.Altitude = 50000, .Latitude = 45, .Month = 6, .Day = 21, .Year = 2001};
    EXPECT_THROW((void)station.PsychrometricConstant(S), ArithmeticError);
    EXPECT_NO_THROW((void)station.ExtraterrestrialRadiation(S));
}

} // namespace
} // namespace etp
