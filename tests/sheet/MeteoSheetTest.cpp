#include "sheet/MeteoSheet.h"

#include <gtest/gtest.h>

namespace etp {

TEST(MeteoSheet, StartsWithThirtyColumnsAnd32000EmptyRows)
{
    const MeteoSheet sheet;
    EXPECT_EQ(sheet.rowCount(), 32000);
    EXPECT_EQ(sheet.columnCount(), 30);
    EXPECT_EQ(sheet.cellText(32000, 30), "");
    EXPECT_EQ(sheet.lastNonEmptyRow(), 0);
    // Most cells are empty: a new sheet must not cost what 960,000 strings cost.
    EXPECT_LT(sheet.memoryBytes(), 64u * 1024);
}

TEST(MeteoSheet, ColumnZeroAndOutsideReadEmpty)
{
    MeteoSheet sheet;
    EXPECT_FALSE(sheet.setCellText(5, 0, "x"));
    EXPECT_FALSE(sheet.setCellText(0, 5, "x"));
    EXPECT_EQ(sheet.cellText(5, 0), "");
    EXPECT_EQ(sheet.cellText(-1, 3), "");
    EXPECT_EQ(sheet.cellText(40000, 3), "");
}

TEST(MeteoSheet, GrowsRowsAndColumnsUpToOneHundred)
{
    MeteoSheet sheet;
    EXPECT_TRUE(sheet.setCellText(50000, 45, "late"));
    EXPECT_EQ(sheet.rowCount(), 50000);
    EXPECT_EQ(sheet.columnCount(), 45);
    EXPECT_EQ(sheet.cellText(50000, 45), "late");
    EXPECT_FALSE(sheet.setCellText(1, 101, "x"));
    EXPECT_EQ(sheet.columnCount(), 45);
}

TEST(MeteoSheet, BlockTextEndsAtTheLastNonEmptyCell)
{
    MeteoSheet sheet;
    sheet.setBlockText(1, 1, 100, "DATE\t\tTMAX\t\t");
    EXPECT_EQ(sheet.blockText(1, 1, 100), "DATE\t\tTMAX");
    EXPECT_EQ(sheet.blockText(2, 1, 100), "");
    EXPECT_EQ(sheet.blockText(1, 2, 100), "\tTMAX");
    EXPECT_EQ(sheet.lastNonEmptyColumn(1), 3);
}

TEST(MeteoSheet, SetBlockTextDropsAndCountsFieldsBeyondTheRange)
{
    MeteoSheet sheet;
    EXPECT_EQ(sheet.setBlockText(1, 1, 2, "a\tb\tc\t\td"), 2); // c and d; the empty field loses nothing
    EXPECT_EQ(sheet.cellText(1, 2), "b");
    EXPECT_EQ(sheet.cellText(1, 3), "");
}

TEST(MeteoSheet, EmptyingCellsFreesRowsAndKeepsCounts)
{
    MeteoSheet sheet;
    sheet.setBlockText(3, 1, 100, "a\tb\tc");
    sheet.setCellText(3, 3, "");
    EXPECT_EQ(sheet.lastNonEmptyColumn(3), 2);
    sheet.clearBlock(1, 1, sheet.rowCount(), sheet.columnCount());
    EXPECT_EQ(sheet.lastNonEmptyRow(), 0);
    EXPECT_EQ(sheet.rowCount(), 32000);
    EXPECT_EQ(sheet.columnCount(), 30);
}

TEST(MeteoSheet, ClearBlockLeavesCellsOutsideTheRectangle)
{
    MeteoSheet sheet;
    sheet.setBlockText(2, 1, 100, "a\tb\tc");
    sheet.setBlockText(3, 1, 100, "d\te\tf");
    sheet.clearBlock(2, 2, 2, 3);
    EXPECT_EQ(sheet.blockText(2, 1, 100), "a");
    EXPECT_EQ(sheet.blockText(3, 1, 100), "d\te\tf");
}

TEST(MeteoSheet, CaptionsAreRowZero)
{
    MeteoSheet sheet;
    sheet.setCaption(7, "7");
    EXPECT_EQ(sheet.cellText(0, 7), "7");
    EXPECT_EQ(sheet.caption(31), "");
}

} // namespace etp

namespace etp {

TEST(MeteoSheet, SetRowCellsReplacesTheWholeRow)
{
    MeteoSheet sheet;
    sheet.setBlockText(2, 1, 100, "old\tcells\there\ttoo");
    const std::string_view cells[] = {"a", "", "c\td", ""};
    EXPECT_EQ(sheet.setRowCells(2, cells), 0);
    EXPECT_EQ(sheet.cellText(2, 3), "c\td"); // a TAB inside a cell stays in the cell
    EXPECT_EQ(sheet.cellText(2, 4), "");
    EXPECT_EQ(sheet.lastNonEmptyColumn(2), 3);

    EXPECT_EQ(sheet.setRowCells(2, {}), 0);
    EXPECT_EQ(sheet.lastNonEmptyRow(), 0);
    EXPECT_EQ(sheet.setRowCells(0, cells), 0); // the caption row is no data row
    EXPECT_EQ(sheet.caption(1), "");
}

TEST(MeteoSheet, SetRowCellsGrowsTheSheetAndDropsBeyondOneHundred)
{
    MeteoSheet sheet;
    std::vector<std::string_view> cells(103, "x");
    cells[101] = "";
    EXPECT_EQ(sheet.setRowCells(40000, cells), 2);
    EXPECT_EQ(sheet.rowCount(), 40000);
    EXPECT_EQ(sheet.columnCount(), 100);
    EXPECT_EQ(sheet.cellText(40000, 100), "x");
}

} // namespace etp
