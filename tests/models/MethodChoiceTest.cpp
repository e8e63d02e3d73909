#include "models/MethodChoice.h"

#include <gtest/gtest.h>

#include "support/SheetBuilder.h"

namespace etp {

namespace {

using testing::SheetOf;

std::vector<std::string> VisibleCaptions(const MethodChoice& choice)
{
    std::vector<std::string> captions;
    for (const auto& option : choice.options)
        if (option.visible) captions.push_back(option.caption);
    return captions;
}

} // namespace

// Without ET columns the group shows the ET labels disabled, in their numbering: the
// eight that were there first keep their places, the others follow.
TEST(FillMethodChoice, ListsTheEtColumnsInSheetOrderAndSelectsTheLastAfresh)
{
    MethodChoice choice;
    EXPECT_FALSE(FillMethodChoice(choice, SheetOf({"DATE\tTMIN\tpenmon\tPenMon \tPotRad"})));
    EXPECT_FALSE(choice.enabled);
    EXPECT_EQ(VisibleCaptions(choice),
              (std::vector<std::string>{"PenFAO", "PFAOnocorr", "PenMon", "P-T", "PFAOrad", "PFAOsun", "ASCE short",
                                        "ASCE tall", "Hargr.", "Turc", "Thornt.", "P-T extrad", "Bl-Cr"}));
    EXPECT_FALSE(choice.selectedIndex());
    EXPECT_FALSE(choice.select(0)) << "nothing can be selected in a disabled group";

    // The ET columns in sheet order, a repeated label named by its column, the last selected.
    EXPECT_TRUE(FillMethodChoice(choice, SheetOf({"DATE\tP-T\tRAIN\tPenMon\tHargr.\tPotRad\tP-T"})));
    EXPECT_EQ(VisibleCaptions(choice), (std::vector<std::string>{"P-T (col 2)", "PenMon", "Hargr.", "P-T (col 7)"}));
    EXPECT_EQ(choice.selectedIndex(), 3);
    // Selection is exclusive, and only among the visible options; a label alone picks its
    // rightmost column.
    EXPECT_TRUE(choice.select(0));
    EXPECT_FALSE(choice.options[3].selected);
    EXPECT_FALSE(choice.select(4));
    EXPECT_TRUE(choice.selectLabel("PenMon"));
    EXPECT_EQ(choice.selectedIndex(), 1);
    EXPECT_FALSE(choice.selectLabel("PFAOrad"));
    EXPECT_FALSE(choice.selectLabel("P-T (col 2)"));
    EXPECT_EQ(choice.selectedIndex(), 1);
    EXPECT_TRUE(choice.selectLabel("P-T"));
    EXPECT_EQ(choice.selectedIndex(), 3);

    // Left to itself it reads the last of the eight labels it had before the others
    // joined, so an ET file written without a choice stays what it was.
    FillMethodChoice(choice, SheetOf({"DATE\tHargr.\tPenMon\tTurc\tBl-Cr"}));
    EXPECT_EQ(choice.selectedIndex(), 1);
    FillMethodChoice(choice, SheetOf({"DATE\tHargr.\tTurc"}));
    EXPECT_EQ(choice.selectedIndex(), 1);

    // Filled again, it scans afresh: nothing of the earlier fill stays.
    FillMethodChoice(choice, SheetOf({"DATE\tPenMon"}));
    EXPECT_EQ(VisibleCaptions(choice), std::vector<std::string>{"PenMon"});
    EXPECT_EQ(choice.selectedIndex(), 0);
    // Every ET column of the title scan has its option, not one per label.
    std::string titles = "DATE";
    std::vector<std::string> expected;
    for (int c = 2; c <= 30; ++c) {
        titles += "\tPenFAO";
        expected.push_back("PenFAO (col " + std::to_string(c) + ")");
    }
    FillMethodChoice(choice, SheetOf({titles}));
    EXPECT_EQ(VisibleCaptions(choice), expected);
}

// The selected option reads its own column, not the rightmost of its label; only when the
// sheet no longer carries the label there does the rightmost one stand in.
TEST(SelectedEtColumn, TheChosenColumnOfARepeatedLabel)
{
    MethodChoice choice;
    auto sheet = SheetOf({"DATE\tPenMon\tP-T\tPenMon\tRAIN"});
    FillMethodChoice(choice, sheet);
    ASSERT_TRUE(choice.select(0));
    EXPECT_EQ(ChosenEtColumns(choice, sheet), (std::vector<int>{2, 4}));
    EXPECT_EQ(SelectedEtColumn(choice, sheet), 2);
    // A third PenMon column computed after the dialog was filled changes nothing.
    sheet.setCellText(1, 30, "PenMon");
    sheet.setCellText(1, 31, "PenMon"); // beyond the 30 columns the title scan reaches
    EXPECT_EQ(ChosenEtColumns(choice, sheet), (std::vector<int>{2, 4, 30}));
    EXPECT_EQ(SelectedEtColumn(choice, sheet), 2);
    sheet.setCellText(1, 2, "Tmean");
    EXPECT_EQ(SelectedEtColumn(choice, sheet), 30);

    for (const int column : {4, 30, 31}) sheet.setCellText(1, column, "PENMON");
    EXPECT_TRUE(ChosenEtColumns(choice, sheet).empty());
    EXPECT_EQ(SelectedEtColumn(choice, sheet), 0);
}

} // namespace etp
