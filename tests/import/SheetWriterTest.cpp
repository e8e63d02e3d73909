#include "import/SheetWriter.h"

#include <gtest/gtest.h>

#include <tuple>
#include "support/SheetBuilder.h"

namespace etp {

// Cells go to their rows in any order, the later of two wins, other rows stay as they
// were; columns beyond the sheet are counted once each, and a cell in the last row a
// worksheet has grows the sheet to hold it. A budget refuses the cell that would pass it.
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

    MeteoSheet small;
    SheetWriter budget(small, 10);
    EXPECT_TRUE(budget.add(0, 0, "12345") && budget.add(0, 1, "12345"));
    EXPECT_FALSE(budget.add(0, 2, "1"));
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
