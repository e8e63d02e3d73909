#include "et/BlaneyCriddle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "et/Compute.h"
#include "et/DeBilt.h"
#include "et/MethodTable.h"
#include "et/SolarGeometry.h"
#include "sheet/DateParts.h"
#include "sheet/NumericValue.h"
#include "support/SheetBuilder.h"

namespace etp {
namespace {

// FAO-24 Table 1, mean daily percentage p of annual daytime hours (two figures), against
// the day in the middle of the month: within 0.006, the table's rounding and its monthly mean.
TEST(DaytimePercentage, Fao24Table1)
{
    struct Row { double latitude; std::array<double, 12> p; };
    const Row rows[] = {{0, {.27, .27, .27, .27, .27, .27, .27, .27, .27, .27, .27, .27}},
                        {30, {.24, .25, .27, .29, .31, .32, .31, .30, .28, .26, .24, .23}},
                        {40, {.22, .24, .27, .30, .32, .34, .33, .31, .28, .25, .22, .21}}};
    const int midMonth[] = {15, 46, 74, 105, 135, 166, 196, 227, 258, 288, 319, 349};
    for (const auto& [latitude, p] : rows) {
        const double annual = AnnualDaylightHours(latitude);
        for (int m = 0; m < 12; ++m)
            EXPECT_NEAR(DaytimePercentage(DaylightHours(midMonth[m], latitude), annual), p[m], 0.006)
                << latitude << "°N, month " << m + 1;
    }
}

// The adjustment written out for RHmin 40 %, n/N 0.8, Ud 2 m s-1 and f = 6 mm d-1:
// a = 0.172 - 0.8 - 1.41 = -2.038, b = 0.82 - 0.164 + 0.856 + 0.132 - 0.192 - 0.048 = 1.404,
// ET0 = -2.038 + 1.404 * 6 = 6.386. Without humidity, sunshine and wind, a = -1.41, b = 0.82.
TEST(BlaneyCriddleAdjusted, Frevert1983Regression)
{
    EXPECT_NEAR(BlaneyCriddleAdjusted(6, 40, 0.8, 2), 6.386, 1e-12);
    EXPECT_NEAR(BlaneyCriddleAdjusted(6, 0, 0, 0), -1.41 + 0.82 * 6, 1e-12);
}

// The worked day (21 June, 45°N, T = 20 °C): N = 15.42 h of 4380 in the year, p = 0.3522,
// f = 6.103; adjusted with RHmin 40, n = 10 h, 2 m s-1: 5.914. The adjustment needs all three
// columns; a missing cell of a column that is there empties the day, of one that is not, never.
TEST(BlaneyCriddle, AdjustedOnlyWithHumiditySunshineAndWindColumns)
{
    // The box set to the text, and the RH max box to its own; the date box set to "1"
    // changes nothing. Without either humidity box there is no humidity. A NaN: no value.
    struct Case { ColumnBox box; const char* text; const char* wind; double expected; const char* rhMax = "5"; };
    const Case cases[] = {{ColumnBox::Date, "1", "2", 5.914},     {ColumnBox::Sunshine, "0", "2", 6.103},
                          {ColumnBox::RHmin, "?", "2", 6.103, "?"}, {ColumnBox::Wind, "0", "", 6.103},
                          {ColumnBox::Date, "1", "", std::nan("")}};
    for (const auto& c : cases) {
        MeteoSheet sheet = testing::SheetOf({testing::kStationTitles, std::string("21/06/95\t12\t28\t40\t90\t22\t") + c.wind + "\t10\t0"});
        ColumnMap columns;
        columns = testing::FirstEightColumns();
        columns.set(c.box, c.text);
        columns.set(ColumnBox::RHmax, c.rhMax);
        UnitSelection units;
        units.select(UnitKind::Wind, "m s^-1");
        const StationValues station{45, 100, 2};
        MethodSelection methods;
        methods.checked[Method::BlaneyCriddle] = true;
        double previous = 0;
        Compute(sheet, ComputeSettings{columns, units, station, methods, HargreavesCoefficients{}, EstimateSettings{}}, previous);
        const auto cell = MeasuredValue(sheet.cellText(2, 10));
        if (std::isnan(c.expected)) {
            EXPECT_FALSE(cell) << "wind missing";
        } else {
            ASSERT_TRUE(cell) << Index(c.box) << " " << c.text;
            EXPECT_NEAR(*cell, c.expected, 0.006) << Index(c.box) << " " << c.text;
        }
    }
}

// De Bilt 2018 against the equations written out here, wind brought from 10 to 2 m by
// FAO-56 Eq. 47 and taken as the daytime wind: monthly sums within 1 %; the regression's
// days below 0 count 0.
TEST(BlaneyCriddle, DeBilt2018MonthlySums)
{
    if (!std::filesystem::exists(test::kDeBilt)) GTEST_SKIP() << "no shared station data";
    MeteoSheet sheet = test::DeBiltSheet();
    const test::DeBiltSettings deBilt;
    const auto& [columns, units, station] = deBilt;
    MethodSelection methods;
    methods.checked[Method::BlaneyCriddle] = true;
    double previous = 0;
    ASSERT_TRUE(Compute(sheet, ComputeSettings{columns, units, station, methods, HargreavesCoefficients{}, EstimateSettings{}}, previous).done());

    double annualN = 0;
    for (int J = 1; J <= 365; ++J) annualN += test::DaylightHoursOf(J, test::kDeBiltLatitude);
    std::array<double, 12> expected{}, computed{};
    int zeros = 0;
    for (int r = 2, J = 1; r <= sheet.lastNonEmptyRow(); ++r, ++J) {
        const auto field = [&](int c) { return std::stod(std::string(sheet.cellText(r, c))); };
        const int m = DateParts(sheet.cellText(r, 1))->Month - 1;
        const double N = test::DaylightHoursOf(J, test::kDeBiltLatitude);
        const double f = 100 * N / annualN * (0.46 * (field(2) + field(3)) / 2 + 8.13);
        const double RHmin = field(4), nN = field(8) / N, Ud = field(7) * 4.87 / std::log(67.8 * 10 - 5.42);
        const double b = 0.82 - 0.0041 * RHmin + 1.07 * nN + 0.066 * Ud - 0.006 * RHmin * nN - 0.0006 * RHmin * Ud;
        const double ET0 = std::max(0.0, 0.0043 * RHmin - nN - 1.41 + b * f); // cold days give 0
        expected[m] += ET0;
        computed[m] += NumericValue(sheet.cellText(r, 10));
        zeros += ET0 == 0;
    }
    for (int m = 0; m < 12; ++m) EXPECT_NEAR(computed[m], expected[m], 0.01 * expected[m]) << "month " << m + 1;
    EXPECT_GT(zeros, 0); // the winter's cold days

}

} // namespace
} // namespace etp
