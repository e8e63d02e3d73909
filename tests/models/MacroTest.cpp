#include "models/MacroWriter.h"

#include <gtest/gtest.h>

#include "models/ModelSheets.h"

namespace etp {

namespace {

using namespace std::chrono;
using testing::Day;
using testing::Golden;
using testing::Lines;
using testing::Series;
using testing::SeriesSheet;
using testing::StationColumns;

constexpr int kRain = 9, kEt = 10;

std::string DailyFile(const std::vector<Day>& days, int column = kRain)
{
    return MacroDailyText(SeriesSheet(days), StationColumns(), column);
}

} // namespace

// 15 and 16 March 1995 with 12.4 and 3.2 mm.
TEST(MacroDailyText, Example)
{
    EXPECT_EQ(DailyFile({{"15/03/95", "", "", "", "12.4", ""}, {"16/03/95", "", "", "", "3.2", ""}}),
              Golden("macro_two_days.rn"));
}

TEST(MacroDailyText, EveryDayOfTheSeriesInYearMonthDayOrder)
{
    const auto days = Series(year_month_day{1995y / January / 1}, 365, [](int i, std::string date) {
        return Day{date, "", "", "", i % 3 ? "0" : "1.5", "4.35"};
    });
    const auto rain = Lines(DailyFile(days), "\r\n");
    ASSERT_EQ(rain.size(), 366u);
    EXPECT_EQ(rain[0], "'950101'    1.5    ");
    EXPECT_EQ(rain[1], "'950102'     .0    ");
    EXPECT_EQ(rain[364], "'951231'     .0    ");
    const auto et = Lines(DailyFile(days, kEt), "\r\n");
    ASSERT_EQ(et.size(), 366u);
    EXPECT_EQ(et[40], "'950210'    4.4    ");
}

TEST(MacroDailyText, ValuesKeepThePatternsForm)
{
    const std::pair<const char*, const char*> cases[] = {
        {"-1.5", "'950315'  -001.5    "},   {"1000", "'950315'  1000.0    "}, {"12345.67", "'950315'  12345.7    "},
        {"0.04", "'950315'     .0    "},    {"abc", "'950315'     .0    "},   {"99.96", "'950315'  100.0    "},
    };
    for (const auto& [value, line] : cases)
        EXPECT_EQ(DailyFile({{"15/03/95", "", "", "", value, ""}}), std::string(line) + "\r\n") << value;
}

TEST(MacroDailyText, DatesAreCutByPosition)
{
    const std::pair<const char*, const char*> cases[] = {
        {"01/01/00", "'000101'"}, {"5/3/95", "'000005'"}, {"15/03/1995", "'190315'"}, {"15-03-95", "'950315'"}};
    for (const auto& [date, quoted] : cases)
        EXPECT_EQ(DailyFile({{date, "", "", "", "1", ""}}).substr(0, 8), quoted) << date;
}

TEST(MacroDailyText, TheSeriesEndsAtTheFirstEmptyDate)
{
    auto sheet = SeriesSheet({{"01/01/95", "", "", "", "1", ""}, {"02/01/95", "", "", "", "2", ""}});
    sheet.setCellText(5, 1, "05/01/95");
    sheet.setCellText(5, kRain, "5");
    EXPECT_EQ(Lines(MacroDailyText(sheet, StationColumns(), kRain), "\r\n").size(), 3u);
}

} // namespace etp
