#include "workbench/CropBalanceCommands.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "support/ScriptedUserInterface.h"
#include "support/SheetBuilder.h"
#include "support/TempDir.h"

namespace etp {

namespace {

using testing::ScriptedUserInterface;

// 1 April to 31 October 2019: no rain but 20 mm every 10th day, PenMon 5 mm and, to its
// right, ASCE short 4 mm.
Workbench Season()
{
    Workbench workbench;
    workbench.columns.set(ColumnBox::Date, "1");
    testing::SetRow(workbench.sheet, 1, "DATE\tRAIN\tPenMon\tASCE short");
    int row = 2;
    for (const int month : {4, 5, 6, 7, 8, 9, 10})
        for (int day = 1; day <= DaysInMonth(month, 2019); ++day, ++row) {
            char line[64];
            std::snprintf(line, sizeof line, "%02d/%02d/2019\t%s\t5\t4", day, month, row % 10 == 0 ? "20" : "");
            testing::SetRow(workbench.sheet, row, line);
        }
    return workbench;
}

const std::string kMaize = "crop = maize\nsoil = loam\nplanting = 01/05/2019\nkc_adjust = no\n";

CropBalanceTexts Texts(const std::string& description = kMaize)
{
    CropBalanceTexts texts;
    texts.description = description;
    return texts;
}

} // namespace

// Without a label the rightmost of "ASCE short" and "PenMon" is read: 150 days of 4 mm.
TEST(RunCropBalance, ReadsTheRightmostReferenceColumn)
{
    Workbench workbench = Season();
    ScriptedUserInterface ui;
    const auto balance = RunCropBalance(workbench, Texts(), {}, ui);
    ASSERT_TRUE(balance) << (ui.messages.empty() ? "" : ui.messages[0]);
    EXPECT_NEAR(SummarizeCropBalance(*balance).ETref, 600, 1e-9);
    CropBalanceTexts penMon = Texts();
    penMon.etLabel = "PenMon";
    EXPECT_NEAR(SummarizeCropBalance(*RunCropBalance(workbench, penMon, {}, ui)).ETref, 750, 1e-9);
    EXPECT_TRUE(ui.messages.empty());
}

// Each refusal names the text it is about, and nothing runs.
TEST(RunCropBalance, RefusalsNameTheirText)
{
    Workbench workbench = Season();
    const auto refusal = [&](const CropBalanceTexts& texts) {
        ScriptedUserInterface ui;
        EXPECT_FALSE(RunCropBalance(workbench, texts, {}, ui));
        return ui.messages.size() == 1 ? ui.messages[0] : "";
    };
    EXPECT_EQ(refusal(Texts(kMaize + "p = 1\n")), "ETP computation|Crop description: line 5: p must be a fraction from 0.1 to 0.8: \"1\"");
    CropBalanceTexts texts = Texts();
    texts.trigger = "1.5";
    EXPECT_EQ(refusal(texts), "ETP computation|Irrigate at must be raw or a fraction of TAW above 0 and up to 1: \"1.5\"");
    texts = Texts();
    texts.efficiency = "0";
    EXPECT_EQ(refusal(texts), "ETP computation|Efficiency (%) must be a percentage above 0 and up to 100: \"0\"");
    texts = Texts();
    texts.irrigations = "01/04/2019\t30\n";
    EXPECT_EQ(refusal(texts), "ETP computation|Irrigations: line 1: 01/04/2019 is outside the season, 01/05/2019 to 27/09/2019");
    texts = Texts();
    texts.etLabel = "Hargreaves";
    EXPECT_EQ(refusal(texts), "ETP computation|No column of the title row is labelled \"Hargreaves\"");
    EXPECT_EQ(refusal(Texts("crop = maize\nsoil = loam\nplanting = 01/05/2018\n")),
              "ETP computation|planting: 01/05/2018 is not a day of the series (01/04/2019 to 31/10/2019)");
    EXPECT_EQ(refusal(Texts("crop = maize\nsoil = loam\nplanting = 01/05/2019\n")),
              "ETP computation|kc_adjust = yes needs RH min on a day of the mid-season stage, 10/07/2019 to 28/08/2019; none has it "
              "(or write kc_adjust = no)");
    workbench.sheet.setCellText(1, 2, "R");
    EXPECT_EQ(refusal(Texts()), "ETP computation|No rain in data sheet");
}

// The applied depths go into the rain column, onto the rain already there.
TEST(AddCropIrrigationToRain, AddsTheGrossDepths)
{
    Workbench workbench = Season();
    ScriptedUserInterface ui;
    CropBalanceTexts texts = Texts();
    texts.irrigations = "09/05/2019\t30\n10/05/2019\t12.5\n";
    const auto balance = RunCropBalance(workbench, texts, {}, ui);
    ASSERT_TRUE(balance);
    ASSERT_TRUE(AddCropIrrigationToRain(workbench, *balance, ui));
    EXPECT_EQ(workbench.sheet.cellText(40, 1), "09/05/2019");
    EXPECT_EQ(workbench.sheet.cellText(40, 2), "50"); // 20 mm of rain + 30
    EXPECT_EQ(workbench.sheet.cellText(41, 2), "12.5");
    ASSERT_EQ(workbench.cropApplications.size(), 2u);
    EXPECT_EQ(workbench.cropApplications[1].date, "10/05/2019");
    EXPECT_TRUE(ui.messages.empty());
}

// Save asks for the table, then the summary; a cancel at either writes nothing.
TEST(SaveCropBalanceFiles, AsksForBothNames)
{
    testing::TempDir dir;
    Workbench workbench = Season();
    ScriptedUserInterface ui;
    const auto balance = RunCropBalance(workbench, Texts(), {}, ui);
    ASSERT_TRUE(balance);
    ui.saveFiles = {dir.file("daily.txt"), std::nullopt};
    EXPECT_FALSE(SaveCropBalanceFiles(workbench, *balance, ui));
    EXPECT_FALSE(std::filesystem::exists(dir.file("daily.txt")));
    ui.saveFiles = {dir.file("daily.txt"), dir.file("summary.txt")};
    EXPECT_TRUE(SaveCropBalanceFiles(workbench, *balance, ui));
    EXPECT_EQ(testing::ReadFile(dir.file("daily.txt")), CropDailyTable(*balance));
    EXPECT_EQ(testing::ReadFile(dir.file("summary.txt")).substr(0, 13), "ETref\t600.00\n");
}

} // namespace etp
