#include "et/CombinationMethods.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <tuple>

#include "et/Compute.h"
#include "et/Estimates.h"
#include "et/Fao56Terms.h"
#include "et/MethodTable.h"
#include "et/PenMon.h"
#include "et/SolarGeometry.h"
#include "et/WorkedExample.h"
#include "sheet/DateParts.h"
#include "et/DeBilt.h"

namespace etp {
namespace {

using DayMethod = double (*)(DayTerms&);

double ResultOf(DayMethod method, const DailyWeather& D, const SiteDay& S)
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
    for (const DayMethod method : {PenFao, PenFaoNoCorrection, PenFaoRadiation}) EXPECT_LT(ResultOf(method, D, S), -0.25);
    EXPECT_EQ(ResultOf(PriestleyTaylor, DailyWeather{.Tmin = -236, .Tmax = -236, .RHmax = 50, .RHmin = 50}, S), 0);
}

// FAO-56 Example 17 (Brussels, 6 July, 50°48'N, n = 9.25 h): Ra = 41.09 and N = 16.1, and
// Angstrom's Rs = (0.25 + 0.50 n/N) Ra = 22.07 MJ m-2 d-1 as the book prints them.
// "PFAOsun" takes that radiation and reads no radiation column: it is "PenFAO" on the
// day with the radiation estimated from the sunshine by the default coefficients.
TEST(CombinationMethods, SunshineRadiationAsFao56Example17)
{
    const SiteDay brussels{.Altitude = 100, .Latitude = ToSingle(50.8), .Month = 7, .Day = 6, .Year = 2015};
    const double Ra = ExtraterrestrialRadiation(brussels);
    const double N = DaylightHoursFao56(DayOfYear(brussels), brussels.Latitude);
    EXPECT_NEAR(Ra, 41.09, 0.005);
    EXPECT_NEAR(N, 16.1, 0.05);
    EXPECT_NEAR(RadiationFromSunshine(9.25, N, Ra, {}), 22.07, 0.005);

    DailyWeather D = test::WorkedExampleWeather();
    const SiteDay S = test::WorkedExampleSite();
    DailyWeather estimated = D;
    estimated.Radiation = ToSingle(RadiationFromSunshine(D.Sunshine, DaylightHoursFao56(DayOfYear(S), S.Latitude),
                                                         ExtraterrestrialRadiation(S), {}) * 0.408);
    const double sunshine = ResultOf(PenFaoSunshine, D, S);
    EXPECT_EQ(sunshine, ResultOf(PenFao, estimated, S));
    for (const float radiation : {0.0F, 30.0F}) {
        D.Radiation = radiation;
        EXPECT_EQ(ResultOf(PenFaoSunshine, D, S), sunshine) << radiation;
    }
}

// FAO-56 Example 15 (Lyon, July, Tmax 26.6 and Tmin 14.8 °C, Ra 40.6): Rs = 0.16 sqrt(26.6 -
// 14.8) Ra = 22.3 MJ m-2 d-1. "P-T extrad" takes that radiation from the month's mean range,
// and ea = e0(Tmin): it is "P-T" on a day whose radiation is the estimate and whose humidity
// gives e0(Tmin), whatever the day's own radiation and humidity.
TEST(CombinationMethods, TemperatureRangeRadiationAsFao56Example15)
{
    EXPECT_NEAR(RadiationFromTemperatureRange(14.8, 26.6, 40.6, {}), 22.3, 0.05);

    const SiteDay S = test::WorkedExampleSite();
    MonthlyTemperatureRange table;
    table.FirstYear = 2015;
    table.entry[6] = 12.5; // June's mean range, not the day's 16 °C
    for (const double krs : {0.16, 0.19}) {
        DailyWeather asPriestleyTaylor = test::WorkedExampleWeather();
        EstimateSettings coefficient;
        coefficient.krs = krs;
        const double Rs = RadiationFromTemperatureRange(0, 12.5, ExtraterrestrialRadiation(S), coefficient); // [MJ m-2 d-1]
        asPriestleyTaylor.Radiation = ToSingle(Rs * 0.408);
        asPriestleyTaylor.RHmax = 100;
        asPriestleyTaylor.RHmin = ToSingle(100 * SaturationVapourPressure(12) / SaturationVapourPressure(28));
        const double expected = ResultOf(PriestleyTaylor, asPriestleyTaylor, S);
        for (const auto& [radiation, rhMin, rhMax] : {std::tuple{ToSingle(22 * 0.408), 40.0F, 90.0F}, {0.0F, 100.0F, 100.0F}}) {
            DailyWeather D = test::WorkedExampleWeather();
            D.Radiation = radiation;
            D.RHmin = rhMin;
            D.RHmax = rhMax;
            DayTerms day(D, S);
            EXPECT_NEAR(PriestleyTaylorExtrad(day, table, krs), expected, 1e-5) << "kRs " << krs << ", RH min " << rhMin;
        }
    }
}

// De Bilt 2018 (52.1°N, 1.9 m, wind at 10 m): every day's "PFAOsun" is the "PenFAO" that
// Compute gives once the radiation column is taken away and estimated from the sunshine.
TEST(CombinationMethods, SunshineMethodOnDeBilt2018IsPenFaoOnEstimatedRadiation)
{
    if (!std::filesystem::exists(test::kDeBilt)) GTEST_SKIP() << "no shared station data";
    const test::DeBiltSettings deBilt;
    const auto computed = [&](Method method, bool estimate) {
        MeteoSheet sheet = test::DeBiltSheet();
        ColumnMap columns = deBilt.columns;
        if (estimate) columns.set(ColumnBox::Radiation, "0");
        MethodSelection methods;
        methods.checked[method] = true;
        EstimateSettings estimates;
        estimates.radiation = estimate;
        double previous = 0;
        EXPECT_TRUE(Compute(sheet, ComputeSettings{columns, deBilt.units, deBilt.station, methods, {}, estimates}, previous).done());
        return sheet;
    };
    const MeteoSheet sunshine = computed(Method::PenFaoSunshine, false);
    const MeteoSheet estimated = computed(Method::PenFao, true);
    ASSERT_EQ(sunshine.cellText(1, 10), "PFAOsun");
    ASSERT_EQ(estimated.cellText(1, 10), "PenFAO");
    for (int r = 2; r <= 366; ++r) EXPECT_EQ(sunshine.cellText(r, 10), estimated.cellText(r, 10)) << "row " << r;
}

} // namespace
} // namespace etp
