#include "workbench/IrrigationCommands.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "support/ScriptedUserInterface.h"
#include "support/SheetBuilder.h"

namespace etp {

namespace {

// 1 June to 30 September 1995 (rows 2-123) with `rain` every day and 5 mm of PenMon.
Workbench Summer(const std::string& rain)
{
    Workbench workbench;
    workbench.columns.set(ColumnBox::Date, "1");
    testing::SetRow(workbench.sheet, 1, "DATE\tRAIN\tPenMon");
    int row = 2;
    for (const int month : {6, 7, 8, 9})
        for (int day = 1; day <= (month == 7 || month == 8 ? 31 : 30); ++day) {
            char date[16];
            std::snprintf(date, sizeof date, "%02d/%02d/95", day, month);
            workbench.sheet.setCellText(row, 1, date);
            workbench.sheet.setCellText(row, 2, rain);
            workbench.sheet.setCellText(row++, 3, "5");
        }
    return workbench;
}

std::vector<std::string> Cells(const MeteoSheet& sheet)
{
    std::vector<std::string> cells;
    for (int r = 1; r <= 123; ++r)
        for (int c = 1; c <= 3; ++c) cells.emplace_back(sheet.cellText(r, c));
    return cells;
}

std::vector<std::pair<std::string, double>> Applied(const std::vector<IrrigationApplication>& applications)
{
    std::vector<std::pair<std::string, double>> applied;
    for (const auto& a : applications) applied.emplace_back(a.date, a.amount);
    return applied;
}

} // namespace

// The dialog's choice reads the rightmost column with the chosen label (one beep per
// column carrying it); a label no column carries any more refuses before the texts are
// read and keeps the list; each Apply replaces the list of the last one.
TEST(IrrigationCommands, OnDemandKeepsTheApplicationsOfTheLastApply)
{
    Workbench workbench;
    testing::ScriptedUserInterface ui;
    workbench.columns.set(ColumnBox::Date, "1");
    testing::SetRow(workbench.sheet, 1, "DATE\tRAIN\tPenMon\tP-T\tPenMon");
    for (int day = 1; day <= 30; ++day)
        testing::SetRow(workbench.sheet, day + 1, (day < 10 ? "0" : "") + std::to_string(day) + "/06/95\t0\t2\t1\t5");
    MethodChoice choice;
    ASSERT_TRUE(FillMethodChoice(choice, workbench.sheet));
    ASSERT_TRUE(choice.selectLabel("PenMon"));
    EXPECT_TRUE(ApplyOnDemand(workbench, choice, {}, ui));
    EXPECT_EQ(ui.beeps, 2);
    ASSERT_EQ(workbench.onDemandApplications.size(), 2u); // 5 mm a day: 16 and 27 June
    EXPECT_EQ(workbench.onDemandApplications[1].date, "27/06/95");
    EXPECT_TRUE(ui.messages.empty());

    workbench.sheet.setCellText(1, 3, "ET");
    workbench.sheet.setCellText(1, 5, "ET");
    EXPECT_FALSE(ApplyOnDemand(workbench, choice, {"bad", "", "", ""}, ui));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"ETP computation|You dont have computed the ETP!!"}));
    EXPECT_EQ(workbench.onDemandApplications.size(), 2u);

    ASSERT_TRUE(choice.selectLabel("P-T"));
    EXPECT_TRUE(ApplyOnDemand(workbench, choice, {}, ui)); // 1 mm a day: no water by 30 June
    EXPECT_TRUE(workbench.onDemandApplications.empty());
}

// A text out of range is named before the pointer turns busy; a sheet without a rain
// column says so under it. Neither changes the sheet or the kept applications.
TEST(IrrigationCommands, RefusalsAreShownAndChangeNothing)
{
    Workbench workbench;
    workbench.columns.set(ColumnBox::Date, "1");
    testing::SetRow(workbench.sheet, 1, "DATE\tRAIN\tPenMon");
    testing::SetRow(workbench.sheet, 2, "16/07/95\t0\t5");
    workbench.turnedApplications = {{2, "16/07/95", 50}};
    testing::ScriptedUserInterface ui;
    EXPECT_FALSE(ApplyTurned(workbench, {"01/07", "30/08", "0", "50", "50", "4"}, ui));
    EXPECT_TRUE(ui.pointers.empty());
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"ETP computation|Frequency (d) must be a whole number from 1 to 100: \"0\""}));
    EXPECT_EQ(ui.icons, (std::vector<Icon>{Icon::Exclamation}));

    workbench.sheet.setCellText(1, 2, "WATER");
    ui.messages.clear();
    ui.icons.clear();
    EXPECT_FALSE(ApplyOnDemand(workbench, "PenMon", {}, ui));
    EXPECT_EQ(ui.messages, std::vector<std::string>{"ETP computation|No rain in data sheet"});
    EXPECT_EQ(ui.pointers, (std::vector<Pointer>{Pointer::Busy, Pointer::Normal}));
    EXPECT_EQ(workbench.turnedApplications.size(), 1u);
}

// Days without a value in the period refuse the Apply, named with their dates, with no
// cell changed and the last applications kept; a day outside the period (the turned start
// day is not counted) is not read. A text or a logger code in the rain is refused too.
TEST(IrrigationCommands, AGapInThePeriodRefusesWithNoCellChanged)
{
    const auto turned = [](Workbench& w, UserInterface& ui) { return ApplyTurned(w, {}, ui); };
    const auto onDemand = [](Workbench& w, UserInterface& ui) { return ApplyOnDemand(w, "PenMon", {}, ui); };
    const struct {
        int row, column;
        const char* text;
        std::function<bool(Workbench&, UserInterface&)> apply;
        std::string refusal; // empty: applied
    } cases[] = {
        {41, 2, "n.d.", turned,
         "RAIN: 1 day missing: row 41 (10/07/95)\nThe turned irrigation was not applied: fill the cells (temperatures "
         "and rain are never estimated)."},
        {32, 2, "n.d.", turned, ""}, // 1 July
        {7, 3, "", onDemand,
         "PenMon: 1 day missing: row 7 (06/06/95)\nThe on-demand irrigation was not applied: compute the ET again with "
         "the estimates of Option > Missing data, or fill the cells."},
        {101, 2, "-9999", onDemand,
         "RAIN: 1 day missing: row 101 (08/09/95)\nThe on-demand irrigation was not applied: fill the cells "
         "(temperatures and rain are never estimated)."},
        {6, 3, "n.d.", onDemand, ""}, // 5 June
    };
    for (const auto& c : cases) {
        Workbench workbench = Summer("0");
        workbench.sheet.setCellText(c.row, c.column, c.text);
        workbench.turnedApplications = workbench.onDemandApplications = {{2, "01/06/95", 7}};
        const auto before = Cells(workbench.sheet);
        testing::ScriptedUserInterface ui;
        EXPECT_EQ(c.apply(workbench, ui), c.refusal.empty()) << c.row;
        if (c.refusal.empty()) {
            EXPECT_TRUE(ui.messages.empty()) << c.row;
            EXPECT_NE(Cells(workbench.sheet), before) << c.row;
            continue;
        }
        EXPECT_EQ(ui.messages, std::vector<std::string>{"ETP computation|" + c.refusal});
        EXPECT_EQ(ui.icons, std::vector<Icon>{Icon::Critical});
        EXPECT_EQ(Cells(workbench.sheet), before) << c.row;
        EXPECT_EQ(workbench.turnedApplications.size() + workbench.onDemandApplications.size(), 2u) << c.row;
    }
}

// Rain is commonly left empty on dry days: empty rain schedules as 0 mm, and the water
// goes into the empty cell.
TEST(IrrigationCommands, EmptyRainIsNoRain)
{
    Workbench dry = Summer("0"), empty = Summer("");
    testing::ScriptedUserInterface ui;
    ASSERT_TRUE(ApplyTurned(dry, {}, ui) && ApplyTurned(empty, {}, ui));
    ASSERT_TRUE(ApplyOnDemand(dry, "PenMon", {}, ui) && ApplyOnDemand(empty, "PenMon", {}, ui));
    EXPECT_EQ(Applied(empty.turnedApplications), Applied(dry.turnedApplications));
    EXPECT_EQ(Applied(empty.onDemandApplications), Applied(dry.onDemandApplications));
    EXPECT_EQ(empty.turnedApplications.size(), 4u); // 16 and 31 July, 15 and 30 August
    EXPECT_EQ(empty.sheet.cellText(47, 2), "50");    // 16 July
    EXPECT_TRUE(ui.messages.empty());
}

} // namespace etp
