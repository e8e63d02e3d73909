#include "sheet/MeteoSheet.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "support/SheetBuilder.h"

namespace etp {

// A new sheet holds 32000 x 30 empty cells; it grows to hold a
// cell far down or to the right, never beyond column 100, and refuses row or column 0.
TEST(MeteoSheet, BoundsAndGrowth)
{
    MeteoSheet sheet;
    EXPECT_EQ(sheet.rowCount(), 32000);
    EXPECT_EQ(sheet.columnCount(), 30);
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

// A row write replaces the cells it names, an empty one empties its cell, and the row
// ends at its last non-empty cell; clearing empties every cell and keeps the sheet's size
// and captions.
TEST(MeteoSheet, SetCellsAndClear)
{
    MeteoSheet sheet;
    const std::string_view titles[] = {"DATE", "", "TMAX", "", ""};
    EXPECT_TRUE(sheet.setCells(1, 1, titles));
    EXPECT_EQ(sheet.lastNonEmptyColumn(1), 3);
    const std::string_view day[] = {"d", "e", "f"};
    EXPECT_TRUE(sheet.setCells(3, 1, day));
    const std::string_view cleared[] = {"", "", ""};
    EXPECT_TRUE(sheet.setCells(3, 2, cleared));
    EXPECT_EQ(sheet.lastNonEmptyColumn(3), 1);
    EXPECT_EQ(sheet.cellText(3, 1), "d");
    EXPECT_EQ(sheet.lastNonEmptyRow(), 3);
    sheet.setCaption(2, "2");
    sheet.clear();
    EXPECT_EQ(sheet.lastNonEmptyRow(), 0);
    EXPECT_EQ(sheet.cellText(1, 1), "");
    EXPECT_EQ(sheet.cellText(0, 2), "2");
    EXPECT_EQ(sheet.rowCount(), 32000);
    EXPECT_EQ(sheet.columnCount(), 30);
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
                    testing::SetRow(*sheet, 1, "DATE\tT");
                    testing::SetRow(*sheet, 3, row);
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

// The saved line of a row is its cells joined by TAB, a TAB or CR inside a cell written
// as a blank, as many fields as asked for; cell by cell, as the rule reads.
TEST(MeteoSheet, AppendRowTextJoinsTheCellsOfTheSavedLine)
{
    MeteoSheet sheet;
    testing::SetRow(sheet, 2, "01/07/19\t12.5\t\t30");
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
// long, empty (the column shrinks or goes), taken from the same column (the value lives
// in the text being changed), through setCells too; a copy taken halfway keeps its cells.
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
