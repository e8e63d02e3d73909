#include "et/Thornthwaite.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "et/Compute.h"
#include "et/DeBilt.h"
#include "et/MethodTable.h"
#include "sheet/DateParts.h"
#include "sheet/NumericValue.h"
#include "support/SheetBuilder.h"

namespace etp {
namespace {

using testing::SheetOf;

// Thornthwaite (1948), Appendix: the lines of every station meet at 26.5 °C, where the
// unadjusted PET is 13.5 cm a month whatever the heat index (the formula's fit keeps to
// about 1 mm of it for I from 25 to 125).
TEST(UnadjustedThornthwaite, EveryHeatIndexMeetsAt26Point5Degrees)
{
    for (const double I : {25.0, 50.0, 75.0, 100.0, 125.0})
        EXPECT_NEAR(UnadjustedThornthwaite(26.5, I, ThornthwaiteExponent(I)), 135, 1) << "I = " << I;
    // Months at or below 0 °C add nothing to I and evaporate nothing.
    for (const double T : {0.0, -4.0}) {
        EXPECT_EQ(MonthlyHeatIndex(T), 0);
        EXPECT_EQ(UnadjustedThornthwaite(T, 50, ThornthwaiteExponent(50)), 0);
    }
}

// Monthly means skip the days without both temperatures; a year short of months says so.
TEST(BuildThornthwaiteYears, MeansOfTheDaysWithTemperatures)
{
    const MeteoSheet sheet = SheetOf({testing::kStationTitles, "30/11/95\t2\t8", "01/12/95\t-9999\t8", "02/12/95\t-6\t0",
                                      "03/12/95\t-2\t0", "04/12/95\t\t3"});
    ColumnMap columns;
    columns = testing::FirstEightColumns();
    const ThornthwaiteYears years = BuildThornthwaiteYears(sheet, columns);
    ASSERT_EQ(years.size(), 1u);
    const ThornthwaiteYear& y = years.at(1995);
    EXPECT_EQ(y.months(), 2);
    EXPECT_EQ(*y.T[10], 5);
    EXPECT_EQ(*y.T[11], -2); // the means -3 and -1
    EXPECT_EQ(y.I, 1); // (5 / 5)^1.514; December adds nothing
    EXPECT_EQ(ThornthwaiteNotes(years), "Thornt.: 1995 has 2 months of temperatures; its heat index uses those months");
}

// De Bilt 2018 against the equations written out here: monthly sums within 1 %.
TEST(Thornthwaite, DeBilt2018MonthlySums)
{
    if (!std::filesystem::exists(test::kDeBilt)) GTEST_SKIP() << "no shared station data";
    MeteoSheet sheet = test::DeBiltSheet();
    ColumnMap columns;
    columns = testing::FirstEightColumns();
    UnitSelection units;
    const StationValues station{52.1, 1.9, 10};
    MethodSelection methods;
    methods.checked[Method::Thornthwaite] = true;
    double previous = 0;
    const Outcome outcome =
        Compute(sheet, ComputeSettings{columns, units, station, methods, HargreavesCoefficients{}, EstimateSettings{}}, previous);
    ASSERT_TRUE(outcome.done());
    EXPECT_EQ(outcome.message, "");

    std::array<double, 12> Tsum{}, days{};
    for (int r = 2; r <= sheet.lastNonEmptyRow(); ++r) {
        const int m = DateParts(sheet.cellText(r, 1))->Month - 1;
        Tsum[m] += (std::stod(std::string(sheet.cellText(r, 2))) + std::stod(std::string(sheet.cellText(r, 3)))) / 2;
        ++days[m];
    }
    double I = 0;
    for (int m = 0; m < 12; ++m) I += std::pow(std::max(Tsum[m] / days[m], 0.0) / 5, 1.514);
    const double a = 6.75e-7 * std::pow(I, 3) - 7.71e-5 * I * I + 1.792e-2 * I + 0.49239;
    std::array<double, 12> expected{}, computed{};
    for (int r = 2, J = 1; r <= sheet.lastNonEmptyRow(); ++r, ++J) {
        const int m = DateParts(sheet.cellText(r, 1))->Month - 1;
        const double T = Tsum[m] / days[m];
        expected[m] += T > 0 ? 16 * std::pow(10 * T / I, a) / 30 * test::DaylightHoursOf(J, test::kDeBiltLatitude) / 12 : 0;
        computed[m] += NumericValue(sheet.cellText(r, 10));
    }
    for (int m = 0; m < 12; ++m) EXPECT_NEAR(computed[m], expected[m], 0.01 * expected[m]) << "month " << m + 1;
}

} // namespace
} // namespace etp
