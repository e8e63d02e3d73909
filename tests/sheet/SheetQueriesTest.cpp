#include "sheet/SheetQueries.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>
#include "support/SheetBuilder.h"

namespace etp {

namespace {

MeteoSheet StationSheet(int days)
{
    MeteoSheet sheet;
    testing::SetRow(sheet, 1, "DATE\tTMIN\tTMAX\tRHMIN\tRHMAX\tRAD\tWIND\tELIOF\tRAIN");
    for (int r = 2; r <= days + 1; ++r) testing::SetRow(sheet, r, "01/01/95\t1\t2\t3\t4\t5\t6\t7\t8");
    return sheet;
}

ColumnMap DateIn(const char* text)
{
    ColumnMap columns;
    columns.text[ColumnBox::Date] = text;
    return columns;
}

} // namespace

TEST(LastDataRow, EndsAtTheFirstEmptyDateCell)
{
    MeteoSheet sheet = StationSheet(200);
    sheet.setCellText(100, 1, "");
    EXPECT_EQ(LastDataRow(sheet, DateIn("1")), 99);
    EXPECT_EQ(LastDataRow(sheet, DateIn("0")), 0);
    EXPECT_EQ(LastDataRow(sheet, DateIn("12")), 0); // empty title
    MeteoSheet titleOnly;
    titleOnly.setCellText(1, 1, "DATE");
    EXPECT_EQ(LastDataRow(titleOnly, DateIn("1")), 1);
}

// Empty titles before the last count; an empty title row still counts one column.
TEST(UsedColumnCount, CountsEmptyTitlesBeforeTheLast)
{
    MeteoSheet sheet;
    EXPECT_EQ(UsedColumnCount(sheet), 1);
    sheet.setCellText(1, 4, "X");
    EXPECT_EQ(UsedColumnCount(sheet), 4);
}

// The first title holding PRE, PIO or RAI, upper-cased, within thirty columns.
TEST(FindRainColumn, FirstMatchUpperCasedWithinThirtyColumns)
{
    const std::pair<std::vector<std::pair<int, const char*>>, int> cases[] = {
        {{{4, "PRESSURE"}, {9, "RAIN"}}, 4}, {{{3, "pioggia"}}, 3}, {{{30, "rain"}}, 30}, {{{31, "RAIN"}}, 0}};
    for (const auto& [titles, expected] : cases) {
        MeteoSheet sheet;
        for (const auto& [column, title] : titles) sheet.setCellText(1, column, title);
        EXPECT_EQ(FindRainColumn(sheet), expected) << titles.front().second;
    }
}

} // namespace etp
