#include "sheet/TextImport.h"

#include <gtest/gtest.h>

#include <string>
#include "support/SheetBuilder.h"

namespace etp {

// CR and CR LF end a line; a lone LF does not, so a file of LF line ends is one line.
TEST(ReadTextLines, CrAndCrLfEndLinesALoneLfDoesNot)
{
    MeteoSheet sheet;
    const auto report = ReadTextLines(sheet, "A\tB\r\n1\t2\r3\n4\r\n");
    EXPECT_EQ(report.lines, 3);
    EXPECT_EQ(sheet.cellText(1, 2), "B");
    EXPECT_EQ(sheet.cellText(2, 2), "2");
    EXPECT_EQ(sheet.cellText(3, 1), "3\n4");
    EXPECT_EQ(sheet.lastNonEmptyRow(), 3);
    MeteoSheet lf;
    EXPECT_EQ(ReadTextLines(lf, "DATE\tT\n01/01/95\t3\n").lines, 1);
    EXPECT_EQ(lf.cellText(1, 2), "T\n01/01/95");
}

// Fields beyond column 30 used to be lost; the sheet now widens, up to column 100.
TEST(ReadTextLines, LinesWidenTheSheetFieldsBeyondOneHundredAreCounted)
{
    std::string line;
    for (int k = 1; k <= 105; ++k) line += (k > 1 ? "\t" : "") + std::to_string(k);
    MeteoSheet sheet;
    const auto report = ReadTextLines(sheet, line + "\r\n" + line);
    EXPECT_EQ(sheet.columnCount(), 100);
    EXPECT_EQ(sheet.cellText(2, 100), "100");
    EXPECT_EQ(report.droppedFields, 10);
    EXPECT_EQ(report.linesWithDroppedFields, 2);
}

TEST(ReadTextLines, MoreLinesThanRowsGrowTheSheet)
{
    std::string text;
    for (int i = 1; i <= 40000; ++i) text += std::to_string(i) + "\r\n";
    MeteoSheet sheet;
    EXPECT_EQ(ReadTextLines(sheet, text).lines, 40000);
    EXPECT_EQ(sheet.rowCount(), 40000);
    EXPECT_EQ(sheet.cellText(40000, 1), "40000");
}

// Lines far longer than usual: a cell of 10,000 bytes, a line of many long fields.
TEST(ReadTextLines, LongLinesKeepEveryByte)
{
    const std::string cell(10000, 'x');
    std::string fields;
    for (int k = 1; k <= 60; ++k) fields += (k > 1 ? "\t" : "") + std::string(static_cast<std::size_t>(k * 37), char('a' + k % 26));
    MeteoSheet sheet;
    const auto report = ReadTextLines(sheet, "short\r\n" + cell + "\t2\r" + fields + "\r\nlast");
    EXPECT_EQ(report.lines, 4);
    EXPECT_EQ(sheet.cellText(2, 1), cell);
    EXPECT_EQ(sheet.cellText(2, 2), "2");
    for (int k = 1; k <= 60; ++k)
        ASSERT_EQ(sheet.cellText(3, k), std::string(static_cast<std::size_t>(k * 37), char('a' + k % 26))) << k;
    EXPECT_EQ(sheet.cellText(4, 1), "last");
}

// A sheet that still holds cells takes each line field by field: an empty field empties
// its cell, cells beyond the line stay.
TEST(ReadTextLines, RowsThatHoldCellsTakeTheLineFieldByField)
{
    MeteoSheet sheet;
    sheet.setCellText(2, 4, "kept");
    sheet.setCellText(2, 1, "replaced");
    const auto report = ReadTextLines(sheet, "a\tb\r\nc\t\td\r\n");
    EXPECT_EQ(report.lines, 2);
    EXPECT_EQ(testing::RowText(sheet, 1), "a\tb");
    EXPECT_EQ(testing::RowText(sheet, 2), "c\t\td\tkept");
}

// Empty lines keep their rows; fields stay whole, blanks and all; bytes are kept as
// they are, NUL included.
TEST(ReadTextLines, EmptyLinesAndBytesAreKept)
{
    MeteoSheet sheet;
    ReadTextLines(sheet, "a\r\n\r\n 12,5 ; x\tb\r\n" + std::string("\xff\x00\xfe\tz", 5));
    EXPECT_EQ(testing::RowText(sheet, 2), "");
    EXPECT_EQ(sheet.cellText(3, 1), " 12,5 ; x");
    EXPECT_EQ(sheet.cellText(3, 2), "b");
    EXPECT_EQ(sheet.cellText(4, 1), std::string("\xff\x00\xfe", 3));
    EXPECT_EQ(ReadTextLines(sheet, "").lines, 0);
}

} // namespace etp
