// Every term and method on the worked example day, against the values printed with it
// (tolerance half a unit of the last printed digit), and the days each one refuses.
#include <gtest/gtest.h>

#include <utility>

#include "base/Refusal.h"
#include "et/CombinationMethods.h"
#include "et/DayTerms.h"
#include "et/Fao24Terms.h"
#include "et/Fao56Terms.h"
#include "et/OtherMethods.h"
#include "et/PenMon.h"
#include "et/SolarGeometry.h"
#include "et/WorkedExample.h"

namespace etp {
namespace {

using Term = double (*)(const DailyWeather&, const SiteDay&);

// The expression as its name, and as a function of the day's two records and their terms.
#define TERM(expr) #expr, []([[maybe_unused]] const DailyWeather& D, [[maybe_unused]] const SiteDay& S) { \
    [[maybe_unused]] DayTerms day(D, S);                                                                  \
    [[maybe_unused]] double previous = 20;                                                                \
    return static_cast<double>(expr);                                                                      \
}

TEST(WorkedExample, EveryTermAndMethod)
{
    struct Case { const char* name; Term term; double expected, tolerance; };
    const Case cases[] = {
        {TERM(VapourPressureDeficitMbar(D)), 8.1840, 5e-5},
        {TERM(NetShortwaveFao24(D)), 6.7320, 5e-5},
        {TERM(NetLongwaveFao24(day)), 1.6840, 5e-5},
        {TERM(WeightingFactor(D, S)), 0.68696, 5e-6},
        {TERM(WindFunction(D)), 0.73656, 5e-6},
        {TERM(AdjustmentFactor(D)), 1.06949, 5e-6},
        {TERM(day.NetLongwaveFao56()), 1.5137, 5e-5},
        {TERM(PsychrometricConstant(S.Altitude)), 0.066556, 5e-7},
        {TERM(DaylightHours(S)), 15.4274, 5e-5},
        {TERM(ExtraterrestrialRadiation(S)), 41.9105, 5e-5},
        {TERM(PenFao(day)), 5.7269, 5e-5},
        {TERM(PenFaoNoCorrection(day)), 5.4718, 5e-5},
        {TERM(PenFaoRadiation(day)), 5.8520, 5e-5},
        {TERM(PriestleyTaylor(day)), 4.5168, 5e-5},
        {TERM(PenMon(day, previous)), 4.9905, 5e-5}, // yesterday's mean 20 °C: G = 0
        {TERM(Hargreaves(day, HargreavesCoefficients{})), 5.9465, 5e-5},
        {TERM(Turc(D, S)), 4.3055, 5e-5},
        {TERM(PotentialRadiation(day)), 41.91, 5e-3}, // MJ m-2 d-1, not 17.10 mm
    };
    for (const auto& c : cases)
        EXPECT_NEAR(c.term(test::WorkedExampleWeather(), test::WorkedExampleSite()), c.expected, c.tolerance) << c.name;
}

// No sunset hour angle at 89°N on 21 June; T = -237.3 (the 32-bit value misses the
// pole of 1 / (T + 237.3) by 3e-6, so exp overflows); negative humidities leave no square
// root of the vapour pressure (above 45 km no pressure: tests/et/DayTermsTest); a negative
// temperature range has no square root.
TEST(WorkedExample, RefusedDays)
{
    const DailyWeather worked = test::WorkedExampleWeather();
    const SiteDay site = test::WorkedExampleSite();
    DailyWeather cold = worked, negativeHumidity = worked, inverted = worked;
    cold.Tmin = cold.Tmax = ToSingle(-237.3);
    negativeHumidity.RHmax = negativeHumidity.RHmin = -10;
    std::swap(inverted.Tmin, inverted.Tmax);
    struct Case { const char* name; Term term; DailyWeather D; SiteDay S; };
    const Case cases[] = {
        {TERM(DaylightHours(S)), worked, test::PolarDay()},
        {TERM(PenMon(day, previous)), cold, site},
        {TERM(NetLongwaveFao24(day)), negativeHumidity, site},
        {TERM(day.NetLongwaveFao56()), negativeHumidity, site},
        {TERM(Hargreaves(day, HargreavesCoefficients{})), inverted, site},
    };
    for (const auto& c : cases)
        EXPECT_THROW((void)c.term(c.D, c.S), ArithmeticError) << c.name << " at " << c.S.Latitude << "°, T " << c.D.Tmin;
}

#undef TERM

} // namespace
} // namespace etp
