#include "workbench/Commands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/ScriptedUserInterface.h"
#include "support/SheetBuilder.h"
#include "support/TempDir.h"

namespace etp {

namespace {

using testing::ReadFile;
using testing::ScriptedUserInterface;
using testing::TempDir;

class CommandsTest : public ::testing::Test {
protected:
    bool open(const std::string& path)
    {
        ui.openFiles.push_back(path);
        return OpenFile(workbench, ui);
    }

    Workbench workbench;
    ScriptedUserInterface ui;
    TempDir dir;
};

const std::string kNoFile = "ETP computation|il file non esiste";

} // namespace

TEST_F(CommandsTest, OpenReadsATextFileAndNamesIt)
{
    const auto path = dir.write("station.txt", "DATE\tTMIN\r\n01/01/95\t3\r\n");
    workbench.sheet.setCellText(500, 5, "old");
    EXPECT_TRUE(open(path));
    EXPECT_EQ(workbench.statusPanels[0], "working file: " + path);
    EXPECT_EQ(workbench.sheet.cellText(2, 2), "3");
    EXPECT_EQ(workbench.sheet.cellText(500, 5), "");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.pointers, (std::vector<Pointer>{Pointer::BusyArrow, Pointer::Normal}));
}

// Nothing opened costs the person the sheet: a cancelled dialog or its pattern quietly, a
// missing file or a pattern with a message, and a folder (which exists but cannot be read).
TEST_F(CommandsTest, OpenThatReadsNothingKeepsTheSheet)
{
    workbench.sheet.setCellText(1, 1, "kept");
    ui.openFiles.push_back(std::nullopt);
    EXPECT_FALSE(OpenFile(workbench, ui));
    EXPECT_FALSE(open("*.xls"));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(open(dir.file("missing.txt")));
    EXPECT_FALSE(open(dir.file("*.txt")));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{kNoFile, kNoFile}));
    EXPECT_EQ(workbench.statusPanels[0], "working file: none");
    std::filesystem::create_directory(dir.file("folder"));
    EXPECT_FALSE(open(dir.file("folder")));
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_NE(ui.messages[2].find("cannot be read"), std::string::npos);
    EXPECT_EQ(workbench.sheet.cellText(1, 1), "kept");
}

// A lower-case ".xls" in the name makes the file a workbook; "DATA.XLS" is read as text.
TEST_F(CommandsTest, TheNameDecidesWhetherAFileIsAWorkbook)
{
    EXPECT_TRUE(open(dir.write("DATA.XLS", "DATE\r\n")));
    EXPECT_EQ(workbench.sheet.cellText(1, 1), "DATE");
    const auto path = dir.write("data.xls", "DATE\r\n");
    EXPECT_FALSE(open(path));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{
                               "Invalid File Type or Locked|File is not an Excel file or is locked and cannot be imported."}));
    EXPECT_EQ(workbench.sheet.cellText(1, 1), "");
    EXPECT_EQ(workbench.statusPanels[0], "working file: " + path);
    EXPECT_EQ(ui.pointer(), Pointer::Normal);
}

TEST_F(CommandsTest, SaveAsWritesWhatOpenReadsBack)
{
    workbench.sheet = testing::SheetOf({"DATE\tTMIN\t\tX", "01/01/95\t3"});
    workbench.sheet.setCellText(5, 2, "below an empty date");
    workbench.sheet.setCellText(3, 1, "a\tb");
    const auto path = dir.file("saved.txt");
    ui.saveFiles.push_back(path);
    SaveSheetAs(workbench, ui);
    EXPECT_EQ(ReadFile(path), "DATE\tTMIN\t\tX\r\n01/01/95\t3\t\t\r\na b\t\t\t\r\n\t\t\t\r\n\tbelow an empty date\t\t\r\n");
    EXPECT_EQ(workbench.statusPanels[0], "working file: " + path);

    Workbench reread;
    ui.openFiles.push_back(path);
    ASSERT_TRUE(OpenFile(reread, ui));
    EXPECT_EQ(SheetAsText(reread.sheet), SheetAsText(workbench.sheet));
}

// A sheet of some hundred kilobytes is written in pieces: the file must still be every
// line in order, whatever piece a line falls into.
TEST_F(CommandsTest, SaveOfALongSheetIsEveryLineInOrder)
{
    std::string expected;
    for (int r = 1; r <= 9000; ++r) {
        std::string line;
        for (int c = 1; c <= 5; ++c) {
            const std::string text = (r * c) % 7 == 0 ? "" : std::to_string(r) + "." + std::to_string(c * 11);
            workbench.sheet.setCellText(r, c, text);
            line += (c > 1 ? "\t" : "") + text;
        }
        expected += line + "\r\n";
    }
    ASSERT_GT(expected.size(), 3u * 65536);
    const auto path = dir.file("long.txt");
    ASSERT_TRUE(SaveSheet(workbench, path, ui));
    EXPECT_EQ(ReadFile(path), expected);
}

TEST_F(CommandsTest, StationOkShowsNumberTextsAndRefusesTextsThatAreNoNumbers)
{
    workbench.station = {"-33", "250", "10"};
    EXPECT_TRUE(ApplyStation(workbench, ui));
    EXPECT_EQ(workbench.statusPanels, (std::array<std::string, 4>{"working file: none", "Latitude:-33°",
                                                                    "Altitude a.s.l.: 250 m",
                                                                    "Wind speed measurement hight: 10 m"}));
    workbench.station = {"45.5", "12,5", "10"};
    EXPECT_FALSE(ApplyStation(workbench, ui));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"ETP computation|Altitude a.s.l. (m) is not a number: \"12,5\""}));
    EXPECT_EQ(workbench.statusPanels[1], "Latitude:-33°");
}

TEST(NumberText, DecimalWithABlankUnlessNegative)
{
    const std::pair<double, const char*> cases[] = {{45.5, " 45.5"}, {0, " 0"},         {-0.0, " 0"},
                                                    {-33, "-33"},    {0.1, " 0.1"},     {1e20, " 1E+20"},
                                                    {1.0 / 3, " 0.333333333333333"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(NumberText(value), text) << value;
}

TEST_F(CommandsTest, HargreavesTextsBecomeCoefficientsOnlyWhenAllAreNumbers)
{
    EXPECT_FALSE(ApplyHargreaves(workbench, {"0.0022", "abc", ".5"}, ui));
    EXPECT_EQ(workbench.hargreaves.a, 0.0023);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"ETP computation|The value of b is not a number: \"abc\""}));
    EXPECT_TRUE(ApplyHargreaves(workbench, {"0.0022", "17", ".5"}, ui));
    EXPECT_EQ(workbench.hargreaves.a, 0.0022);
    EXPECT_EQ(workbench.hargreaves.b, 17);
}

// The dialog's choice reads the rightmost column with the chosen label (one beep per
// column carrying it); a label no column carries any more refuses before the texts are
// read and keeps rain and list; each Apply replaces the list of the last one.
TEST(IrrigationCommands, OnDemandKeepsTheApplicationsOfTheLastApply)
{
    Workbench workbench;
    testing::ScriptedUserInterface ui;
    workbench.columns.text[DateBox] = "1";
    testing::SetRow(workbench.sheet, 1, "DATE\tRAIN\tPenMon\tP-T\tPenMon");
    for (int day = 1; day <= 30; ++day)
        testing::SetRow(workbench.sheet, day + 1, (day < 10 ? "0" : "") + std::to_string(day) + "/06/95\t0\t2\t1\t5");
    MethodChoice choice;
    ASSERT_TRUE(FillMethodChoice(choice, workbench.sheet, ui));
    ASSERT_TRUE(choice.selectCaption("PenMon"));
    EXPECT_TRUE(ApplyOnDemand(workbench, choice, {}, ui));
    EXPECT_EQ(ui.beeps, 2);
    ASSERT_EQ(workbench.onDemandApplications.size(), 2u); // 5 mm a day: 16 and 27 June
    EXPECT_EQ(workbench.onDemandApplications[1].date, "27/06/95");
    EXPECT_TRUE(ui.messages.empty());

    workbench.sheet.setCellText(1, 3, "ET");
    workbench.sheet.setCellText(1, 5, "ET");
    const std::string rainBefore(workbench.sheet.cellText(17, 2));
    EXPECT_FALSE(ApplyOnDemand(workbench, choice, {"bad", "", "", ""}, ui));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"ETP computation|You dont have computed the ETP!!"}));
    EXPECT_EQ(workbench.sheet.cellText(17, 2), rainBefore);
    EXPECT_EQ(workbench.onDemandApplications.size(), 2u);

    ASSERT_TRUE(choice.selectCaption("P-T"));
    EXPECT_TRUE(ApplyOnDemand(workbench, choice, {}, ui)); // 1 mm a day: no water by 30 June
    EXPECT_TRUE(workbench.onDemandApplications.empty());
}

} // namespace etp
