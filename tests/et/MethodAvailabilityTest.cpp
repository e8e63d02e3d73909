#include "et/MethodAvailability.h"

#include <gtest/gtest.h>

#include <string>

#include "support/ScriptedUserInterface.h"

namespace etp {

namespace {

ColumnMap Boxes(const char* radiation, const char* sunshine, const char* wind = "7")
{
    ColumnMap columns;
    columns.text = {"1", "2", "3", "4", "5", radiation, wind, sunshine};
    return columns;
}

// Enabled flags as a string of twelve 0/1, in method order.
std::string Enabled(const MethodSelection& methods)
{
    std::string flags;
    for (bool on : methods.enabled) flags += on ? '1' : '0';
    return flags;
}

} // namespace

TEST(OpenMethodDialog, EnablesByRadiationAndSunshine)
{
    struct Case {
        MethodDialog dialog;
        const char* radiation;
        const char* sunshine;
        const char* enabled;
    };
    const Case cases[] = {
        {MethodDialog::Combination, "6", "8", "111111000001"}, // all six and PotRad
        {MethodDialog::Combination, "0", "8", "000000000001"}, // PotRad only, the dialog stays
        {MethodDialog::Others, "0", "8", "000000111111"},      // its own boxes whatever the radiation
    };
    for (const auto& c : cases) {
        MethodSelection methods;
        testing::ScriptedUserInterface ui;
        EXPECT_TRUE(OpenMethodDialog(c.dialog, Boxes(c.radiation, c.sunshine), methods, ui));
        EXPECT_EQ(Enabled(methods), c.enabled) << c.radiation << ' ' << c.sunshine;
        EXPECT_TRUE(ui.messages.empty());
    }
}

TEST(OpenMethodDialog, FailedChecksShowTheirMessageAndEnableNothing)
{
    struct Case {
        ColumnMap columns;
        const char* message;
        bool asks; // OK and Cancel buttons
    };
    ColumnMap noTmax = Boxes("6", "8");
    noTmax.text[TmaxBox] = "?";
    const Case cases[] = {
        {noTmax, "Problems in defining metereological variables", false},
        {Boxes("0", "0"), "Problems in defining metereological variables - radiation or sunshine not available", true},
        {Boxes("?", "0"), "Problems in defining metereological variables - radiation or sunshine not available", true},
        {Boxes("6", "8", "?"), "Problems in defining metereological variables", true},
    };
    for (const auto& c : cases)
        for (const auto dialog : {MethodDialog::Combination, MethodDialog::Others}) {
            MethodSelection methods;
            testing::ScriptedUserInterface ui;
            if (c.asks) ui.answers.push_back(Answer::Cancel); // the answer makes no difference
            EXPECT_FALSE(OpenMethodDialog(dialog, c.columns, methods, ui));
            EXPECT_EQ(ui.messages, (std::vector<std::string>{std::string("ETP computation|") + c.message}));
            EXPECT_EQ(ui.icons, (std::vector<Icon>{Icon::Critical}));
            EXPECT_TRUE(ui.answers.empty());
            EXPECT_EQ(Enabled(methods), "000000000001");
        }
}

TEST(OpenMethodDialog, WindZeroPassesAndEnabledBoxesStayEnabled)
{
    MethodSelection methods;
    testing::ScriptedUserInterface ui;
    EXPECT_TRUE(OpenMethodDialog(MethodDialog::Combination, Boxes("6", "0", "0"), methods, ui));
    EXPECT_EQ(Enabled(methods), "001110010101"); // PFAOrad, PenMon, P-T; Turc, P-T extrad
    EXPECT_TRUE(OpenMethodDialog(MethodDialog::Combination, Boxes("6", "8"), methods, ui));
    EXPECT_EQ(Enabled(methods), "111111010101");
    EXPECT_TRUE(OpenMethodDialog(MethodDialog::Combination, Boxes("0", "8"), methods, ui));
    EXPECT_EQ(Enabled(methods), "111111010101");
}

TEST(ConfirmMethodDialog, NeedsOneOfItsOwnBoxes)
{
    MethodSelection methods;
    testing::ScriptedUserInterface ui;
    methods.checked[MethodHargreaves] = true;
    EXPECT_FALSE(ConfirmMethodDialog(MethodDialog::Combination, methods, ui));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"ETP computation|You should select at minimum one method"}));
    EXPECT_TRUE(ConfirmMethodDialog(MethodDialog::Others, methods, ui));
    methods.checked[MethodPenFaoSunshine] = true;
    EXPECT_TRUE(ConfirmMethodDialog(MethodDialog::Combination, methods, ui));
    EXPECT_EQ(ui.messages.size(), 1u);
}

} // namespace etp
