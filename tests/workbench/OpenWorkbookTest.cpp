// File > Open of a workbook: the sheet prompt, the index rule, the messages, the captions.
#include <gtest/gtest.h>

#include "support/ScriptedUserInterface.h"
#include "workbench/FileCommands.h"

namespace etp {

namespace {

const std::string kWeather = ETP_TEST_DATA_DIR "/xls/weather.xls";

class OpenWorkbookTest : public ::testing::Test {
protected:
    // Opens the file answering the sheet prompt, when there is one, with `answer`.
    bool open(const std::string& path, std::optional<std::string> answer = std::nullopt)
    {
        ui.openFiles.push_back(path);
        if (answer) ui.inputs.push_back(answer);
        return OpenFile(workbench, ui);
    }
    std::string cell(int row, int column) const { return std::string(workbench.sheet.cellText(row, column)); }

    Workbench workbench;
    testing::ScriptedUserInterface ui;
};

} // namespace

// The prompt lists the sheets; sheet index = answer - 1, raised to 0, rounded half to even.
// The sheets' first cells: Notes "Station", Ferrara 1995 "DATE", Hidden Ω "secret", Stazione
// Ø ∂ "C1", Wide "1". A file of one sheet needs no prompt.
TEST_F(OpenWorkbookTest, ThePromptListsTheSheetsAndTheAnswerBecomesAnIndex)
{
    EXPECT_TRUE(open(kWeather, "2"));
    EXPECT_EQ(ui.inputBoxes.at(0), "selection of sheet|1|Found 6 sheets\r\r"
                                "1)  Notes\r2)  Ferrara 1995\r3)  Hidden Ω\r4)  Stazione Ø ∂\r5)  Wide\r6)  Chart\r"
                                "\r\rplease, select the number of the sheet");
    // The names are offered as a list too; the answer is the chosen one's number.
    EXPECT_EQ(ui.lists.at(0), (std::vector<std::string>{"Notes", "Ferrara 1995", "Hidden Ω", "Stazione Ø ∂", "Wide", "Chart"}));
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Result|Import complete."});
    EXPECT_EQ(cell(2, 1), "01/01/95");
    EXPECT_EQ(workbench.sheet.caption(30), "30"); // every column numbered again, beyond the 20 of the load step

    const std::pair<const char*, const char*> cases[] = {
        {"-3", "Station"}, {" 2", "DATE"}, {"2.5", "secret"}, {"3.5", "secret"}, {"4.5", "1"}, // 1.5, 2.5 -> 2; 3.5 -> 4
    };
    for (const auto& [answer, first] : cases) {
        EXPECT_TRUE(open(kWeather, answer)) << answer;
        EXPECT_EQ(cell(1, 1), first) << answer;
    }
    ui.inputBoxes.clear();
    EXPECT_TRUE(open(ETP_TEST_DATA_DIR "/xls/dates1904.xls"));
    EXPECT_TRUE(ui.inputBoxes.empty());
    EXPECT_EQ(cell(2, 1), "01/01/00");
}

// An answer that imports nothing leaves the sheet as it was: cancelled quietly, no
// number or a sheet past the last with a message. Columns beyond 100 are dropped and reported.
TEST_F(OpenWorkbookTest, AnAnswerThatImportsNothingAndDroppedColumns)
{
    workbench.sheet.setCellText(1, 1, "old");
    ui.inputs.push_back(std::nullopt); // the box was cancelled
    EXPECT_FALSE(open(kWeather));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(open(kWeather, "two"));
    EXPECT_FALSE(open(kWeather, "7"));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_NE(ui.messages[0].find("is not a number: \"two\""), std::string::npos);
    EXPECT_EQ(ui.messages[1], "Result|Import did not succeed.\rReason: the workbook has no sheet 7.");
    EXPECT_EQ(workbench.sheet.cellText(1, 1), "old");
    EXPECT_EQ(workbench.sheet.lastNonEmptyRow(), 1);
    EXPECT_EQ(workbench.sheet.caption(21), ""); // no renumbering

    EXPECT_TRUE(open(kWeather, "5"));
    EXPECT_EQ(ui.messages.back(), std::string(kApplicationTitle) + "|20 columns beyond column 100 were not imported.");
    EXPECT_EQ(workbench.sheet.caption(100), "100");
}

} // namespace etp
