#include "workbench/ToolsCommands.h"

#include <gtest/gtest.h>

#include "import/TextImport.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"

namespace etp {

TEST(SaveSummaryAs, WritesTheTableInTheChosenFile)
{
    Workbench workbench;
    workbench.columns.set(ColumnBox::Date, "1");
    ReadTextLines(workbench.sheet, "DATE\tRAIN\r\n01/06/95\t2.5\r\n02/06/95\t1\r\n");
    const testing::TempDir dir;
    const std::string path = dir.write("summary.txt", "old");
    testing::ScriptedUserInterface ui;

    ui.saveFiles.push_back(path);
    EXPECT_TRUE(SaveSummaryAs(workbench, ui));
    EXPECT_EQ(testing::ReadFile(path).rfind("period\tdays\tRAIN sum", 0), 0u); // the table itself: tests/analysis
    EXPECT_EQ(ui.saveTitles, std::vector<std::string>{"Save summary"});
    EXPECT_EQ(ui.saveInitialNames, std::vector<std::string>{"*.txt"});
}

} // namespace etp
