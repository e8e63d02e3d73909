#include "et/MonthlyTable.h"

#include <gtest/gtest.h>

#include "support/SheetBuilder.h"

namespace etp {

TEST(BuildMonthlyTemperatureRange, MeansOfEachMonthFromTheFirstYearSkippingUnreadableRows)
{
    ColumnMap columns;
    columns.text = {"1", "2", "3"}; // DATE, T min, T max
    const MeteoSheet sheet = testing::SheetOf({"DATE\tTMIN\tTMAX", "30/03/95\t0\t10", "31/03/95\t2\t8", "01/04/95\t1\t2",
                                               "01/01/96\t-5\t-1", "02/01/96\t-5\t0"});
    MonthlyTemperatureRange table;
    BuildMonthlyTemperatureRange(sheet, columns, table);
    EXPECT_EQ(table.FirstYear, 1995);
    EXPECT_EQ(table.entry[2], 0); // February of the first year has no rows
    EXPECT_EQ(table.entry[3], 8);  // (10 + 6) / 2
    EXPECT_EQ(table.entry[4], 1);
    EXPECT_EQ(table.entry[13], 4.5); // the last row's month counts too

    // Unreadable rows are skipped, split months averaged, and every build starts empty.
    BuildMonthlyTemperatureRange(testing::SheetOf({"DATE\tTMIN\tTMAX", "01/05/95\t10\t20", "02/05/95\t\t30",
                                                   "03/05/95\t12,5\t30", "not a date\t0\t99", "01/06/95\t10\t14",
                                                   "04/05/95\t10\t16", "01/01/1800\t0\t50"}),
                                 columns, table);
    EXPECT_EQ(table.entry[3], 0);
    EXPECT_EQ(table.entry[5], 8); // (10 + 6) / 2: the May rows on both sides of June
    EXPECT_EQ(table.entry[6], 4);

    BuildMonthlyTemperatureRange(testing::SheetOf({"DATE\tTMIN\tTMAX"}), columns, table); // no days
    EXPECT_EQ(table.entry[5], 0);
}

} // namespace etp
