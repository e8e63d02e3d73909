#include "import/HeaderLines.h"

#include <gtest/gtest.h>

#include "import/TextImport.h"
#include "support/SheetBuilder.h"

namespace etp {

TEST(HeaderLines, PowerBlockAndCommentLinesAreSetAsideWithTheLocation)
{
    const std::string power = "-BEGIN HEADER-\r\nNASA/POWER Daily Data\r\n"
                              "Location: Latitude  -33.25   Longitude 5.18\r\n"
                              "Elevation from MERRA-2: Average for 0.5 x 0.625 degree lat/lon region = 1.9 meters\r\n"
                              "-END HEADER-\r\nYEAR,DOY,T2M_MAX\r\n2018,1,8.8\r\n";
    const HeaderLines header = ReadHeaderLines(power);
    EXPECT_EQ(header.lines, 5);
    EXPECT_EQ(power.substr(header.length, 8), "YEAR,DOY");
    EXPECT_EQ(header.latitude, "-33.25");
    EXPECT_EQ(header.elevation, "1.9");

    MeteoSheet sheet;
    const TextImportReport report = ReadTextLines(sheet, power);
    EXPECT_EQ(report.headerLines, 5);
    EXPECT_EQ(report.lines, 2);
    EXPECT_EQ(testing::RowText(sheet, 1, 1, 3), "YEAR\tDOY\tT2M_MAX");

    const HeaderLines comments = ReadHeaderLines("# station 260\n# Elevation: 12 m\nDATE\tTMIN\n#not a header\n");
    EXPECT_EQ(comments.lines, 2);
    EXPECT_FALSE(comments.latitude);
    EXPECT_EQ(comments.elevation, "12");
}

// A block never closed, titles first, and an empty file: nothing is set aside.
TEST(HeaderLines, NoHeaderWithoutItsEnd)
{
    for (const char* text : {"-BEGIN HEADER-\nLatitude 5\nYEAR,DOY\n2018,1\n", "DATE\tTMIN\n# 5\n", ""}) {
        const HeaderLines header = ReadHeaderLines(text);
        EXPECT_EQ(header.lines, 0) << text;
        EXPECT_EQ(header.length, 0U) << text;
        EXPECT_FALSE(header.latitude) << text;
    }
}

} // namespace etp
