#include "import/SheetWriter.h"

#include <gtest/gtest.h>

#include <tuple>
#include "support/SheetBuilder.h"

namespace etp {

// Cells go to their rows in any order, the later of two wins, other rows stay as they
// were; columns beyond the sheet are counted once each, and a cell in the last row a
// worksheet has grows the sheet to hold it.
TEST(SheetWriter, CellsInAnyOrderAndTheLaterOfTwoWins)
{
    MeteoSheet sheet;
    sheet.setCellText(2, 5, "kept");
    SheetWriter writer(sheet);
    const std::tuple<int, int, const char*> cells[] = {
        {5, 0, "e"}, {0, 3, "c"}, {5, 1, "f"}, {5, 0, "E"}, {0, 0, "a"}, {0, 3, "C"}, {0, 1, "b"}, {2, 1, "x"}, {2, 3, ""},
        {0, 99, "last kept"}, {0, 100, "dropped"}, {2, 100, "dropped"}, {1, 65535, "dropped"}, {65535, 40, "far"}};
    for (const auto& [row, column, text] : cells)
        ASSERT_TRUE(writer.add(static_cast<std::uint16_t>(row), static_cast<std::uint16_t>(column), text));
    EXPECT_EQ(writer.finish(), 2);
    EXPECT_EQ(testing::RowText(sheet, 1, 1, 4), "a\tb\t\tC");
    EXPECT_EQ(sheet.cellText(2, 5), "kept");
    EXPECT_EQ(testing::RowText(sheet, 3), "\tx");
    EXPECT_EQ(testing::RowText(sheet, 6), "E\tf");
    EXPECT_EQ(sheet.cellText(1, 100), "last kept");
    EXPECT_EQ(sheet.cellText(65536, 41), "far");
    EXPECT_EQ(sheet.rowCount(), 65536);
}

// The budget counts the cells a sheet holds, every row of a column down to its last cell,
// and the text it keeps; the sheets of one workbook share it, and the cell that would
// pass it is refused with the limit named.
TEST(SheetWriter, ABudgetSharedByTheSheetsOfAWorkbook)
{
    ImportBudget budget{.cells = 6, .text = 10};
    MeteoSheet first;
    MeteoSheet second;
    SheetWriter a(first, budget);
    EXPECT_TRUE(a.add(0, 0, "12") && a.add(2, 1, "345")); // columns A and B hold 1 + 3 cells
    EXPECT_TRUE(a.add(1, 1, "6") && a.add(0, 200, "beyond the sheet costs nothing"));
    EXPECT_EQ(budget.cells, 2u);
    SheetWriter b(second, budget);
    EXPECT_TRUE(b.add(1, 0, "7")); // 2 cells
    EXPECT_FALSE(b.add(0, 1, "8"));
    EXPECT_STREQ(b.failure(), "the sheet holds more cells than an import may (20000000)");

    ImportBudget text{.text = 5};
    MeteoSheet third;
    SheetWriter c(third, text);
    EXPECT_TRUE(c.add(0, 0, "12345"));
    EXPECT_FALSE(c.add(0, 1, "6"));
    EXPECT_STREQ(c.failure(), "the sheet holds more text than an import may (128 MB)");

    // A reader asks before it repeats a row: the claim counts once, the writes then cost
    // no more cells.
    ImportBudget rows{.cells = 1000};
    MeteoSheet fourth;
    SheetWriter d(fourth, rows);
    EXPECT_FALSE(d.reach(SheetWriter::kMaxRows, 0));
    EXPECT_STREQ(d.failure(), "the sheet has more rows than a workbook may (1048576)");
    EXPECT_FALSE(d.reach(1000, 0));
    EXPECT_TRUE(d.reach(499, 0) && d.reach(499, 1));
    for (std::uint32_t row = 0; row < 500; ++row) ASSERT_TRUE(d.add(row, 0, "x") && d.add(row, 1, "y"));
    EXPECT_FALSE(d.add(0, 2, "z"));
}

// Coming back to a long row many times must not move the row's text each time: a
// file of a few hundred kilobytes could otherwise keep the import busy for hours.
TEST(SheetWriter, ReturningToWrittenRowsCostsOnePassPerRow)
{
    MeteoSheet sheet;
    SheetWriter writer(sheet);
    const std::string wide(30000, 'w');
    for (std::uint16_t c = 1; c < 100; ++c) ASSERT_TRUE(writer.add(0, c, wide)); // 3 MB in row 1
    for (int i = 0; i < 100000; ++i) ASSERT_TRUE(writer.add(static_cast<std::uint16_t>(i % 2), 0, i % 2 ? "odd" : "even"));
    writer.finish();
    EXPECT_EQ(sheet.cellText(1, 1), "even");
    EXPECT_EQ(sheet.cellText(1, 99), wide);
    EXPECT_EQ(sheet.cellText(2, 1), "odd");
}

} // namespace etp
