#include "workbench/Commands.h"

#include <gtest/gtest.h>

#include "support/ScriptedUserInterface.h"
#include "support/SheetBuilder.h"

namespace etp {

namespace {

class CommandsTest : public ::testing::Test {
protected:
    Workbench workbench;
    testing::ScriptedUserInterface ui;
};

} // namespace

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

    // The panels' numbers: DecimalText's (tests/sheet), with a blank unless negative.
    const std::pair<double, const char*> cases[] = {{45.5, " 45.5"}, {-0.0, " 0"}, {-33, "-33"}};
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

} // namespace etp
