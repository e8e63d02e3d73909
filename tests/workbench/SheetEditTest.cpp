#include "workbench/SheetEdit.h"

#include <gtest/gtest.h>

#include "support/SheetBuilder.h"
#include "workbench/FileCommands.h"

namespace etp {

namespace {

// Sixty days of three columns, the rain of every seventh day a shower.
Workbench SixtyDays()
{
    Workbench workbench;
    testing::SetRow(workbench.sheet, 1, "DATE\tTMAX\tRAIN");
    for (int r = 2; r <= 61; ++r)
        testing::SetRow(workbench.sheet, r, std::to_string(r) + "/01/01\t1" + std::to_string(r % 10) + "\t" + (r % 7 ? "0" : "6.2"));
    workbench.workingFile.savedRevision = workbench.sheet.revision();
    return workbench;
}

} // namespace

// Undo and redo give back the exact cells, the sheet's revision (so undoing back to what
// was saved leaves nothing unsaved) and the values kept beside the sheet. The edit mixes
// what the commands do: a long run of rain cells rewritten with texts of other lengths
// (irrigation), a new column (Compute), cells emptied at a column's end, one cell typed.
TEST(SheetEdit, UndoAndRedoPutBackTheExactCells)
{
    Workbench w = SixtyDays();
    const std::string before = SheetAsText(w.sheet);
    SheetEdit edit(w);
    for (int r = 10; r <= 50; ++r) w.sheet.setCellText(r, 3, r % 2 ? "25.25" : "");
    for (int r = 1; r <= 61; ++r) w.sheet.setCellText(r, 5, r == 1 ? "PenMon" : std::to_string(r * 0.01));
    for (int r = 58; r <= 61; ++r) w.sheet.setCellText(r, 2, "");
    w.sheet.setCellText(3, 1, "typed");
    w.previousMeanTemperature = 12.5;
    w.turnedApplications = {{12, "12/01/01", 30}};
    ASSERT_TRUE(edit.finish(w));
    const std::string after = SheetAsText(w.sheet);
    const std::uint64_t afterRevision = w.sheet.revision();
    EXPECT_TRUE(HasUnsavedChanges(w));

    for (int round = 0; round < 2; ++round) {
        edit.undo(w);
        EXPECT_EQ(SheetAsText(w.sheet), before);
        EXPECT_FALSE(HasUnsavedChanges(w));
        EXPECT_EQ(w.previousMeanTemperature, 0);
        EXPECT_TRUE(w.turnedApplications.empty());
        edit.redo(w);
        EXPECT_EQ(SheetAsText(w.sheet), after);
        EXPECT_EQ(w.sheet.revision(), afterRevision);
        EXPECT_EQ(w.previousMeanTemperature, 12.5);
        ASSERT_EQ(w.turnedApplications.size(), 1u);
    }
}

// A command that wrote the texts the cells held (an irrigation adding no water) leaves
// nothing to undo and nothing unsaved.
TEST(SheetEdit, RewritingTheSameTextsIsNoChange)
{
    Workbench w = SixtyDays();
    SheetEdit edit(w);
    for (int r = 1; r <= 61; ++r) w.sheet.setCellText(r, 3, std::string(w.sheet.cellText(r, 3)));
    EXPECT_FALSE(edit.finish(w));
    EXPECT_FALSE(HasUnsavedChanges(w));
}

// A cell typed over in the grid: undo gives the old text and the old revision back.
TEST(SheetEdit, OneTypedCell)
{
    Workbench w = SixtyDays();
    const std::uint64_t revision = w.sheet.revision();
    w.sheet.setCellText(20, 2, "-3.5");
    const SheetEdit edit = SheetEdit::OfCell(w, 20, 2, "10", revision, w.computed);
    edit.undo(w);
    EXPECT_EQ(w.sheet.cellText(20, 2), "10");
    EXPECT_FALSE(HasUnsavedChanges(w));
    edit.redo(w);
    EXPECT_EQ(w.sheet.cellText(20, 2), "-3.5");
    EXPECT_TRUE(HasUnsavedChanges(w));
}

} // namespace etp
