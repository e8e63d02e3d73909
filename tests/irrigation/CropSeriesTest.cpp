#include "irrigation/CropSeries.h"

#include <gtest/gtest.h>

#include "support/SheetBuilder.h"

namespace etp {

namespace {

// DATE, RHMIN, WIND, RAIN, PenMon: 1 to 10 May 2019.
MeteoSheet TenDays()
{
    MeteoSheet sheet;
    testing::SetRow(sheet, 1, "DATE\tRHMIN\tWIND\tRAIN\tPenMon");
    for (int d = 1; d <= 10; ++d)
        testing::SetRow(sheet, d + 1, (d < 10 ? "0" : "") + std::to_string(d) + "/05/19\t40\t\t" +
                                          (d == 3 ? "" : "1.5") + "\t" + std::to_string(d) + ".5");
    return sheet;
}

CropColumns Columns()
{
    CropColumns c;
    c.dates = testing::BoxesOf({"1"}), c.rhMin = 2, c.wind = 3, c.rain = 4, c.et = 5;
    c.humidityFactor = 100;
    c.lastRow = 11;
    return c;
}

} // namespace

// The season's days by the date column; an empty rain cell is a dry day, an empty wind
// cell no wind, and RH min goes through the unit's factor.
TEST(ReadSeason, ReadsTheSeasonFromThePlantingDay)
{
    const SeasonRead read = ReadSeason(TenDays(), Columns(), {3, 5, 2019}, 4);
    ASSERT_TRUE(read.outcome.done()) << read.outcome.message;
    ASSERT_EQ(read.days.size(), 4u);
    EXPECT_EQ(read.days[0].row, 4);
    EXPECT_EQ(read.days[0].dateText, "03/05/19");
    EXPECT_EQ(read.days[0].ETref, 3.5);
    EXPECT_EQ(read.days[0].rain, 0);
    EXPECT_EQ(read.days[1].rain, 1.5);
    EXPECT_EQ(read.days[3].RHmin, 4000);
    EXPECT_FALSE(read.days[3].u2);
    EXPECT_EQ(DateText(read.days[3].date), "06/05/2019");
}

// Each refusal names the date (and the row where there is one).
TEST(ReadSeason, RefusalsNameTheDate)
{
    MeteoSheet sheet = TenDays();
    EXPECT_EQ(ReadSeason(sheet, Columns(), {1, 4, 2019}, 4).outcome.message,
              "planting: 01/04/2019 is not a day of the series (01/05/2019 to 10/05/2019)");
    EXPECT_EQ(ReadSeason(sheet, Columns(), {8, 5, 2019}, 5).outcome.message,
              "The season ends on 12/05/2019, after the last day of the series, 10/05/19");
    sheet.setCellText(6, 5, "-999");
    EXPECT_EQ(ReadSeason(sheet, Columns(), {1, 5, 2019}, 8).outcome.message,
              "Row 6, 05/05/2019: no reference ET in column 5 \"PenMon\"");
    sheet.setCellText(5, 4, "n.d.");
    EXPECT_EQ(ReadSeason(sheet, Columns(), {1, 5, 2019}, 8).outcome.message,
              "Row 5, 04/05/2019: no rain in column 4 \"RAIN\"");
    sheet.setCellText(3, 1, "03/05/19");
    EXPECT_EQ(ReadSeason(sheet, Columns(), {1, 5, 2019}, 3).outcome.message,
              "Row 3: \"03/05/19\" where 02/05/2019 should follow: the balance needs every day of the season");
}

} // namespace etp
