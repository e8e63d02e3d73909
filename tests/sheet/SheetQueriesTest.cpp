#include "sheet/SheetQueries.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace etp {

// The data end at the first empty date cell; no date column, or an empty one, gives 0.
TEST(LastDataRow, EndsAtTheFirstEmptyDateCell)
{
    const auto dateIn = [](const char* text) {
        ColumnMap columns;
        columns.set(ColumnBox::Date, text);
        return columns;
    };
    MeteoSheet sheet;
    sheet.setCellText(1, 1, "DATE");
    EXPECT_EQ(LastDataRow(sheet, dateIn("1")), 1);
    for (int r = 2; r <= 200; ++r) sheet.setCellText(r, 1, "01/01/95");
    sheet.setCellText(100, 1, "");
    EXPECT_EQ(LastDataRow(sheet, dateIn("1")), 99);
    EXPECT_EQ(LastDataRow(sheet, dateIn("0")), 0);
    EXPECT_EQ(LastDataRow(sheet, dateIn("12")), 0);
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
