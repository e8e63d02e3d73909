#include "workbench/ComputedColumns.h"

#include <gtest/gtest.h>

#include "support/ScriptedUserInterface.h"
#include "support/SheetBuilder.h"
#include "workbench/MethodCommands.h"
#include "workbench/SheetEdit.h"

namespace etp {

namespace {

// Two days in columns 1..9 (rain in 9, named by no box), PenMon and Hargreaves ticked.
Workbench TwoDays()
{
    Workbench workbench;
    workbench.sheet = testing::SheetOf({testing::kStationTitles, "21/06/95\t12\t28\t40\t80\t22\t2\t10\t0",
                                        "22/06/95\t13\t29\t42\t85\t21\t3\t9\t4"});
    workbench.columns = testing::FirstEightColumns();
    workbench.station = {"45", "100", "2"};
    workbench.methods.checked[Method::PenMon] = true;
    workbench.methods.checked[Method::Hargreaves] = true;
    return workbench;
}

} // namespace

// A number typed over in a column a box names leaves the results computed from it out of
// date; titles, result cells and columns no box names do not. The next Compute of a
// method takes its mark away, the others keep theirs.
TEST(ComputedColumns, TypedInputMarksResultsUntilTheMethodIsComputedAgain)
{
    Workbench w = TwoDays();
    testing::ScriptedUserInterface ui;
    ASSERT_EQ(ComputeAndRecord(w, ui), ComputeOutcome::Completed);
    ASSERT_EQ(w.sheet.cellText(1, 10), "PenMon");
    ASSERT_EQ(w.sheet.cellText(1, 11), "Hargr.");

    w.sheet.setCellText(1, 4, "RH low");
    w.sheet.setCellText(3, 9, "7");
    w.sheet.setCellText(2, 10, "5.00");
    EXPECT_FALSE(MarkResultsOutOfDate(w, 1, 4));
    EXPECT_FALSE(MarkResultsOutOfDate(w, 3, 9));
    EXPECT_FALSE(MarkResultsOutOfDate(w, 2, 10));
    EXPECT_EQ(OutOfDateText(w), "");

    w.sheet.setCellText(2, 5, "8o");
    EXPECT_TRUE(MarkResultsOutOfDate(w, 2, 5));
    EXPECT_FALSE(MarkResultsOutOfDate(w, 3, 5)); // already so
    EXPECT_TRUE(IsOutOfDate(w, 10));
    EXPECT_TRUE(IsOutOfDate(w, 11));
    EXPECT_FALSE(IsOutOfDate(w, 5));
    EXPECT_EQ(OutOfDateText(w), "PenMon (col 10), Hargr. (col 11) out of date: inputs edited since Compute");

    w.methods.checked[Method::Hargreaves] = false;
    ASSERT_EQ(ComputeAndRecord(w, ui), ComputeOutcome::Completed);
    ASSERT_EQ(w.sheet.cellText(1, 12), "PenMon");
    EXPECT_FALSE(IsOutOfDate(w, 10));
    EXPECT_FALSE(IsOutOfDate(w, 12));
    EXPECT_EQ(OutOfDateText(w), "Hargr. (col 11) out of date: inputs edited since Compute");
    EXPECT_TRUE(ui.messages.empty());

    // Undo of the typing gives the record back as it was before it.
    const ComputedColumns before = w.computed;
    w.sheet.setCellText(3, 2, "14");
    ASSERT_TRUE(MarkResultsOutOfDate(w, 3, 2));
    const SheetEdit typing = SheetEdit::OfCell(w, 3, 2, "13", w.sheet.revision(), before);
    typing.undo(w);
    EXPECT_FALSE(IsOutOfDate(w, 12));
    EXPECT_EQ(w.computed, before);
    typing.redo(w);
    EXPECT_TRUE(IsOutOfDate(w, 12));
}

// A Compute that writes nothing records nothing.
TEST(ComputedColumns, RefusedComputeRecordsNothing)
{
    Workbench w = TwoDays();
    w.stationSet = false;
    testing::ScriptedUserInterface ui;
    EXPECT_EQ(ComputeAndRecord(w, ui), ComputeOutcome::StationRequested);
    EXPECT_TRUE(w.computed.empty());
    EXPECT_EQ(w.sheet.lastNonEmptyColumn(1), 9);
}

// A text that is no number in a number column of a box is named with its row, date and
// box, and how Compute reads it; numbers, "." (0), empty cells, the date column, titles
// and columns of no box are not.
TEST(ComputedColumns, NotANumberInputSaysHowComputeReadsIt)
{
    Workbench w = TwoDays();
    const struct {
        int row, column;
        const char* text;
        const char* said; // empty: nothing said
    } cases[] = {
        {2, 5, "8o", "Row 2 (21/06/95), U.R. max: \"8o\" is not a number (Compute reads 8)"},
        {3, 2, "n.d.", "Row 3 (22/06/95), T° min: \"n.d.\" is not a number (Compute reads it as missing)"},
        {2, 7, "1,5", "Row 2 (21/06/95), Wind: \"1,5\" is not a number (Compute reads 1)"},
        {2, 5, " 80 ", ""},
        {2, 6, ".", ""},
        {2, 6, "", ""},
        {2, 1, "June 21", ""},
        {2, 9, "x", ""},
        {1, 5, "RH max", ""},
    };
    for (const auto& c : cases) {
        Workbench typed = w;
        typed.sheet.setCellText(c.row, c.column, c.text);
        EXPECT_EQ(IsNotANumberInput(typed, c.row, c.column), *c.said != 0) << c.text;
        EXPECT_EQ(NotANumberText(typed, c.row, c.column).value_or(""), c.said) << c.text;
    }
}

} // namespace etp
