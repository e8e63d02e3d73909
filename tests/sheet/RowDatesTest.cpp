#include "sheet/RowDates.h"

#include <gtest/gtest.h>

#include "support/SheetBuilder.h"

namespace etp {

// Year and day of year: 2020 is a leap year (day 60 is 29 February, 366 is 31 December),
// 2019 is not (day 366 is none). Parts that make no date come back as they stand.
TEST(RowDates, YearAndDayOfYear)
{
    const MeteoSheet sheet = testing::SheetOf({"YEAR\tDOY", "2020\t60", "2020\t366", "2019\t366", "2019\t0", "1998\t1.5",
                                               "98\t32", "\t5"});
    ColumnMap columns = testing::BoxesOf({"0"});
    columns.set(ColumnBox::Year, "1");
    columns.set(ColumnBox::Doy, "2");
    const RowDates dates(sheet, columns);
    ASSERT_EQ(dates.form(), DateForm::YearDayOfYear);
    const char* expected[] = {"29/02/2020", "31/12/2020", "2019 / 366", "2019 / 0", "1998 / 1.5", "01/02/98", " / 5"};
    for (int r = 2; r <= 8; ++r) EXPECT_EQ(dates.text(r), expected[r - 2]) << r;
    EXPECT_EQ(DateParts(dates.text(7))->Year, 1998);
}

// Year, month and day beat day of year; a date column beats both.
TEST(RowDates, YearMonthDayAndTheDateColumn)
{
    const MeteoSheet sheet = testing::SheetOf({"DATE\tYEAR\tMONTH\tDAY\tDOY", "x\t2019\t2\t28\t1", "y\t2019\t2\t29\t1"});
    ColumnMap parts = testing::BoxesOf({"0"});
    parts.set(ColumnBox::Year, "2");
    parts.set(ColumnBox::Month, "3");
    parts.set(ColumnBox::Day, "4");
    parts.set(ColumnBox::Doy, "5");
    const RowDates byParts(sheet, parts);
    EXPECT_EQ(byParts.form(), DateForm::YearMonthDay);
    EXPECT_EQ(byParts.text(2), "28/02/2019");
    EXPECT_EQ(byParts.text(3), "2019 / 2 / 29");
    parts.set(ColumnBox::Date, "1");
    EXPECT_EQ(RowDates(sheet, parts).text(2), "x");
    parts.set(ColumnBox::Date, "0");
    parts.set(ColumnBox::Year, "?");
    EXPECT_EQ(RowDates(sheet, parts).form(), DateForm::None);
    EXPECT_EQ(parts.daysColumn(), 0);
}

} // namespace etp
