#include "sheet/MeteoSheet.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "support/SheetBuilder.h"

namespace etp {

// A new sheet holds 32000 x 30 empty cells; it grows to hold a cell far down or to the
// right, never beyond column 100, and a refused write (row or column 0, a cell past
// column 100) changes nothing. Clearing keeps the size and the captions (row 0).
TEST(MeteoSheet, BoundsGrowthAndClear)
{
    MeteoSheet sheet;
    EXPECT_EQ(sheet.rowCount(), 32000);
    EXPECT_EQ(sheet.columnCount(), 30);
    sheet.setCaption(7, "7");
    EXPECT_EQ(sheet.cellText(0, 7), "7");
    EXPECT_EQ(sheet.cellText(-1, 7), "");

    const std::string_view cells[] = {"1", "2", ""};
    EXPECT_TRUE(sheet.setCells(40000, 98, cells));
    EXPECT_EQ(sheet.rowCount(), 40000);
    EXPECT_EQ(sheet.columnCount(), 99); // the empty third cell takes no column
    EXPECT_FALSE(sheet.setCells(5, 99, cells)); // its third cell would be column 101
    EXPECT_FALSE(sheet.setCells(0, 1, cells));
    EXPECT_FALSE(sheet.setCellText(5, 0, "x"));
    EXPECT_FALSE(sheet.setCellText(1, 101, "x"));
    EXPECT_EQ(sheet.columnCount(), 99);
    EXPECT_EQ(sheet.lastNonEmptyColumn(5), 0);

    sheet.clear();
    EXPECT_EQ(sheet.lastNonEmptyRow(), 0);
    EXPECT_EQ(sheet.cellText(40000, 99), "");
    EXPECT_EQ(sheet.caption(7), "7");
    EXPECT_EQ(sheet.rowCount(), 40000);
}

// The saved line of a row: its cells joined by TAB, a TAB, CR or LF inside a cell written
// as a blank (each would end or split the line when the file is read again), as many
// fields as asked for, CR LF at its end.
TEST(MeteoSheet, AppendRowsTextJoinsTheCellsOfTheSavedLine)
{
    MeteoSheet sheet;
    testing::SetRow(sheet, 2, "01/07/19\t12.5\t\t30");
    sheet.setCellText(2, 6, "a\tb\rc\nd");
    std::string line = "x";
    sheet.appendRowsText(2, 2, 7, line);
    EXPECT_EQ(line, "x01/07/19\t12.5\t\t30\t\ta b c d\t\r\n");
}

// Lines of several rows at once against the same lines made cell by cell from cellText:
// columns of different lengths (rows past a column's last cell, empty cells between),
// more fields asked than the sheet has columns, ranges starting anywhere, rows past the
// last one, and the lines appended after what the text held.
TEST(MeteoSheet, AppendRowsTextMatchesTheCellsRowByRow)
{
    std::mt19937 random(20240611);
    auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    MeteoSheet sheet;
    const char* samples[] = {"", "", "1", "-0.5", "12.75", "01/02/1903", "n.d.", "a\tb", "\r\n", "long text of a note"};
    for (int c = 1; c <= 9; ++c) {
        const int rows = pick(40);
        for (int r = 1; r <= rows; ++r) sheet.setCellText(r, c, samples[pick(10)]);
    }
    for (int trial = 0; trial < 200; ++trial) {
        const int first = 1 + pick(45), last = first + pick(10) - 1, columns = pick(12);
        std::string expected = "kept";
        for (int r = first; r <= last; ++r) {
            for (int c = 1; c <= columns; ++c) {
                if (c > 1) expected += '\t';
                for (const char ch : sheet.cellText(r, c)) expected += ch == '\t' || ch == '\r' || ch == '\n' ? ' ' : ch;
            }
            expected += "\r\n";
        }
        std::string text = "kept";
        sheet.appendRowsText(first, last, columns, text);
        ASSERT_EQ(text, expected) << "rows " << first << " to " << last << ", " << columns << " columns";
    }
}

// The cheap guard for the column-by-column store: cells set one by one, in any order,
// against a plain table of strings: values short and long, empty (the row shrinks or
// goes), taken from the same column (the value lives in the column being changed), through
// setCells too.
TEST(MeteoSheet, EditsInAnyOrderMatchAPlainTable)
{
    constexpr int kRows = 6, kColumns = 14;
    std::mt19937 random(20261206);
    auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    MeteoSheet sheet;
    std::vector<std::vector<std::string>> table(kRows + 1, std::vector<std::string>(kColumns + 1));
    for (int step = 0; step < 4000; ++step) {
        const int r = 1 + pick(kRows), c = 1 + pick(kColumns);
        std::string value;
        switch (pick(6)) {
        case 0: break; // empty
        case 1: value = std::string(static_cast<std::size_t>(1 + pick(90)), static_cast<char>('a' + pick(26))); break;
        case 2: value = table[r][1 + pick(kColumns)]; break;
        default: value = std::to_string(pick(100000)); break;
        }
        if (pick(4) == 0 && !value.empty()) {
            // The value read straight out of the column it goes back into.
            const int from = 1 + pick(kRows);
            sheet.setCellText(from, c, value);
            table[from][c] = value;
            sheet.setCellText(r, c, sheet.cellText(from, c));
        } else if (pick(5) == 0 && c + 2 <= kColumns) {
            const std::string_view cells[] = {value, "", "7"};
            sheet.setCells(r, c, cells);
            table[r][c + 1] = "";
            table[r][c + 2] = "7";
        } else {
            sheet.setCellText(r, c, value);
        }
        table[r][c] = value;
        for (int row = 1; row <= kRows; ++row) {
            int last = 0;
            for (int column = 1; column <= kColumns; ++column) {
                ASSERT_EQ(sheet.cellText(row, column), table[row][column]) << "step " << step << ", cell " << row << "," << column;
                if (!table[row][column].empty()) last = column;
            }
            ASSERT_EQ(sheet.lastNonEmptyColumn(row), last) << "step " << step << ", row " << row;
        }
    }
}

} // namespace etp
