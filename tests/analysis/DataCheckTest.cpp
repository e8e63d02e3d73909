#include "analysis/DataCheck.h"

#include <gtest/gtest.h>

#include "support/ScriptedUserInterface.h"
#include "support/SheetBuilder.h"
#include "workbench/SettingCommands.h"
#include "workbench/FileCommands.h"

namespace etp {

namespace {

Workbench Station(const std::vector<std::string>& days)
{
    Workbench workbench;
    std::string text = std::string(testing::kStationTitles) + "\r\n";
    for (const auto& line : days) text += line + "\r\n";
    ReadTextLines(workbench.sheet, text);
    testing::ScriptedUserInterface ui;
    TryAutoFinding(workbench, ui);
    workbench.station = {"45", "100", "2"};
    return workbench;
}

const CheckFinding* Find(const DataCheckReport& report, const std::string& variable, const std::string& problem)
{
    for (const auto& finding : report.findings)
        if (finding.variable == variable && finding.problem.find(problem) != std::string::npos) return &finding;
    return nullptr;
}

} // namespace

TEST(CheckData, FindsEachKindOfProblemWithItsFirstRows)
{
    const Workbench workbench = Station({
        "01/06/95\t12\t28\t40\t90\t22\t2\t10\t0",   // row 2: fine
        "02/06/95\t\t28\t40\t90\t22\t2\t10\t0",     // row 3: empty T min
        "04/06/95\t12\tn.d.\t40\t90\t22\t2\t10\t0", // row 4: gap before, T max not a number
        "04/06/95\t30\t28\t-5\t105\t22\t2\t10\t0",  // row 5: same date, T min > T max, RH out of range
        "03/06/95\t12\t28\t40\t90\t-1\t-2\t17\t0",  // row 6: earlier, negatives, sunshine above N
        "31/02/95\t12\t28\t40\t90\t22\t2\t10\t0",   // row 7: not a date
        "05/06/1995\t12\t28\t-9999\t90\t40\t2,5\t10\t0", // row 8: a four-digit year is fine; a logger code; 40 MJ above clear sky
    });
    const DataCheckReport report = CheckData(workbench);
    struct Expected { const char* variable; const char* problem; int count; std::vector<int> rows; };
    const Expected expected[] = {
        {"T° min", "empty cell: missing", 1, {3}},
        {"T° max", "no number: missing", 1, {4}},
        {"U.R. min", "code -9999: missing", 1, {8}},
        {"Wind", "not a number, read as its leading number (\"2,5\" as 2)", 1, {8}},
        {"Date", "days missing", 2, {4, 8}},
        {"Date", "the same date", 1, {5}},
        {"T° min", "above T° max", 1, {5}},
        {"U.R. min", "outside 0-100 %", 1, {5}},
        {"U.R. max", "outside 0-100 %", 1, {5}},
        {"Date", "earlier than the row before", 1, {6}},
        {"Rad.", "negative", 1, {6}},
        {"Wind", "negative", 1, {6}},
        {"Suns. dur.", "above the day's daylight hours (15.2 h)", 1, {6}},
        {"Date", "not a date", 1, {7}},
        {"Rad.", "above the clear-sky radiation", 1, {8}},
    };
    for (const auto& e : expected) {
        const CheckFinding* finding = Find(report, e.variable, e.problem);
        ASSERT_NE(finding, nullptr) << e.variable << ": " << e.problem << "\n" << CheckReportText(report);
        EXPECT_EQ(finding->count, e.count) << e.problem;
        EXPECT_EQ(finding->firstRows, e.rows) << e.problem;
    }
}

// Notes on the units, the wind height and polar days; without a date column only that is said.
TEST(CheckData, NotesUnitsWindHeightAndPolarDaysOrTheMissingDateColumn)
{
    Workbench workbench = Station({"21/06/95\t12\t28\t40\t90\t22\t2\t10\t0"});
    workbench.station = {"89", "0", "10"};
    const DataCheckReport report = CheckData(workbench);
    EXPECT_NE(Find(report, "Station", "polar day or night"), nullptr);
    EXPECT_NE(Find(report, "Rad.", "RAD read as MJ m^-2: mean 22.0 MJ m-2 d-1"), nullptr);
    EXPECT_NE(Find(report, "Wind", "WIND read as m s^-1: mean 2.0 m s-1"), nullptr);
    EXPECT_NE(Find(report, "Wind", "measured at 10 m: converted to 2 m"), nullptr);

    Workbench noDateColumn = workbench;
    noDateColumn.columns.set(ColumnBox::Date, "?");
    const DataCheckReport noDate = CheckData(noDateColumn);
    ASSERT_EQ(noDate.findings.size(), 1u);
    EXPECT_EQ(noDate.findings[0].variable, "Date");
    EXPECT_TRUE(noDate.findings[0].rows.empty()); // no row to select, and none shown as row 0
    EXPECT_TRUE(noDate.hasProblems());
    // No file open: nothing to check, and the report says what to do.
    const DataCheckReport empty = CheckData(Workbench{});
    EXPECT_TRUE(empty.findings.empty());
    EXPECT_EQ(CheckReportText(empty), "No data to check: open a station file first (File > Open).\n");

    // The desktop program selects the cells of a finding: its variable's column (the box, not
    // the order of the names, decides), none for the station.
    workbench.columns.set(ColumnBox::Tmax, "5");
    const std::pair<std::optional<ColumnBox>, int> cases[] = {
        {ColumnBox::Date, 1}, {ColumnBox::Tmax, 5}, {ColumnBox::Sunshine, 8}, {ColumnBox::Tdew, 0}, {std::nullopt, 0}};
    for (const auto& [box, column] : cases)
        EXPECT_EQ(FindingColumn({"", "", 0, {}, true, {}, {}, box}, workbench.columns), column) << column;
}

// A problem of many rows is one line: the count, the first five rows with their dates,
// and every row for the desktop program to select; details of one row only where it is the only one.
TEST(CheckData, OneLinePerKindAndVariable)
{
    std::vector<std::string> days;
    for (int day = 1; day <= 8; ++day)
        days.push_back((day < 10 ? "0" : "") + std::to_string(day) + "/06/95\t12\t28\t40\t90\t22\t2,5\t17\t0");
    const DataCheckReport report = CheckData(Station(days));
    for (const auto& [variable, problem] : {std::pair{"Suns. dur.", "above the day's daylight hours"},
                                            std::pair{"Wind", "not a number, read as its leading number"}}) {
        int lines = 0;
        for (const auto& finding : report.findings)
            if (finding.variable == variable && finding.problem.starts_with(problem)) {
                ++lines;
                EXPECT_EQ(finding.problem, problem); // no one day's details
                EXPECT_EQ(finding.count, 8);
                EXPECT_EQ(finding.firstRows, (std::vector<int>{2, 3, 4, 5, 6}));
                EXPECT_EQ(FirstRowsText(finding), "2 (01/06/95), 3 (02/06/95), 4 (03/06/95), 5 (04/06/95), 6 (05/06/95)");
                EXPECT_EQ(finding.rows, (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9}));
            }
        EXPECT_EQ(lines, 1) << problem << "\n" << CheckReportText(report);
    }
}

TEST(CheckData, SilentOnTheSampleStation)
{
    Workbench workbench;
    testing::ScriptedUserInterface ui;
    ui.openFiles.push_back(std::string(ETP_SOURCE_DIR) + "/samples/station.txt");
    ASSERT_TRUE(OpenFile(workbench, ui));
    TryAutoFinding(workbench, ui);
    workbench.station = {"44.5", "120", "10"};
    const DataCheckReport report = CheckData(workbench);
    EXPECT_FALSE(report.hasProblems()) << CheckReportText(report);
    EXPECT_EQ(report.rows, 731);
}

// A dew point above T max is no humidity on its day; a temperature series whose extremes
// leave -90 to 60 °C in the unit chosen is reported with the unit that fits. Year and
// day-of-year columns are checked as a date.
TEST(CheckData, DewPointAndTheTemperatureUnit)
{
    Workbench workbench;
    ReadTextLines(workbench.sheet, "YEAR\tDOY\tMN\tMX\tYM\r\n2020\t1\t23\t41\t30\r\n2020\t2\t25\t44\t45\r\n"
                                   "2020\t4\t30\t95\t28\r\n");
    testing::ScriptedUserInterface ui;
    TryAutoFinding(workbench, ui); // AgriMet's codes: °F
    const DataCheckReport agrimet = CheckData(workbench);
    EXPECT_FALSE(Find(agrimet, "T° max", "unit?"));
    const CheckFinding* dew = Find(agrimet, "T° dew", "above T° max");
    ASSERT_TRUE(dew);
    EXPECT_EQ(dew->rows, (std::vector<int>{3}));
    EXPECT_TRUE(Find(agrimet, "Date", "days missing"));

    workbench.units.select(UnitKind::Temperature, "°C"); // 95 °C: no station has seen it
    const DataCheckReport celsius = CheckData(workbench);
    const CheckFinding* unit = Find(celsius, "T° max", "unit? read as °C");
    ASSERT_TRUE(unit);
    EXPECT_NE(unit->problem.find("likely °F"), std::string::npos) << unit->problem;
    EXPECT_TRUE(unit->isProblem);
    EXPECT_FALSE(Find(celsius, "T° min", "unit?")); // 23 to 30 fits °C
    workbench.units.select(UnitKind::Temperature, "K"); // 23 K is -250 °C
    const DataCheckReport kelvin = CheckData(workbench);
    ASSERT_TRUE(Find(kelvin, "T° min", "unit?"));
    EXPECT_NE(Find(kelvin, "T° min", "unit?")->problem.find("likely °C"), std::string::npos);
}

} // namespace etp
