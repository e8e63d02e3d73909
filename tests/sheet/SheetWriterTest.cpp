#include "sheet/SheetWriter.h"

#include <gtest/gtest.h>

#include <tuple>

namespace etp {

namespace {

void Add(SheetWriter& writer, std::initializer_list<std::tuple<int, int, const char*>> cells)
{
    for (const auto& [row, column, text] : cells)
        ASSERT_TRUE(writer.add(static_cast<std::uint16_t>(row), static_cast<std::uint16_t>(column), text));
}

} // namespace

TEST(SheetWriter, RowsGetTheirCellsAndOtherRowsStayAsTheyWere)
{
    MeteoSheet sheet;
    sheet.setCellText(2, 5, "kept");
    SheetWriter writer(sheet);
    Add(writer, {{0, 0, "DATE"}, {0, 2, "TMAX"}, {2, 1, "x"}, {2, 3, ""}});
    EXPECT_EQ(writer.finish(), 0);
    EXPECT_EQ(sheet.blockText(1, 1, 100), "DATE\t\tTMAX");
    EXPECT_EQ(sheet.cellText(2, 5), "kept");
    EXPECT_EQ(sheet.blockText(3, 1, 100), "\tx");
    EXPECT_EQ(sheet.lastNonEmptyColumn(3), 2);
}

// Files list cells row by row, but nothing obliges them to.
TEST(SheetWriter, OrderDoesNotMatterAndTheLaterOfTwoWins)
{
    MeteoSheet sheet;
    SheetWriter writer(sheet);
    Add(writer, {{5, 0, "e"}, {0, 3, "c"}, {5, 1, "f"}, {5, 0, "E"}, {0, 0, "a"}, {0, 3, "C"}, {0, 1, "b"}});
    writer.finish();
    EXPECT_EQ(sheet.blockText(1, 1, 100), "a\tb\t\tC");
    EXPECT_EQ(sheet.blockText(6, 1, 100), "E\tf");
    EXPECT_EQ(sheet.lastNonEmptyRow(), 6);
}

TEST(SheetWriter, NothingIsWrittenBeforeTheRowEndsOrTheWriterFinishes)
{
    MeteoSheet sheet;
    SheetWriter writer(sheet);
    Add(writer, {{0, 0, "a"}, {0, 1, "b"}});
    EXPECT_EQ(sheet.lastNonEmptyRow(), 0);
    Add(writer, {{1, 0, "c"}});
    EXPECT_EQ(sheet.blockText(1, 1, 100), "a\tb");
    writer.finish();
    EXPECT_EQ(sheet.cellText(2, 1), "c");
}

TEST(SheetWriter, ColumnsBeyondTheSheetAreCountedOnce)
{
    MeteoSheet sheet;
    SheetWriter writer(sheet);
    for (int row = 0; row < 3; ++row) Add(writer, {{row, 99, "last kept"}, {row, 100, "dropped"}, {row, 65535, "dropped"}});
    EXPECT_EQ(writer.finish(), 2);
    EXPECT_EQ(sheet.cellText(3, 100), "last kept");
    EXPECT_EQ(sheet.columnCount(), 100);
}

// A budget refuses the cell that would pass it, not the ones before.
TEST(SheetWriter, TextBeyondTheBudgetIsRefused)
{
    MeteoSheet sheet;
    SheetWriter writer(sheet, 10);
    Add(writer, {{0, 0, "12345"}, {0, 1, "12345"}});
    EXPECT_FALSE(writer.add(0, 2, "1"));
    EXPECT_TRUE(writer.add(0, 150, std::string(100, 'x'))); // a dropped column keeps no text
    writer.finish();
    EXPECT_EQ(sheet.blockText(1, 1, 100), "12345\t12345");
}

} // namespace etp

namespace etp {

// Coming back to a long row many times must not move the row's text each time: a
// file of a few hundred kilobytes could otherwise keep the import busy for hours.
TEST(SheetWriter, ReturningToWrittenRowsCostsOnePassPerRow)
{
    MeteoSheet sheet;
    SheetWriter writer(sheet);
    const std::string wide(30000, 'w');
    for (std::uint16_t c = 1; c < 100; ++c) ASSERT_TRUE(writer.add(0, c, wide)); // 3 MB in row 1
    for (int i = 0; i < 100000; ++i) {
        ASSERT_TRUE(writer.add(static_cast<std::uint16_t>(i % 2), 0, i % 2 ? "odd" : "even"));
    }
    writer.finish();
    EXPECT_EQ(sheet.cellText(1, 1), "even");
    EXPECT_EQ(sheet.cellText(1, 99), wide);
    EXPECT_EQ(sheet.cellText(2, 1), "odd");
}

} // namespace etp
