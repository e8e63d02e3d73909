#include "et/MonthlyTable.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <limits>

#include "base/Refusal.h"
#include "base/ToSingle.h"
#include "support/SheetBuilder.h"

namespace etp {

TEST(BuildMonthlyTemperatureRange, MeansOfEachMonthFromTheFirstYearSkippingUnreadableRows)
{
    ColumnMap columns;
    columns = testing::BoxesOf({"1", "2", "3"}); // DATE, T min, T max
    const MeteoSheet sheet = testing::SheetOf({"DATE\tTMIN\tTMAX", "30/03/95\t0\t10", "31/03/95\t2\t8", "01/04/95\t1\t2",
                                               "01/01/96\t-5\t-1", "02/01/96\t-5\t0"});
    MonthlyTemperatureRange table;
    BuildMonthlyTemperatureRange(sheet, columns, table);
    EXPECT_EQ(table.FirstYear, 1995);
    EXPECT_EQ(table.entry[2], 0); // February of the first year has no rows
    EXPECT_EQ(table.entry[3], 8);  // (10 + 6) / 2
    EXPECT_EQ(table.entry[4], 1);
    EXPECT_EQ(table.entry[13], 4.5); // the last row's month counts too

    // Rows without a date or a measurement (empty, a text, a logger's -999 or -9999) are
    // skipped, split months averaged, and every build starts empty.
    BuildMonthlyTemperatureRange(testing::SheetOf({"DATE\tTMIN\tTMAX", "01/05/95\t10\t20", "02/05/95\t\t30",
                                                   "03/05/95\t-999\t30", "05/05/95\tn.d.\t30", "06/05/95\t10\t-9999",
                                                   "not a date\t0\t99", "01/06/95\t10\t14",
                                                   "04/05/95\t10\t16", "01/01/1800\t0\t50"}),
                                 columns, table);
    EXPECT_EQ(table.entry[3], 0);
    EXPECT_EQ(table.entry[5], 8); // (10 + 6) / 2: the May rows on both sides of June
    EXPECT_EQ(table.entry[6], 4);

    BuildMonthlyTemperatureRange(testing::SheetOf({"DATE\tTMIN\tTMAX"}), columns, table); // no days
    EXPECT_EQ(table.entry[5], 0);
}

// Table of a sheet starting in 1998: entry i holds i + 0.5 so that every index is visible.
// Only the hundred years from December before the first year are held.
TEST(MonthlyMeanRange, ReadsTheEntryOfTheMonth)
{
    MonthlyTemperatureRange table;
    table.FirstYear = 1998;
    for (std::size_t i = 0; i < table.entry.size(); ++i) table.entry[i] = ToSingle(double(i) + 0.5);
    struct Case { float year, month, entry; };
    const Case cases[] = {
        {1997, 12, 0.5}, {2097, 12, 1200.5}, // December before FirstYear, last month of the hundredth year
        {1998, 2.5, 2.5}, {1998, 3.5, 4.5},  // halves round to even
    };
    for (const auto& c : cases) {
        const SiteDay S{.Month = c.month, .Day = 15, .Year = c.year};
        EXPECT_EQ(MonthlyMeanRange(table, S), c.entry) << c.month << '/' << c.year;
    }
    const SiteDay outside[] = {{.Month = 11, .Day = 30, .Year = 1997}, {.Month = 1, .Day = 1, .Year = 2098},
                               {.Month = 1, .Day = 1, .Year = std::numeric_limits<float>::quiet_NaN()}};
    for (const auto& S : outside)
        EXPECT_THROW((void)MonthlyMeanRange(table, S), ArithmeticError) << S.Month << '/' << S.Year;
}

} // namespace etp
