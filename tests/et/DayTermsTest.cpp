#include "et/DayTerms.h"

#include <gtest/gtest.h>

#include <optional>

#include "base/Refusal.h"
#include "et/SolarGeometry.h"

namespace etp {
namespace {

// The formula's value, or none where it throws.
template <typename Formula>
std::optional<double> ValueOf(Formula&& formula)
{
    try { return formula(); } catch (const ArithmeticError&) { return std::nullopt; }
}

// The station's table holds, for every day of the year, exactly what the formulas give; a day
// without a value (polar day or night at 70°) throws as they do, and a site at another
// latitude is not read from the table. Beyond about 45 km the pressure formula has no value:
// the station holds none, and each row that asks meets the error.
TEST(StationTerms, GivesTheFormulasValueOnEveryDay)
{
    const StationTerms station(70, 120);
    int refused = 0;
    for (float month = 1; month <= 12; ++month)
        for (float day = 1; day <= 31; ++day) {
            const SiteDay S{.Altitude = 120, .Latitude = 70, .Month = month, .Day = day, .Year = 2001};
            const auto Ra = ValueOf([&] { return ExtraterrestrialRadiation(S); });
            refused += Ra ? 0 : 1;
            EXPECT_EQ(ValueOf([&] { return station.ExtraterrestrialRadiation(S); }), Ra) << day << '/' << month;
            EXPECT_EQ(ValueOf([&] { return station.DaylightHours(S); }), ValueOf([&] { return DaylightHours(S); }));
        }
    EXPECT_GT(refused, 0);
    const SiteDay elsewhere{.Altitude = 120, .Latitude = 10, .Month = 6, .Day = 21, .Year = 2001};
    EXPECT_EQ(station.ExtraterrestrialRadiation(elsewhere), ExtraterrestrialRadiation(elsewhere));

    const StationTerms high(45, 50000);
    const SiteDay S{.Altitude = 50000, .Latitude = 45, .Month = 6, .Day = 21, .Year = 2001};
    EXPECT_THROW((void)high.PsychrometricConstant(S), ArithmeticError);
    EXPECT_NO_THROW((void)high.ExtraterrestrialRadiation(S));
}

} // namespace
} // namespace etp
