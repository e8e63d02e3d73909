#include "models/LeachmWriter.h"

#include <gtest/gtest.h>

#include "models/ModelFile.h"
#include "models/ModelSheets.h"

namespace etp {

namespace {

using namespace std::chrono;
using testing::Day;
using testing::Golden;
using testing::Lines;
using testing::RefusalOf;
using testing::SeriesSheet;
using testing::StationColumns;

constexpr int kRain = 9, kEt = 10;

// The rain file with the initial concentrations 0, 0.1 and 1.
std::string RainFile(const std::vector<Day>& days, LeachmDateFormat dates = LeachmDateFormat::Ddmmaa)
{
    return LeachmRainText(SeriesSheet(days), StationColumns(), kRain, dates, {0, 0.1, 1});
}

std::string WeeklyFile(const std::vector<Day>& days) { return LeachmEtpText(SeriesSheet(days), StationColumns(), kEt); }

Day Rainy(const std::string& date, const std::string& rain) { return {date, "", "", "", rain, ""}; }
Day Weather(const std::string& date, const std::string& tmin, const std::string& tmax, const std::string& et) { return {date, tmin, tmax, "", "", et}; }

} // namespace

// 15 March 1995, 12.4 mm, the initial concentrations 0, 0.1 and 1.
TEST(LeachmRainText, ExampleLineInBothDateFormats)
{
    const std::vector<Day> days = {Rainy("14/03/95", "0"), Rainy("15/03/95", "12.4"), Rainy("16/03/95", "")};
    EXPECT_EQ(RainFile(days), Golden("leachm_ddmmaa.rn"));
    const std::vector<Day> fromTheFifteenth(days.begin() + 1, days.end());
    EXPECT_EQ(RainFile(fromTheFifteenth, LeachmDateFormat::DayNumber), Golden("leachm_day_number.rn"));
}

TEST(LeachmRainText, OnlyDaysWithRainAboveZeroAreWrittenAndCountedAndRefusals)
{
    std::vector<Day> days;
    for (const char* rain : {"0", "-1", "", "0.01", "1000", "2"}) days.push_back(Rainy("01/01/95", rain));
    for (int i = 0; i < 9; ++i) days.push_back(Rainy("02/01/95", "1"));
    const auto lines = Lines(RainFile(days), "\r\n");
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[0].substr(0, 29), "010195     0.2       .0      ");
    EXPECT_EQ(lines[1].substr(0, 34), "010195     0.2    1000.0    3000.0"); // the fields grow
    EXPECT_EQ(lines[12], "THERE ARE  12 RAINY DAYS");
    EXPECT_EQ(RainFile({Rainy("01/01/95", "0")}), "THERE ARE  0 RAINY DAYS\r\n");

    // Only the day-number form refuses years going back; rain is refused when three times it
    // overflows.
    days = {Rainy("31/12/99", "1"), Rainy("01/01/00", "2")};
    EXPECT_EQ(Lines(RainFile(days), "\r\n")[1].substr(0, 6), "010100");
    EXPECT_EQ(RefusalOf([&] { RainFile(days, LeachmDateFormat::DayNumber); }),
              "The dates go back to an earlier year at row 3 (\"01/01/00\"): day and week numbers cannot run on from "
              "year 99 into year 00.");
    EXPECT_EQ(RefusalOf([] { RainFile({Rainy("15/03/95", "1e308")}); }),
              "The rain in row 2 is too large to be written three times: \"1e308\"");
    EXPECT_EQ(RefusalOf([] { RainFile({Rainy("15/03/95", "1e307")}); }), "not refused");
}

// Weeks 11 and 12 of 1995 with data: 12-18 March and 19-25 March; a week with data on some days only.
TEST(LeachmEtpText, ExampleWeeks)
{
    std::vector<Day> days;
    for (int d = 12; d <= 18; ++d) days.push_back(Weather(std::to_string(d) + "/03/95", "7.1", "17.5", "3.5"));
    for (int d = 19; d <= 25; ++d) days.push_back(Weather(std::to_string(d) + "/03/95", "-7.45", "0.65", "1.4"));
    EXPECT_EQ(WeeklyFile(days), Golden("leachm_weeks.etp"));
    // 1-3 January only: seven times the mean daily ET; a mean of exactly 0 takes the
    // positive section of the temperature pattern.
    EXPECT_EQ(WeeklyFile({Weather("01/01/95", "-2", "2", "1"), Weather("02/01/95", "-3", "3", "2"),
                          Weather("03/01/95", "-1", "1", "3")}),
              "  1     14.0    0       .0       4.0\r\n");
}

// 31 December of the first year (day 365) and 1 January of the next (day 366) share week 53.
TEST(LeachmEtpText, WeeksRunOnAcrossTheYearEnd)
{
    const auto days = testing::Series(year_month_day{1995y / December / 24}, 10, [](int i, std::string date) { return Weather(date, "0", "10", i == 7 || i == 8 ? "7" : "0"); });
    const auto lines = Lines(WeeklyFile(days), "\r\n");
    ASSERT_EQ(lines.size(), 54u);
    EXPECT_EQ(lines[51], " 52       .0    0      5.0      10.0"); // 24-30 December
    EXPECT_EQ(lines[52], " 53     32.7    0      5.0      10.0"); // 31 December - 2 January: 7, 7, 0 mm
}

TEST(LeachmEtpText, RefusesWhatTheWeeklyTablesCannotHold)
{
    EXPECT_EQ(RefusalOf([] { WeeklyFile({Weather("01/01/-9", "0", "1", "1"), Weather("01/01/99", "0", "1", "1")}); }),
              "The LEACHM weekly file has weeks 1 to 5300 only; the date in row 3 (\"01/01/99\") falls in week 5632.");

    auto sheet = SeriesSheet({});
    for (int r = 2; r <= 32768; ++r)
        for (const int column : {1, 2, 3, kEt}) sheet.setCellText(r, column, column == 1 ? "01/01/95" : "1");
    EXPECT_EQ(RefusalOf([&] { LeachmEtpText(sheet, StationColumns(), kEt); }),
              "The LEACHM weekly file takes at most 32766 days; the data sheet has 32767.");
    sheet.setCellText(32768, 1, "");
    EXPECT_EQ(RefusalOf([&] { LeachmEtpText(sheet, StationColumns(), kEt); }), "not refused");
}

} // namespace etp
