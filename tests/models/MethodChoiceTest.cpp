#include "models/MethodChoice.h"

#include <gtest/gtest.h>

#include "support/ScriptedUserInterface.h"
#include "support/SheetBuilder.h"

namespace etp {

namespace {

using testing::ScriptedUserInterface;
using testing::SheetOf;

std::vector<std::string> VisibleCaptions(const MethodChoice& choice)
{
    std::vector<std::string> captions;
    for (const auto& option : choice.options)
        if (option.visible) captions.push_back(option.caption);
    return captions;
}

const std::string kNoEt = std::string(kApplicationTitle) + "|You dont have computed the ETP!!";

} // namespace

TEST(FillMethodChoice, WithoutEtColumnsTheGroupShowsTheSixLabelsDisabled)
{
    ScriptedUserInterface ui;
    MethodChoice choice;
    EXPECT_FALSE(FillMethodChoice(choice, SheetOf({"DATE\tTMIN\tpenmon\tPenMon "}), ui));
    EXPECT_EQ(ui.messages, std::vector<std::string>{kNoEt});
    EXPECT_FALSE(choice.enabled);
    EXPECT_EQ(VisibleCaptions(choice),
              (std::vector<std::string>{"PenFAO", "PFAOnocorr", "PenMon", "P-T", "PFAOrad", "PFAOsun"}));
    EXPECT_FALSE(choice.selectedIndex());
    EXPECT_FALSE(choice.select(0)) << "nothing can be selected in a disabled group";
}

TEST(FillMethodChoice, ListsTheEtColumnsInSheetOrderAndSelectsTheLastAfresh)
{
    ScriptedUserInterface ui;
    MethodChoice choice;
    EXPECT_TRUE(FillMethodChoice(choice, SheetOf({"DATE\tP-T\tRAIN\tPenMon\tHargr.\tP-T"}), ui));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(choice.enabled);
    EXPECT_EQ(VisibleCaptions(choice), (std::vector<std::string>{"P-T", "PenMon", "P-T"}));
    EXPECT_EQ(choice.selectedIndex(), 2);
    EXPECT_FALSE(choice.options[3].visible);

    // Filled again, it scans afresh: nothing of the earlier fill stays.
    FillMethodChoice(choice, SheetOf({"DATE\tPenMon"}), ui);
    EXPECT_EQ(VisibleCaptions(choice), std::vector<std::string>{"PenMon"});
    EXPECT_EQ(choice.selectedIndex(), 0);
}

TEST(MethodChoice, SelectionIsExclusiveAndOnlyAmongVisibleOptions)
{
    ScriptedUserInterface ui;
    MethodChoice choice;
    FillMethodChoice(choice, SheetOf({"PenFAO\tPenMon\tP-T"}), ui);
    EXPECT_TRUE(choice.select(0));
    EXPECT_EQ(choice.selectedIndex(), 0);
    EXPECT_FALSE(choice.options[2].selected);
    EXPECT_FALSE(choice.select(3)) << "hidden";
    EXPECT_FALSE(choice.select(6));
    EXPECT_EQ(choice.selectedIndex(), 0);
    EXPECT_TRUE(choice.selectCaption("P-T"));
    EXPECT_EQ(choice.selectedIndex(), 2);
    EXPECT_FALSE(choice.selectCaption("PFAOrad"));
    EXPECT_EQ(choice.selectedIndex(), 2);
}

TEST(ChosenEtColumn, TheRightmostColumnOfTheLabelWithOneBeepPerMatchOrNone)
{
    ScriptedUserInterface ui;
    MethodChoice choice;
    auto sheet = SheetOf({"DATE\tPenMon\tP-T\tPenMon\tRAIN"});
    FillMethodChoice(choice, sheet, ui);
    ASSERT_TRUE(choice.selectCaption("PenMon"));
    EXPECT_EQ(ChosenEtColumn(choice, sheet, ui), 4);
    EXPECT_EQ(ui.beeps, 2);
    // A third PenMon column computed after the dialog was filled is read too.
    sheet.setCellText(1, 30, "PenMon");
    sheet.setCellText(1, 31, "PenMon"); // beyond the 30 columns the title scan reaches
    EXPECT_EQ(ChosenEtColumn(choice, sheet, ui), 30);
    EXPECT_EQ(ui.beeps, 5);
    EXPECT_TRUE(ui.messages.empty());

    // No column with the label any more: refused, without a beep.
    for (const int column : {2, 4, 30, 31}) sheet.setCellText(1, column, "PENMON");
    EXPECT_EQ(ChosenEtColumn(choice, sheet, ui), 0);
    EXPECT_EQ(ui.messages, std::vector<std::string>{kNoEt});
    EXPECT_EQ(ui.beeps, 5);

    MethodChoice empty; // never filled: nothing selected
    EXPECT_EQ(ChosenEtColumn(empty, SheetOf({"DATE\tPenMon"}), ui), 0);
    EXPECT_EQ(ui.messages.size(), 2u);
}

} // namespace etp
