#include "sheet/TextImport.h"

#include <gtest/gtest.h>

#include <string>
#include "support/SheetBuilder.h"

namespace etp {

// CR and CR LF end a line; a lone LF does not, so a file of LF line ends is one line.
// Empty lines keep their rows; fields stay whole, blanks and all, bytes as they are.
TEST(ReadTextLines, CrAndCrLfEndLinesALoneLfDoesNot)
{
    MeteoSheet sheet;
    const std::string bytes = "A\tB\r\n1\t2\r3\n4\r\n\r\n 12,5 ; x\t\xff" + std::string("\0\xfe", 2);
    EXPECT_EQ(ReadTextLines(sheet, bytes).lines, 5);
    EXPECT_EQ(testing::RowText(sheet, 1), "A\tB");
    EXPECT_EQ(testing::RowText(sheet, 2), "1\t2");
    EXPECT_EQ(testing::RowText(sheet, 3), "3\n4");
    EXPECT_EQ(testing::RowText(sheet, 4), "");
    EXPECT_EQ(testing::RowText(sheet, 5), " 12,5 ; x\t\xff" + std::string("\0\xfe", 2));
    MeteoSheet lf;
    EXPECT_EQ(ReadTextLines(lf, "DATE\tT\n01/01/95\t3\n").lines, 1);
    EXPECT_EQ(ReadTextLines(lf, "").lines, 0);
}

// Fields beyond column 30 used to be lost; the sheet now widens, up to column 100, and
// counts what it drops. More lines than rows, and long cells, grow it too.
TEST(ReadTextLines, TheSheetGrowsToHoldEveryLineFieldsBeyondOneHundredAreCounted)
{
    std::string line;
    for (int k = 1; k <= 105; ++k) line += (k > 1 ? "\t" : "") + std::to_string(k * 1111);
    std::string text = line + "\r\n" + line + "\r\n" + std::string(10000, 'x');
    for (int i = 4; i <= 40000; ++i) text += "\r\n" + std::to_string(i);
    MeteoSheet sheet;
    const auto report = ReadTextLines(sheet, text);
    EXPECT_EQ(report.lines, 40000);
    EXPECT_EQ(report.droppedFields, 10);
    EXPECT_EQ(report.linesWithDroppedFields, 2);
    EXPECT_EQ(sheet.columnCount(), 100);
    EXPECT_EQ(sheet.rowCount(), 40000);
    EXPECT_EQ(sheet.cellText(2, 100), "111100");
    EXPECT_EQ(sheet.cellText(3, 1), std::string(10000, 'x'));
    EXPECT_EQ(sheet.cellText(40000, 1), "40000");
}

// A sheet that still holds cells takes each line field by field: an empty field empties
// its cell, cells beyond the line stay.
TEST(ReadTextLines, RowsThatHoldCellsTakeTheLineFieldByField)
{
    MeteoSheet sheet;
    sheet.setCellText(2, 4, "kept");
    sheet.setCellText(2, 1, "replaced");
    ReadTextLines(sheet, "a\tb\r\nc\t\td\r\n");
    EXPECT_EQ(testing::RowText(sheet, 1), "a\tb");
    EXPECT_EQ(testing::RowText(sheet, 2), "c\t\td\tkept");
}

} // namespace etp
