#include "irrigation/Irrigation.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>

#include "support/SheetBuilder.h"

namespace etp {

namespace {

// Columns: DATE, RAIN, ET. One row a day from 1 January of firstYear to 31 December of
// lastYear, the rain a function of (month, day), `et` mm of ET every day.
struct Series { MeteoSheet sheet; ColumnMap columns; };

using DayValue = std::function<double(int, int)>;

Series Days(int firstYear, int lastYear, const DayValue& rain, double et = 0)
{
    using namespace std::chrono;
    Series s;
    s.columns.set(ColumnBox::Date, "1");
    testing::SetRow(s.sheet, 1, "DATE\tRAIN\tPenMon");
    int row = 2;
    for (sys_days d{year{firstYear} / January / 1}; d < sys_days{year{lastYear + 1} / January / 1}; d += days{1}) {
        const year_month_day ymd{d};
        const int month = int(unsigned(ymd.month())), day = int(unsigned(ymd.day()));
        char line[64];
        std::snprintf(line, sizeof line, "%02d/%02d/%02d\t%g\t%g", day, month, int(ymd.year()) % 100, rain(month, day), et);
        testing::SetRow(s.sheet, row++, line);
    }
    return s;
}

double NoRain(int, int) { return 0; }

std::vector<std::string> Dates(const std::vector<IrrigationApplication>& applications)
{
    std::vector<std::string> dates;
    for (const auto& a : applications) dates.push_back(a.date);
    return dates;
}

// The rain cell of `date`.
std::string Rain(const Series& s, const std::string& date)
{
    for (int r = 2; r <= s.sheet.lastNonEmptyRow(); ++r)
        if (s.sheet.cellText(r, 1) == date) return std::string(s.sheet.cellText(r, 2));
    return "missing";
}

} // namespace

// The initial texts water 50 mm every fifteen counted days from 2 July to 30 August, unless
// the application day and the 4 days before it had more than 50 mm of rain; the water goes on
// top of the day's rain. A skipped application restarts the count; the counted days left over
// at the end of the period carry into the next year; 29 February and 1 March both count.
TEST(TurnedIrrigation, Schedules)
{
    const auto rainOn = [](int month, int from, int to, double mm) { return [=](int m, int d) { return m == month && d >= from && d <= to ? mm : 0.0; }; };
    // day16July: the rain cell of 16 July 1995 afterwards.
    struct Case { const char* why; int lastYear; DayValue rain; TurnedIrrigationTexts texts; std::vector<std::string> dates; const char* day16July; };
    const Case cases[] = {
        {"initial texts", 1996, NoRain, {},
         {"16/07/95", "31/07/95", "15/08/95", "30/08/95", "16/07/96", "31/07/96", "15/08/96", "30/08/96"}, "50"},
        {"exactly 50 mm in the window", 1995, rainOn(7, 12, 16, 10), {}, {"31/07/95", "15/08/95", "30/08/95"}, "10"},
        {"49.9 mm in the window", 1995, rainOn(7, 12, 16, 9.98), {},
         {"16/07/95", "31/07/95", "15/08/95", "30/08/95"}, "59.98"},
        {"rain before the window", 1995, rainOn(7, 11, 11, 80), {}, {"16/07/95", "31/07/95", "15/08/95", "30/08/95"}, "50"},
        {"61 counted days", 1996, NoRain, {.end = "31/08"},
         {"16/07/95", "31/07/95", "15/08/95", "30/08/95", "15/07/96", "30/07/96", "14/08/96", "29/08/96"}, "50"},
        {"no day in the period", 1995, NoRain, {"30/08", "01/07", "15", "50", "50", "4"}, {}, "0"},
    };
    for (const auto& c : cases) {
        Series s = Days(1995, c.lastYear, c.rain);
        const IrrigationRun run = ApplyTurnedIrrigation(s.sheet, s.columns, 2, c.texts);
        ASSERT_TRUE(run.outcome.done()) << c.why;
        EXPECT_EQ(Dates(run.applications), c.dates) << c.why;
        EXPECT_EQ(Rain(s, "16/07/95"), c.day16July) << c.why;
        EXPECT_EQ(Rain(s, "17/07/95"), "0") << c.why;
    }

    Series leap = Days(1996, 1996, NoRain); // counted: 28/02, 29/02, 01/03 (both day 60), 02/03, ...
    const IrrigationRun run = ApplyTurnedIrrigation(leap.sheet, leap.columns, 2, {"27/02", "10/03", "3", "20", "50", "0"});
    EXPECT_EQ(Dates(run.applications), (std::vector<std::string>{"01/03/96", "04/03/96", "07/03/96", "10/03/96"}));
    EXPECT_EQ(run.applications.front().amount, 20);
}

// The first text out of range is named; the default texts pass (on demand: tests/workbench).
TEST(IrrigationTexts, ProblemsAreFoundWithoutASheet)
{
    EXPECT_FALSE(TurnedIrrigationTextProblem({}));
    const std::pair<TurnedIrrigationTexts, std::string> turned[] = {
        {{"6/7", "30/08", "15", "50", "50", "4"}, "Starting date must be a day and month written dd/mm"},
        {{"01/07", "30/08", "0", "50", "50", "4"}, "Frequency (d) must be a whole number from 1 to 100"},
        {{"01/07", "30/08", "15", "-1", "50", "4"}, "Amount each (mm) must be a number not below 0"},
        {{"01/07", "30/08", "15", "50", "50", "15"}, "in \"n\" days before application must be a whole number from 0 to 14"},
        {{"01/07", "30/08", "10", "50", "50", "12"},
         "in \"n\" days before application must be a whole number from 0 to 9 (below the frequency): \"12\""},
    };
    for (const auto& [texts, message] : turned)
        EXPECT_EQ(TurnedIrrigationTextProblem(texts).value_or("").find(message), 0u) << message;
    const std::pair<OnDemandIrrigationTexts, std::string> onDemand[] = {
        {{"06/06", "09/09", "-5", "75"}, "ETP-rain  limit (mm) must be a number not below 0"},
        {{"06/06", "09/09", "50", "101"}, "Restoring (%) must be a number from 0 to 100"},
    };
    for (const auto& [texts, message] : onDemand)
        EXPECT_EQ(OnDemandIrrigationTextProblem(texts).value_or("").find(message), 0u) << message;
}

// 5 mm of ET a day from 6 June, the first day of the period: the deficit reaches exactly 50
// on 15 June (the limit is strict), 55 on 16 June, which gets 75 % of it; then every eleventh
// day. Rain lowers the deficit, below 0 too. A period of one day counts that day. A restoring
// of 0 % still restarts the count and rewrites the cell ("0.00" becomes "0"); a cell outside
// the period ("0.0" on 11 January) is left as written.
TEST(OnDemandIrrigation, Schedules)
{
    // day16June: the rain cell of 16 June afterwards.
    struct Case { const char* why; DayValue rain; OnDemandIrrigationTexts texts; std::vector<std::string> dates; const char* day16June; };
    const std::vector<std::string> everyEleventh = {"16/06/95", "27/06/95", "08/07/95", "19/07/95", "30/07/95", "10/08/95", "21/08/95", "01/09/95"};
    const Case cases[] = {
        {"initial texts", NoRain, {}, everyEleventh, "41.25"},
        {"20 mm on 6 June: -15, then 5 a day", [](int m, int d) { return m == 6 && d == 6 ? 20.0 : 0.0; }, {},
         {"20/06/95", "01/07/95", "12/07/95", "23/07/95", "03/08/95", "14/08/95", "25/08/95", "05/09/95"}, "0.00"},
        {"one day", NoRain, {"16/06", "16/06", "4", "75"}, {"16/06/95"}, "3.75"},
        {"restoring 0", NoRain, {"06/06", "09/09", "50", "0"}, everyEleventh, "0"},
    };
    for (const auto& c : cases) {
        Series s = Days(1995, 1995, c.rain, 5);
        s.sheet.setCellText(12, 2, "0.0");
        s.sheet.setCellText(2 + 31 + 28 + 31 + 30 + 31 + 15, 2, "0.00");
        const IrrigationRun run = ApplyOnDemandIrrigation(s.sheet, s.columns, 2, 3, c.texts);
        ASSERT_TRUE(run.outcome.done()) << c.why;
        EXPECT_EQ(Dates(run.applications), c.dates) << c.why;
        EXPECT_EQ(Rain(s, "16/06/95"), c.day16June) << c.why;
        EXPECT_EQ(Rain(s, "11/01/95"), "0.0") << c.why;
    }
}

} // namespace etp
