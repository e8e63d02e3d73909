#include "import/TextImport.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/SheetBuilder.h"

namespace etp {

// CR LF, CR and LF each end a line, in any mix; a byte-order mark goes; empty lines keep
// their rows; a TAB file's fields stay whole, quotes, blanks, commas and odd bytes as they are.
TEST(ReadTextLines, AnyLineEndAndTabFieldsByteForByte)
{
    MeteoSheet sheet;
    const std::string odd = " 12,5 ; \"x\t\xff" + std::string("\0\xfe", 2);
    const std::string bytes = "\xEF\xBB\xBF" "A\tB\r\n1\t2\r3\n4\r\n\r\n\n" + odd;
    EXPECT_EQ(ReadTextLines(sheet, bytes).lines, 7);
    EXPECT_EQ(testing::RowText(sheet, 1), "A\tB");
    EXPECT_EQ(testing::RowText(sheet, 2), "1\t2");
    EXPECT_EQ(testing::RowText(sheet, 3), "3");
    EXPECT_EQ(testing::RowText(sheet, 4), "4");
    EXPECT_EQ(testing::RowText(sheet, 5), "");
    EXPECT_EQ(testing::RowText(sheet, 6), "");
    EXPECT_EQ(testing::RowText(sheet, 7), odd);
    MeteoSheet lf;
    EXPECT_EQ(ReadTextLines(lf, "DATE\tT\n01/01/95\t3\n").lines, 2);
    EXPECT_EQ(ReadTextLines(lf, "").lines, 0);
}

// Without a TAB in the first line, its ";" or "," separates the fields (the one it uses
// more), with CSV quoting; in a ";" file a decimal comma becomes a point and is counted.
TEST(ReadTextLines, CsvFieldsQuotesAndDecimalCommas)
{
    MeteoSheet comma;
    const auto report = ReadTextLines(comma, "name,date,\"tmax, C\"\n"
                                             "\"De \"\"Bilt\"\"\",2020-01-01,\"12,5\"\r\n"
                                             "\"two\r\nlines\",,5\"3\n");
    EXPECT_EQ(report.lines, 3);
    EXPECT_EQ(report.decimalCommas, 0);
    EXPECT_EQ(testing::RowText(comma, 1), "name\tdate\ttmax, C");
    EXPECT_EQ(testing::RowText(comma, 2), "De \"Bilt\"\t2020-01-01\t12,5");
    EXPECT_EQ(comma.cellText(3, 1), "two\r\nlines");
    EXPECT_EQ(comma.cellText(3, 3), "5\"3");

    MeteoSheet semicolon;
    const auto decimals = ReadTextLines(semicolon, "date;tmin,C;tmax,C;note\n01/01/2020;-1,5;12,25;1,2,3\n"
                                                   "02/01/2020;,5;7;\"-0,5\"\n");
    EXPECT_EQ(decimals.decimalCommas, 4);
    EXPECT_EQ(testing::RowText(semicolon, 1), "date\ttmin,C\ttmax,C\tnote");
    EXPECT_EQ(testing::RowText(semicolon, 2), "01/01/2020\t-1.5\t12.25\t1,2,3");
    EXPECT_EQ(testing::RowText(semicolon, 3), "02/01/2020\t.5\t7\t-0.5");
}

// What cannot be imported is said before the sheet is touched.
TEST(TextImportProblem, EmptyBinaryOrAQuoteNeverClosed)
{
    EXPECT_EQ(TextImportProblem(""), "it is empty");
    EXPECT_EQ(TextImportProblem(std::string("DATE\tT\r\n\0\x01", 9)), "it is not a text file");
    EXPECT_EQ(TextImportProblem(std::string(70000, 'x') + '\0'), std::nullopt); // past the first 64 KiB
    EXPECT_EQ(TextImportProblem("a,b\n\"1\n2\",3\n4,\"5\n6\n"), "the quote opened in line 4 is never closed");
    EXPECT_EQ(TextImportProblem("a\tb\n\"1\t2\n"), std::nullopt); // TAB files have no quoting
}

// Fields beyond column 30 widen the sheet, up to column 100, and what lies beyond is
// counted as dropped. More lines than rows, and long cells, grow it too.
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
