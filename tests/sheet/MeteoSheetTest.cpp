#include "sheet/MeteoSheet.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

namespace etp {

// A new sheet holds 32000 x 30 empty cells without paying for them; it grows to hold a
// cell far down or to the right, never beyond column 100, and refuses row or column 0.
TEST(MeteoSheet, BoundsAndGrowth)
{
    MeteoSheet sheet;
    EXPECT_EQ(sheet.rowCount(), 32000);
    EXPECT_EQ(sheet.columnCount(), 30);
    EXPECT_LT(sheet.memoryBytes(), 64u * 1024);
    EXPECT_FALSE(sheet.setCellText(5, 0, "x"));
    EXPECT_FALSE(sheet.setCellText(0, 5, "x"));
    EXPECT_EQ(sheet.cellText(-1, 3), "");
    EXPECT_EQ(sheet.cellText(40000, 3), "");
    sheet.setCaption(7, "7"); // captions are row 0
    EXPECT_EQ(sheet.cellText(0, 7), "7");
    EXPECT_EQ(sheet.caption(31), "");
    EXPECT_EQ(sheet.lastNonEmptyRow(), 0);

    EXPECT_TRUE(sheet.setCellText(50000, 45, "late"));
    EXPECT_EQ(sheet.rowCount(), 50000);
    EXPECT_EQ(sheet.columnCount(), 45);
    EXPECT_EQ(sheet.cellText(50000, 45), "late");
    EXPECT_FALSE(sheet.setCellText(1, 101, "x"));
    EXPECT_EQ(sheet.columnCount(), 45);
}

// A block's text ends at its last non-empty cell; fields beyond the range are dropped and
// counted, empty ones lose nothing; clearing keeps what lies outside the rectangle and
// an emptied sheet keeps its size.
TEST(MeteoSheet, BlockTextAndClearBlock)
{
    MeteoSheet sheet;
    EXPECT_EQ(sheet.setBlockText(1, 1, 100, "DATE\t\tTMAX\t\t"), 0);
    EXPECT_EQ(sheet.blockText(1, 1, 100), "DATE\t\tTMAX");
    EXPECT_EQ(sheet.blockText(1, 2, 100), "\tTMAX");
    EXPECT_EQ(sheet.blockText(2, 1, 100), "");
    EXPECT_EQ(sheet.lastNonEmptyColumn(1), 3);
    EXPECT_EQ(sheet.setBlockText(2, 1, 2, "a\tb\tc\t\td"), 2); // c and d
    EXPECT_EQ(sheet.blockText(2, 1, 100), "a\tb");
    sheet.setBlockText(3, 1, 100, "d\te\tf");
    sheet.clearBlock(2, 2, 3, 2);
    EXPECT_EQ(sheet.blockText(2, 1, 100), "a");
    EXPECT_EQ(sheet.blockText(3, 1, 100), "d\t\tf");
    sheet.setCellText(3, 3, "");
    EXPECT_EQ(sheet.lastNonEmptyColumn(3), 1);
    sheet.clearBlock(1, 1, sheet.rowCount(), sheet.columnCount());
    EXPECT_EQ(sheet.lastNonEmptyRow(), 0);
    EXPECT_EQ(sheet.rowCount(), 32000);
    EXPECT_EQ(sheet.columnCount(), 30);
}

// The whole row at once: a TAB inside a cell stays in it, the caption row is no data row,
// the sheet grows and cells beyond column 100 are dropped and counted.
TEST(MeteoSheet, SetRowCellsReplacesTheWholeRow)
{
    MeteoSheet sheet;
    sheet.setBlockText(2, 1, 100, "old\tcells\there\ttoo");
    const std::string_view cells[] = {"a", "", "c\td", ""};
    EXPECT_EQ(sheet.setRowCells(2, cells), 0);
    EXPECT_EQ(sheet.blockText(2, 1, 100), "a\t\tc\td");
    EXPECT_EQ(sheet.lastNonEmptyColumn(2), 3);
    EXPECT_EQ(sheet.setRowCells(2, {}), 0);
    EXPECT_EQ(sheet.lastNonEmptyRow(), 0);
    EXPECT_EQ(sheet.setRowCells(0, cells), 0);
    EXPECT_EQ(sheet.caption(1), "");

    std::vector<std::string_view> wide(103, "x");
    wide[101] = "";
    EXPECT_EQ(sheet.setRowCells(40000, wide), 2);
    EXPECT_EQ(sheet.rowCount(), 40000);
    EXPECT_EQ(sheet.columnCount(), 100);
    EXPECT_EQ(sheet.cellText(40000, 100), "x");
}

namespace {

// Everything a reader can see of a sheet: sizes and every cell text.
std::string Snapshot(const MeteoSheet& sheet)
{
    std::string text = std::to_string(sheet.rowCount()) + "x" + std::to_string(sheet.columnCount()) + " last " +
                       std::to_string(sheet.lastNonEmptyRow()) + "," + std::to_string(sheet.lastNonEmptyColumn()) + "\n";
    for (int r = 1; r <= sheet.lastNonEmptyRow() + 1; ++r) {
        text += std::to_string(sheet.lastNonEmptyColumn(r)) + ":";
        for (int c = 1; c <= sheet.columnCount(); ++c) text += std::string(sheet.cellText(r, c)) + "|";
        text += "\n";
    }
    return text;
}

} // namespace

// The rows a sheet may hold where results go in: shorter than the first result column,
// reaching into it, beyond it, missing; results with empty cells inside and at the end.
TEST(MeteoSheet, SetCellsIsSetCellTextOnEachCell)
{
    const char* const rows[] = {"", "a\tb", "a\tb\tc\td", "a\tb\tc\td\te\tf\tg", "\t\t\t\t\t\t\tz", "a\t\tc\t"};
    const std::vector<std::vector<std::string_view>> results = {
        {"1.5", "2.", ".25"}, {"", "2.", ""}, {"", ""}, {"994.", "", "", "7"}, {}, {"x"}};
    for (const char* row : rows)
        for (const auto& cells : results)
            for (const int first : {1, 3, 4, 9}) {
                MeteoSheet expected, actual;
                for (MeteoSheet* sheet : {&expected, &actual}) {
                    sheet->setBlockText(1, 1, 100, "DATE\tT");
                    if (*row) sheet->setBlockText(3, 1, 100, row);
                }
                for (std::size_t k = 0; k < cells.size(); ++k)
                    expected.setCellText(3, first + static_cast<int>(k), cells[k]);
                EXPECT_TRUE(actual.setCells(3, first, cells));
                EXPECT_EQ(Snapshot(actual), Snapshot(expected))
                    << "row \"" << row << "\", first column " << first << ", " << cells.size() << " cells";
            }
}

TEST(MeteoSheet, SetCellsGrowsTheSheetAndRefusesBeyondOneHundred)
{
    MeteoSheet sheet;
    const std::string_view cells[] = {"1", "2", ""};
    EXPECT_TRUE(sheet.setCells(40000, 98, cells)); // up to column 100
    EXPECT_EQ(sheet.rowCount(), 40000);
    EXPECT_EQ(sheet.columnCount(), 99); // the empty third cell takes no column
    EXPECT_EQ(sheet.cellText(40000, 99), "2");
    const std::string before = Snapshot(sheet);
    EXPECT_FALSE(sheet.setCells(5, 99, cells)); // its third cell would be column 101
    EXPECT_FALSE(sheet.setCells(0, 1, cells));
    EXPECT_FALSE(sheet.setCells(5, 0, cells));
    EXPECT_EQ(Snapshot(sheet), before);
}

// A line into an empty row takes a shorter road than into a row with cells: both must
// leave the same cells and count the same dropped fields.
TEST(MeteoSheet, SetBlockTextIntoAnEmptyRowIsTheGeneralRule)
{
    std::string wide;
    for (int k = 1; k <= 105; ++k) wide += (k > 1 ? "\t" : "") + (k % 7 == 0 ? std::string() : std::to_string(k));
    const std::string lines[] = {"", "\t", "\t\t", "a", "a\t\tb\t", "\tx", "12.5\t-3\t\t\t", wide, wide + "\t\t"};
    for (const std::string& line : lines)
        for (const int lastColumn : {0, 1, 3, 100}) {
            MeteoSheet fast, general;
            general.setCellText(2, 100, "kept apart"); // the row has a cell: the general rule
            const int droppedFast = fast.setBlockText(2, 1, lastColumn, line);
            const int droppedGeneral = general.setBlockText(2, 1, lastColumn, line);
            general.setCellText(2, 100, lastColumn == 100 ? fast.cellText(2, 100) : "");
            EXPECT_EQ(droppedFast, droppedGeneral) << '"' << line << "\" up to column " << lastColumn;
            EXPECT_EQ(fast.lastNonEmptyColumn(2), general.lastNonEmptyColumn(2)) << '"' << line << '"';
            for (int c = 1; c <= 100; ++c)
                ASSERT_EQ(fast.cellText(2, c), general.cellText(2, c))
                    << '"' << line << "\" up to column " << lastColumn << ", column " << c;
        }
}

// The saved line of a row is its cells joined by TAB, a TAB or CR inside a cell written
// as a blank, as many fields as asked for; cell by cell, as the rule reads.
TEST(MeteoSheet, AppendRowTextJoinsTheCellsOfTheSavedLine)
{
    MeteoSheet sheet;
    sheet.setBlockText(2, 1, 100, "01/07/19\t12.5\t\t30");
    sheet.setCellText(3, 2, "a\tb\rc\nd"); // typed by hand: TAB, CR and LF inside a cell
    sheet.setCellText(4, 40, "far");        // beyond the initial thirty columns
    for (int row = -1; row <= 6; ++row)
        for (const int columns : {0, 1, 2, 4, 6, 40}) {
            std::string expected = "x";
            for (int c = 1; c <= columns; ++c) {
                if (c > 1) expected += '\t';
                for (const char ch : sheet.cellText(row, c)) expected += ch == '\t' || ch == '\r' ? ' ' : ch;
            }
            std::string actual = "x";
            sheet.appendRowText(row, columns, actual);
            EXPECT_EQ(actual, expected) << "row " << row << ", " << columns << " columns";
        }
}

// Cells set one by one, in any order, against a plain table of strings: values short and
// long (the row's block must move), empty (the row shrinks or goes), taken from the same
// row (the value lives in the block being changed), through setCells and setBlockText
// too; a copy taken halfway keeps the cells it had.
TEST(MeteoSheet, EditsInAnyOrderMatchAPlainTable)
{
    constexpr int kRows = 6, kColumns = 14;
    std::mt19937 random(20261206);
    auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    MeteoSheet sheet;
    std::vector<std::vector<std::string>> table(kRows + 1, std::vector<std::string>(kColumns + 1));
    auto expectSame = [](const MeteoSheet& actual, const std::vector<std::vector<std::string>>& expected, int step) {
        for (int r = 1; r <= kRows; ++r) {
            int last = 0;
            for (int c = 1; c <= kColumns; ++c) {
                ASSERT_EQ(actual.cellText(r, c), expected[r][c]) << "step " << step << ", cell " << r << "," << c;
                if (!expected[r][c].empty()) last = c;
            }
            ASSERT_EQ(actual.lastNonEmptyColumn(r), last) << "step " << step << ", row " << r;
        }
    };
    std::optional<MeteoSheet> copy;
    std::vector<std::vector<std::string>> copied;
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
            // The value read straight out of the row it goes back into.
            const int from = 1 + pick(kColumns);
            sheet.setCellText(r, from, value);
            table[r][from] = value;
            sheet.setCellText(r, c, sheet.cellText(r, from));
        } else if (pick(5) == 0 && c + 2 <= kColumns) {
            const std::string_view cells[] = {value, "", "7"};
            sheet.setCells(r, c, cells);
            table[r][c + 1] = "";
            table[r][c + 2] = "7";
        } else if (pick(8) == 0) {
            sheet.setBlockText(r, c, kColumns, value + "\t\tz");
            for (int k = c + 1; k <= kColumns; ++k) table[r][k] = k == c + 2 ? "z" : table[r][k];
            if (c + 1 <= kColumns) table[r][c + 1] = "";
        } else {
            sheet.setCellText(r, c, value);
        }
        table[r][c] = value;
        expectSame(sheet, table, step);
        if (HasFatalFailure()) return;
        if (step == 2000) {
            copy.emplace(sheet);
            copied = table;
        }
    }
    expectSame(*copy, copied, -1);
}

} // namespace etp
