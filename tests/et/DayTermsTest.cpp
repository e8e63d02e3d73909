#include "et/DayTerms.h"

#include <gtest/gtest.h>

#include <optional>

#include "base/ArithmeticError.h"
#include "et/SolarGeometry.h"

namespace etp {
namespace {

// The formula's value, or none where it throws.
template <typename Formula>
std::optional<double> ValueOf(Formula&& formula)
{
    try {
        return formula();
    } catch (const ArithmeticError&) {
        return std::nullopt;
    }
}

// The station's table holds, for every day of the year, exactly what the formulas give; a day
// without a value (polar day or night at 70°) throws as they do, and a site at another
// latitude is not read from the table.
TEST(StationTerms, GivesTheFormulasValueOnEveryDay)
{
    for (const float latitude : {44.5F, 70.0F}) {
        const StationTerms station(latitude, 120);
        int refused = 0;
        for (float month = 1; month <= 12; ++month)
            for (float day = 1; day <= 31; ++day) {
                const SiteDay S{.Altitude = 120, .Latitude = latitude, .Month = month, .Day = day, .Year = 2001};
                const auto Ra = ValueOf([&] { return ExtraterrestrialRadiation(S); });
                const auto N = ValueOf([&] { return DaylightHours(S); });
                refused += Ra ? 0 : 1;
                EXPECT_EQ(ValueOf([&] { return station.ExtraterrestrialRadiation(S); }), Ra) << day << '/' << month;
                EXPECT_EQ(ValueOf([&] { return station.DaylightHours(S); }), N) << day << '/' << month;
            }
        EXPECT_EQ(refused > 0, latitude == 70.0F) << latitude;
        const SiteDay elsewhere{.Altitude = 120, .Latitude = 10, .Month = 6, .Day = 21, .Year = 2001};
        EXPECT_EQ(station.ExtraterrestrialRadiation(elsewhere), ExtraterrestrialRadiation(elsewhere));
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
