#include "models/CreamsTable.h"
#include "models/CreamsWriter.h"

#include <gtest/gtest.h>

#include "models/ModelFile.h"
#include "models/ModelSheets.h"

namespace etp {

namespace {

using namespace std::chrono;
using testing::Day;
using testing::Golden;
using testing::SeriesSheet;
using testing::StationColumns;

// Days `first` .. `first + count - 1`, Tmin = Tmax = t(i), radiation r(i).
std::vector<Day> Weather(year_month_day first, int count, const std::function<double(int)>& t, const std::function<double(int)>& r)
{
    return testing::Series(first, count, [&](int i, std::string date) {
        return Day{date, std::to_string(t(i)), std::to_string(t(i)), std::to_string(r(i)), "0", ""};
    });
}

std::vector<CreamsLine> LinesOf(const std::vector<Day>& days, const char* radiationUnit = "Cal cm^-2 d^-1")
{
    UnitSelection units;
    units.select(UnitKind::Radiation, radiationUnit);
    return CreamsMonthlyLines(SeriesSheet(days), StationColumns(), units);
}

std::string TableText(const std::vector<CreamsLine>& lines)
{
    CreamsTable table;
    table.fill(lines);
    return CreamsTemperatureRadiationText(table);
}

std::string RainFile(const std::vector<Day>& days) { return CreamsRainText(SeriesSheet(days), StationColumns(), 9); }

std::vector<Day> Rains(const std::vector<std::pair<std::string, std::string>>& dated)
{
    std::vector<Day> days;
    for (const auto& [date, rain] : dated) days.push_back({date, "10", "20", "300", rain, ""});
    return days;
}

} // namespace

// The one-year example of the temperature and radiation file; ten months, where each block
// is one full line and then one empty line.
TEST(CreamsTemperatureRadiationText, Examples)
{
    const char* temperatures[] = {"38.5", "41.2", "47.9", "55.", "63.1", "70.4", "75.8", "74.9", "67.3", "56.2", "45.8", "39.9"};
    const char* radiation[] = {"150.2", "221.7", "310.4", "402.", "480.3", "540.1", "560.8", "500.2", "390.6", "280.4", "170.5", "132.9"};
    std::vector<CreamsLine> lines;
    for (int m = 0; m < 12; ++m) lines.push_back({temperatures[m], radiation[m], std::to_string(m + 1), "1"});
    EXPECT_EQ(TableText(lines), Golden("creams_one_year.tr"));

    std::vector<Day> tenMonths;
    for (int m = 1; m <= 10; ++m)
        for (const char* d : {"01", "02"})
            tenMonths.push_back({d + std::string(m < 10 ? "/0" : "/") + std::to_string(m) + "/95", std::to_string(m - 1),
                                 std::to_string(m - 1), std::to_string(90 + 10 * m), "0", ""});
    EXPECT_EQ(TableText(LinesOf(tenMonths)), Golden("creams_ten_months.tr"));
}

// 15 March of one year to 10 February of the next: months count from January of the first
// year; a month without days after the first day repeats the year label.
TEST(CreamsMonthlyLines, MonthsCountFromJanuaryOfTheFirstYear)
{
    const auto days = Weather(year_month_day{1995y / March / 15}, 333, [](int i) { return i < 323 ? 10.0 : 20.0; }, [](int) { return 300; });
    const auto lines = LinesOf(days);
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[0], (CreamsLine{"no data", "no data", "-", ""}));
    EXPECT_EQ(lines[2], (CreamsLine{"50.", "300.", "3", "1"})); // 10 °C
    EXPECT_EQ(lines[11], (CreamsLine{"50.", "300.", "12", "1"}));
    // February of year 2 holds its days 1 to 10 only: 31 January is the last 10 °C day.
    EXPECT_EQ(lines[13], (CreamsLine{"68.", "300.", "2", "2"})); // 20 °C

    auto noDecember = Weather(year_month_day{1995y / November / 1}, 92, [](int) { return 5.0; }, [](int) { return 100; });
    noDecember.erase(noDecember.begin() + 30, noDecember.begin() + 61);
    EXPECT_EQ(LinesOf(noDecember)[11], (CreamsLine{"no data", "no data", "-", "1"}));
}

// A mean of 20 in each unit: 20 MJ m-2 is 20 x 24.072 langleys (0.408 mm per MJ at 59
// cal cm-2 per mm); 20 W m-2 over a day is 1.728 MJ m-2, 41.6 langleys.
TEST(CreamsMonthlyLines, RadiationInLangleysByUnit)
{
    const std::pair<const char*, const char*> cases[] = {{"MJ m^-2", "481.4"}, {"watt m^-2", "41.6"}, {"kJ m^-2", ".5"}, {"Cal cm^-2 d^-1", "20."}};
    const auto days = Weather(year_month_day{1995y / January / 1}, 30, [](int) { return 0; }, [](int i) { return i % 2 ? 19.0 : 21.0; }); // a mean of 20
    for (const auto& [unit, langleys] : cases) EXPECT_EQ(LinesOf(days, unit).at(0)[1], langleys) << unit;
}

// Below 0 °F the field keeps its sign and is nine characters wide. Ten years are 120 months,
// but the grid shows 119: each block ends after the eleventh field of the last year, and the
// radiation block starts on a new line. Titles without days give no lines and empty files.
TEST(CreamsTable, NegativeMeansAtMost119MonthsAndNoDays)
{
    const auto negative = LinesOf(Weather(year_month_day{1995y / January / 1}, 3, [](int) { return -20.7222; }, [](int) { return 0; }));
    EXPECT_EQ(negative.at(0)[0], "-5.3");
    EXPECT_EQ(TableText(negative), "-00005.30\r\r\n     .00\r\r\n");

    CreamsTable table;
    table.fill(LinesOf(Weather(year_month_day{1990y / January / 1}, 3652, [](int) { return 0; }, [](int) { return 1; })));
    EXPECT_EQ(table.text(120, 3), "11");
    EXPECT_EQ(table.text(121, 1), "");
    const auto written = testing::Lines(CreamsTemperatureRadiationText(table), "\r\r\n");
    ASSERT_EQ(written.size(), 41u); // 20 lines a block, then nothing after the last line end
    EXPECT_EQ(written[19], "   32.00");
    EXPECT_EQ(written[20].substr(0, 8), "    1.00");

    const auto sheet = SeriesSheet({});
    table.fill(CreamsMonthlyLines(sheet, StationColumns(), UnitSelection{}));
    EXPECT_EQ(table.text(1, 2), "Rad Lang");
    EXPECT_EQ(CreamsTemperatureRadiationText(table), "");
    EXPECT_EQ(CreamsRainText(sheet, StationColumns(), 9), std::string(10, ' '));
}

TEST(CreamsWriters, RefuseWhatTheTableOrTheRainFileCannotHold)
{
    auto hundredYears = Rains({{"01/01/1900", "0"}});
    for (int year = 1901; year <= 2000; ++year) hundredYears.push_back({"01/01/" + std::to_string(year), "10", "20", "300", "0", ""});
    const std::vector<Day> tooManyDays(36501, Day{"01/01/95", "", "", "", "0", ""});
    std::vector<std::pair<std::string, std::string>> jumping;
    for (int i = 0; i < 30; ++i) jumping.insert(jumping.end(), {{"01/01/00", "0"}, {"01/01/99", "0"}});
    const std::pair<std::function<void()>, std::string> cases[] = {
        {[&] { LinesOf(hundredYears); },
         "The CREAMS table holds at most 1200 months (100 years); row 102 (\"01/01/2000\") falls in month 1201."},
        {[] { LinesOf({{"01/01/95", "10", "20", "1e999", "0", ""}}); },
         "The value in row 2, column 6 is too large to be written: \"1e999\""},
        {[&] { LinesOf(tooManyDays); }, "The CREAMS table holds at most 36500 days; the data sheet has 36501."},
        {[&] { RainFile(Rains(jumping)); },
         "The CREAMS rain file would hold more than 1000000 days: the dates jump at row 57 (\"01/01/99\")."},
    };
    for (const auto& [write, message] : cases) EXPECT_EQ(testing::RefusalOf(write), message);
}

// The made-up daily rains of the first line: 0, 12.7, 30, 0, 0, 1.8, 0, 0, 60, 0 mm. Missing
// days are filled, the leap day is not.
TEST(CreamsRainText, FirstLineExampleAndMissingDays)
{
    const char* rains[] = {"0", "12.7", "30", "0", "0", "1.8", "0", "0", "60", "0"};
    const auto days = testing::Series(year_month_day{1995y / January / 1}, 10, [&](int i, std::string date) { return Day{date, "", "", "", rains[i], ""}; });
    EXPECT_EQ(RainFile(days), Golden("creams_ten_days.rn"));

    // 1 and 2 March are missing; 29 February and 1 March share a day number; back from 99 to
    // 00 there is no filler.
    const std::string start(10, ' ');
    EXPECT_EQ(RainFile(Rains({{"28/02/95", "2.54"}, {"03/03/95", "25.4"}})), start + "  .10  .00  .00 1.00");
    EXPECT_EQ(RainFile(Rains({{"28/02/96", "0"}, {"29/02/96", "2.54"}, {"01/03/96", "5.08"}, {"02/03/96", "0"}})),
              start + "  .00  .10  .20  .00");
    EXPECT_EQ(RainFile(Rains({{"31/12/99", "0"}, {"01/01/00", "0"}})), start + "  .00  .00");
    EXPECT_EQ(RainFile(Rains({{"01/01/95", "-12.7"}, {"02/01/95", "2540"}})), start + "-00.50100.00");
}

TEST(CreamsRainLineBreak, TenFieldsALineAndFiveAtEachYearEndForFiveYears)
{
    const std::pair<long, bool> cases[] = {{9, false}, {10, true}, {364, false}, {365, true}, {370, false}, {375, true}, {1830, false}};
    for (const auto& [fields, breaks] : cases) EXPECT_EQ(CreamsRainLineBreak(fields), breaks) << fields;
}

} // namespace etp
