#include "irrigation/Irrigation.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

#include "support/ScriptedUserInterface.h"

namespace etp {

namespace {

using testing::ScriptedUserInterface;

// Columns: DATE, RAIN, ET. One row per day of the given years, rain and ET from functions of
// (year, month, day).
struct Series {
    MeteoSheet sheet;
    ColumnMap columns;
};

using DayValue = std::function<double(int, int, int)>;

Series Days(int firstYear, int lastYear, const DayValue& rain, const DayValue& et = [](int, int, int) { return 0.0; })
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    Series s;
    s.columns.text[DateBox] = "1";
    s.sheet.setBlockText(1, 1, 100, "DATE\tRAIN\tPenMon");
    int row = 2;
    for (int year = firstYear; year <= lastYear; ++year)
        for (int month = 1; month <= 12; ++month) {
            const int days = kDays[month - 1] + (month == 2 && year % 4 == 0 ? 1 : 0);
            for (int day = 1; day <= days; ++day) {
                char line[64];
                std::snprintf(line, sizeof line, "%02d/%02d/%02d\t%g\t%g", day, month, year % 100,
                              rain(year, month, day), et(year, month, day));
                s.sheet.setBlockText(row++, 1, 100, line);
            }
        }
    return s;
}

double NoRain(int, int, int) { return 0; }

std::vector<std::string> Dates(const std::vector<IrrigationApplication>& applications)
{
    std::vector<std::string> dates;
    for (const auto& a : applications) dates.push_back(a.date);
    return dates;
}

std::string Cell(const Series& s, const std::string& date, int column)
{
    for (int r = 2; r <= s.sheet.lastNonEmptyRow(); ++r)
        if (s.sheet.cellText(r, 1) == date) return std::string(s.sheet.cellText(r, column));
    return "missing";
}

} // namespace

TEST(TurnedIrrigation, InitialTextsWaterEveryFifteenCountedDaysFromTheSecondOfJuly)
{
    Series s = Days(1995, 1996, NoRain);
    ScriptedUserInterface ui;
    const auto applied = ApplyTurnedIrrigation(s.sheet, s.columns, {}, ui);
    ASSERT_TRUE(applied);
    EXPECT_EQ(Dates(*applied), (std::vector<std::string>{"16/07/95", "31/07/95", "15/08/95", "30/08/95", "16/07/96",
                                                          "31/07/96", "15/08/96", "30/08/96"}));
    EXPECT_EQ(Cell(s, "16/07/95", 2), "50");
    EXPECT_EQ(Cell(s, "17/07/95", 2), "0");
    EXPECT_EQ(applied->front().amount, 50);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(TurnedIrrigation, WindowOfTheApplicationDayAndNDaysBeforeStrictThreshold)
{
    // 10 mm on each of 12..16 July: the window of 16 July holds exactly 50 mm.
    Series exact = Days(1995, 1995, [](int, int m, int d) { return m == 7 && d >= 12 && d <= 16 ? 10.0 : 0.0; });
    ScriptedUserInterface ui;
    auto applied = ApplyTurnedIrrigation(exact.sheet, exact.columns, {}, ui);
    EXPECT_EQ(Dates(*applied).front(), "31/07/95");
    EXPECT_EQ(Cell(exact, "16/07/95", 2), "10");

    // 9.98 mm a day: 49.9 mm, and the day's own rain gets the water on top.
    Series below = Days(1995, 1995, [](int, int m, int d) { return m == 7 && d >= 12 && d <= 16 ? 9.98 : 0.0; });
    applied = ApplyTurnedIrrigation(below.sheet, below.columns, {}, ui);
    EXPECT_EQ(Dates(*applied).front(), "16/07/95");
    EXPECT_EQ(Cell(below, "16/07/95", 2), "59.98");

    // Rain on 11 July lies outside the window of five days.
    Series outside = Days(1995, 1995, [](int, int m, int d) { return m == 7 && d == 11 ? 80.0 : 0.0; });
    applied = ApplyTurnedIrrigation(outside.sheet, outside.columns, {}, ui);
    EXPECT_EQ(Dates(*applied).front(), "16/07/95");
}

TEST(TurnedIrrigation, SumsAreWrittenAsShortDecimals)
{
    Series s = Days(1995, 1995, [](int, int m, int d) { return m == 7 && d == 16 ? 2.4 : 0.0; });
    TurnedIrrigationTexts texts;
    texts.amount = "50";
    ScriptedUserInterface ui;
    ApplyTurnedIrrigation(s.sheet, s.columns, texts, ui);
    EXPECT_EQ(Cell(s, "16/07/95", 2), "52.4");
}

TEST(TurnedIrrigation, ASkippedApplicationRestartsTheCountAndLeftoverDaysCarryIntoNextYear)
{
    // Rain skips 16 July; the next application is still 31 July.
    Series wet = Days(1995, 1995, [](int, int m, int d) { return m == 7 && d == 16 ? 60.0 : 0.0; });
    ScriptedUserInterface ui;
    auto applied = ApplyTurnedIrrigation(wet.sheet, wet.columns, {}, ui);
    EXPECT_EQ(Dates(*applied), (std::vector<std::string>{"31/07/95", "15/08/95", "30/08/95"}));

    // 2 July to 31 August: 61 counted days; the leftover day makes 15 July the first of 1996.
    Series two = Days(1995, 1996, NoRain);
    TurnedIrrigationTexts texts;
    texts.end = "31/08";
    applied = ApplyTurnedIrrigation(two.sheet, two.columns, texts, ui);
    EXPECT_EQ(Dates(*applied), (std::vector<std::string>{"16/07/95", "31/07/95", "15/08/95", "30/08/95", "15/07/96",
                                                          "30/07/96", "14/08/96", "29/08/96"}));
}

TEST(TurnedIrrigation, TwentyNinthOfFebruaryAndFirstOfMarchBothCount)
{
    Series leap = Days(1996, 1996, NoRain);
    TurnedIrrigationTexts texts{"27/02", "10/03", "3", "20", "50", "0"};
    ScriptedUserInterface ui;
    const auto applied = ApplyTurnedIrrigation(leap.sheet, leap.columns, texts, ui);
    // Counted: 28/02, 29/02, 01/03 (both day 60), 02/03, ...
    EXPECT_EQ(Dates(*applied), (std::vector<std::string>{"01/03/96", "04/03/96", "07/03/96", "10/03/96"}));
}

TEST(TurnedIrrigation, PeriodsThatMatchNoDayChangeNothing)
{
    Series s = Days(1995, 1995, NoRain);
    ScriptedUserInterface ui;
    EXPECT_TRUE(ApplyTurnedIrrigation(s.sheet, s.columns, {"30/08", "01/07", "15", "50", "50", "4"}, ui)->empty());
}

TEST(TurnedIrrigation, TextsOutOfRangeAreRefusedBeforeAnythingChanges)
{
    const std::vector<std::pair<TurnedIrrigationTexts, std::string>> cases = {
        {{"6/7", "30/08", "15", "50", "50", "4"}, "Starting date must be a day and month written dd/mm"},
        {{"01/07", "31/02", "15", "50", "50", "4"}, "Ending date must be"},
        {{"01/07", "30/08", "0", "50", "50", "4"}, "Frequency (d) must be a whole number from 1 to 100"},
        {{"01/07", "30/08", "101", "50", "50", "4"}, "Frequency (d) must be"},
        {{"01/07", "30/08", "7.5", "50", "50", "4"}, "Frequency (d) must be"},
        {{"01/07", "30/08", "15", "-1", "50", "4"}, "Amount each (mm) must be a number not below 0"},
        {{"01/07", "30/08", "15", "50", "abc", "4"}, "greater than (mm) must be"},
        {{"01/07", "30/08", "15", "50", "50", "15"}, "in \"n\" days before application must be a whole number from 0 to 14"},
    };
    for (const auto& [texts, message] : cases) {
        Series s = Days(1995, 1995, NoRain);
        ScriptedUserInterface ui;
        EXPECT_FALSE(ApplyTurnedIrrigation(s.sheet, s.columns, texts, ui));
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].find("ETP computation|" + message), 0u) << ui.messages[0];
        EXPECT_EQ(Cell(s, "16/07/95", 2), "0");
    }
}

TEST(Irrigation, WithoutRainColumnNothingChanges)
{
    Series s = Days(1995, 1995, NoRain, [](int, int, int) { return 5.0; });
    s.sheet.setCellText(1, 2, "WATER");
    ScriptedUserInterface ui;
    EXPECT_FALSE(ApplyTurnedIrrigation(s.sheet, s.columns, {}, ui));
    EXPECT_FALSE(ApplyOnDemandIrrigation(s.sheet, s.columns, 3, {}, ui));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"ETP computation|No rain in data sheet",
                                                      "ETP computation|No rain in data sheet"}));
    EXPECT_EQ(ui.pointer(), Pointer::Normal);
}

TEST(OnDemandIrrigation, FiveMillimetresADayWaterOnTheEleventhDay)
{
    Series s = Days(1995, 1995, NoRain, [](int, int, int) { return 5.0; });
    ScriptedUserInterface ui;
    const auto applied = ApplyOnDemandIrrigation(s.sheet, s.columns, 3, {}, ui);
    ASSERT_TRUE(applied);
    // 6 June is the first day of the period: 55 mm on 16 June, then every eleventh day.
    ASSERT_GE(applied->size(), 2u);
    EXPECT_EQ((*applied)[0].date, "16/06/95");
    EXPECT_EQ((*applied)[1].date, "27/06/95");
    EXPECT_EQ(Cell(s, "16/06/95", 2), "41.25");
    EXPECT_EQ(Dates(*applied).back(), "01/09/95"); // 8 waterings, 11 days apart

    // A period of one day: starting and ending day both count.
    Series one = Days(1995, 1995, NoRain, [](int, int, int) { return 5.0; });
    const auto single = ApplyOnDemandIrrigation(one.sheet, one.columns, 3, {"16/06", "16/06", "4", "75"}, ui);
    EXPECT_EQ(Dates(*single), (std::vector<std::string>{"16/06/95"}));
    EXPECT_EQ(Cell(one, "16/06/95", 2), "3.75");
}

TEST(OnDemandIrrigation, LimitIsStrictRainLowersTheDeficitAndTheDeficitCarriesOver)
{
    // 5 mm a day from the first day reaches exactly 50 on 15 June: no water then.
    Series s = Days(1995, 1995, [](int, int m, int d) { return m == 6 && d == 16 ? 4.0 : 0.0; },
                    [](int, int, int) { return 5.0; });
    OnDemandIrrigationTexts texts;
    ScriptedUserInterface ui;
    auto applied = ApplyOnDemandIrrigation(s.sheet, s.columns, 3, texts, ui);
    // 16 June: 50 + (5 - 4) = 51 > 50: 38.25 on top of 4 mm.
    EXPECT_EQ((*applied)[0].date, "16/06/95");
    EXPECT_EQ(Cell(s, "16/06/95", 2), "42.25");

    // A wet spell pushes the deficit below 0 and postpones the next watering.
    Series wet = Days(1995, 1995, [](int, int m, int d) { return m == 6 && d == 6 ? 20.0 : 0.0; },
                      [](int, int, int) { return 5.0; });
    applied = ApplyOnDemandIrrigation(wet.sheet, wet.columns, 3, texts, ui);
    EXPECT_EQ((*applied)[0].date, "20/06/95"); // -15 on 6 June, then 5 a day: 55 on 20 June
}

TEST(OnDemandIrrigation, RestoringZeroStillRestartsAndRewritesTheCell)
{
    Series s = Days(1995, 1995, [](int, int, int) { return 0.0; }, [](int, int, int) { return 5.0; });
    s.sheet.setCellText(12, 2, "0.0"); // 11 January: outside the period, untouched
    const int row16June = 2 + 31 + 28 + 31 + 30 + 31 + 15;
    s.sheet.setCellText(row16June, 2, "0.00");
    ScriptedUserInterface ui;
    const auto applied = ApplyOnDemandIrrigation(s.sheet, s.columns, 3, {"06/06", "09/09", "50", "0"}, ui);
    EXPECT_EQ((*applied)[0].amount, 0);
    EXPECT_EQ((*applied)[1].date, "27/06/95");
    EXPECT_EQ(s.sheet.cellText(row16June, 2), "0");
    EXPECT_EQ(s.sheet.cellText(12, 2), "0.0");
}

TEST(OnDemandIrrigation, TextsOutOfRangeAreRefused)
{
    const std::vector<std::pair<OnDemandIrrigationTexts, std::string>> cases = {
        {{"06-06", "09/09", "50", "75"}, "Starting date must be"},
        {{"06/06", "32/09", "50", "75"}, "Ending date must be"},
        {{"06/06", "09/09", "-5", "75"}, "ETP-rain  limit (mm) must be a number not below 0"},
        {{"06/06", "09/09", "50", "101"}, "Restoring (%) must be a number from 0 to 100"},
    };
    for (const auto& [texts, message] : cases) {
        Series s = Days(1995, 1995, NoRain, [](int, int, int) { return 5.0; });
        ScriptedUserInterface ui;
        EXPECT_FALSE(ApplyOnDemandIrrigation(s.sheet, s.columns, 3, texts, ui));
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].find("ETP computation|" + message), 0u) << ui.messages[0];
    }
}

} // namespace etp

namespace etp {

TEST(IrrigationTexts, ProblemsAreFoundWithoutASheet)
{
    EXPECT_FALSE(TurnedIrrigationTextProblem({}));
    EXPECT_FALSE(OnDemandIrrigationTextProblem({}));
    const auto turned = TurnedIrrigationTextProblem({"01/07", "30/08", "10", "50", "50", "12"});
    ASSERT_TRUE(turned);
    EXPECT_EQ(*turned, "in \"n\" days before application must be a whole number from 0 to 9 (below the frequency): \"12\"");
    // The first text out of range is named.
    EXPECT_EQ(OnDemandIrrigationTextProblem({"00/06", "09/09", "-1", "75"})->rfind("Starting date", 0), 0u);
}

} // namespace etp
