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

// Without ET columns the group shows the eight labels disabled.
TEST(FillMethodChoice, ListsTheEtColumnsInSheetOrderAndSelectsTheLastAfresh)
{
    MethodChoice choice;
    EXPECT_FALSE(FillMethodChoice(choice, SheetOf({"DATE\tTMIN\tpenmon\tPenMon "})));
    EXPECT_FALSE(choice.enabled);
    EXPECT_EQ(VisibleCaptions(choice),
              (std::vector<std::string>{"PenFAO", "PFAOnocorr", "PenMon", "P-T", "PFAOrad", "PFAOsun", "ASCE short", "ASCE tall"}));
    EXPECT_FALSE(choice.selectedIndex());
    EXPECT_FALSE(choice.select(0)) << "nothing can be selected in a disabled group";

    // The ET columns in sheet order, the last selected.
    EXPECT_TRUE(FillMethodChoice(choice, SheetOf({"DATE\tP-T\tRAIN\tPenMon\tHargr.\tP-T"})));
    EXPECT_EQ(VisibleCaptions(choice), (std::vector<std::string>{"P-T", "PenMon", "P-T"}));
    EXPECT_EQ(choice.selectedIndex(), 2);
    // Selection is exclusive, and only among the visible options.
    EXPECT_TRUE(choice.select(0));
    EXPECT_FALSE(choice.options[2].selected);
    EXPECT_FALSE(choice.select(3));
    EXPECT_TRUE(choice.selectCaption("PenMon"));
    EXPECT_FALSE(choice.selectCaption("PFAOrad"));
    EXPECT_EQ(choice.selectedIndex(), 1);

    // Filled again, it scans afresh: nothing of the earlier fill stays.
    FillMethodChoice(choice, SheetOf({"DATE\tPenMon"}));
    EXPECT_EQ(VisibleCaptions(choice), std::vector<std::string>{"PenMon"});
    EXPECT_EQ(choice.selectedIndex(), 0);
    // Eight columns at most: the ninth match and later are left out.
    FillMethodChoice(choice, SheetOf({"DATE\tPenFAO\tPenFAO\tPenFAO\tPenFAO\tPenFAO\tPenFAO\tPenFAO\tPenFAO\tPenFAO\tPFAOrad"}));
    EXPECT_EQ(VisibleCaptions(choice), std::vector<std::string>(8, "PenFAO"));
}

TEST(ChosenEtColumns, TheColumnsOfTheLabelLeftToRightOrNone)
{
    MethodChoice choice;
    auto sheet = SheetOf({"DATE\tPenMon\tP-T\tPenMon\tRAIN"});
    FillMethodChoice(choice, sheet);
    ASSERT_TRUE(choice.selectCaption("PenMon"));
    EXPECT_EQ(ChosenEtColumns(choice, sheet), (std::vector<int>{2, 4}));
    // A third PenMon column computed after the dialog was filled is read too.
    sheet.setCellText(1, 30, "PenMon");
    sheet.setCellText(1, 31, "PenMon"); // beyond the 30 columns the title scan reaches
    EXPECT_EQ(ChosenEtColumns(choice, sheet), (std::vector<int>{2, 4, 30}));

    for (const int column : {2, 4, 30, 31}) sheet.setCellText(1, column, "PENMON");
    EXPECT_TRUE(ChosenEtColumns(choice, sheet).empty());
}

} // namespace etp
