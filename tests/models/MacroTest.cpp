#include "models/MacroWriter.h"

#include <gtest/gtest.h>

#include "models/ModelSheets.h"

namespace etp {

namespace {

using namespace std::chrono;
using testing::Day;
using testing::Lines;
using testing::SeriesSheet;
using testing::StationColumns;

constexpr int kRain = 9, kEt = 10;

std::string DailyFile(const std::vector<Day>& days, int column = kRain)
{
    return MacroDailyText(SeriesSheet(days), StationColumns(), column, column == kRain ? MacroFile::Rain : MacroFile::Etp);
}

} // namespace

// 15 and 16 March 1995 with 12.4 and 3.2 mm; four-digit and year-first dates write the
// same two-digit years.
TEST(MacroDailyText, Example)
{
    EXPECT_EQ(DailyFile({{"15/03/95", "", "", "", "12.4", ""}, {"16/03/95", "", "", "", "3.2", ""}}), testing::Golden("macro_two_days.rn"));
    EXPECT_EQ(DailyFile({{"15/03/1995", "", "", "", "12.4", ""}, {"1995-03-16", "", "", "", "3.2", ""}}), testing::Golden("macro_two_days.rn"));
    EXPECT_EQ(DailyFile({{"01/01/2018", "", "", "", "1", ""}}), "'180101'    1.0    \r\n");
}

TEST(MacroDailyText, EveryDayOfTheSeriesInYearMonthDayOrder)
{
    const auto days = testing::Series(year_month_day{1995y / January / 1}, 365, [](int i, std::string date) {
        return Day{date, "", "", "", i % 3 ? "0" : "1.5", "4.35"};
    });
    const auto rain = Lines(DailyFile(days), "\r\n");
    ASSERT_EQ(rain.size(), 366u);
    EXPECT_EQ(rain[364], "'951231'     .0    ");
    const auto et = Lines(DailyFile(days, kEt), "\r\n");
    ASSERT_EQ(et.size(), 366u);
    EXPECT_EQ(et[40], "'950210'    4.4    ");
}

// An empty rain cell writes 0; the series ends at the first empty date.
TEST(MacroDailyText, EmptyRainIsZeroAndTheSeriesEndsAtTheFirstEmptyDate)
{
    auto sheet = SeriesSheet({{"01/01/95", "", "", "", "", ""}, {"02/01/95", "", "", "", "2", ""}});
    sheet.setCellText(5, 1, "05/01/95");
    sheet.setCellText(5, kRain, "5");
    EXPECT_EQ(MacroDailyText(sheet, StationColumns(), kRain, MacroFile::Rain), "'950101'     .0    \r\n'950102'    2.0    \r\n");
}

} // namespace etp
