#include "workbench/IrrigationCommands.h"

#include <gtest/gtest.h>

#include "support/ScriptedUserInterface.h"
#include "support/SheetBuilder.h"

namespace etp {

// The dialog's choice reads the rightmost column with the chosen label (one beep per
// column carrying it); a label no column carries any more refuses before the texts are
// read and keeps the list; each Apply replaces the list of the last one.
TEST(IrrigationCommands, OnDemandKeepsTheApplicationsOfTheLastApply)
{
    Workbench workbench;
    testing::ScriptedUserInterface ui;
    workbench.columns.text[ColumnBox::Date] = "1";
    testing::SetRow(workbench.sheet, 1, "DATE\tRAIN\tPenMon\tP-T\tPenMon");
    for (int day = 1; day <= 30; ++day)
        testing::SetRow(workbench.sheet, day + 1, (day < 10 ? "0" : "") + std::to_string(day) + "/06/95\t0\t2\t1\t5");
    MethodChoice choice;
    ASSERT_TRUE(FillMethodChoice(choice, workbench.sheet));
    ASSERT_TRUE(choice.selectCaption("PenMon"));
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

    ASSERT_TRUE(choice.selectCaption("P-T"));
    EXPECT_TRUE(ApplyOnDemand(workbench, choice, {}, ui)); // 1 mm a day: no water by 30 June
    EXPECT_TRUE(workbench.onDemandApplications.empty());
}

// A text out of range is named before the pointer turns busy; a sheet without a rain
// column says so under it. Neither changes the sheet or the kept applications.
TEST(IrrigationCommands, RefusalsAreShownAndChangeNothing)
{
    Workbench workbench;
    workbench.columns.text[ColumnBox::Date] = "1";
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

} // namespace etp
