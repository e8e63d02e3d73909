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

TEST_F(CommandsTest, StationOkShowsNumberTextsAndRefusesTextsThatAreNoNumbersOrOutOfRange)
{
    workbench.station = {"-33", "250", "10"};
    EXPECT_EQ(ApplyStation(workbench, ui), std::nullopt);
    EXPECT_EQ(workbench.statusPanels, (std::array<std::string, 4>{"working file: none", "Latitude:-33°",
                                                                    "Altitude a.s.l.: 250 m",
                                                                    "Wind speed measurement hight: 10 m"}));
    // Each refusal names the box and what it takes; the edges themselves pass.
    const std::pair<StationParameters, StationBox> wrong[] = {
        {{"45.5", "12,5", "10"}, StationBox::Altitude},  {{"90.01", "0", "2"}, StationBox::Latitude},
        {{"-90.5", "0", "2"}, StationBox::Latitude},     {{"0", "-501", "2"}, StationBox::Altitude},
        {{"0", "9000.5", "2"}, StationBox::Altitude},    {{"0", "0", "0.09"}, StationBox::WindHeight},
    };
    for (const auto& [station, box] : wrong) {
        workbench.station = station;
        EXPECT_EQ(ApplyStation(workbench, ui), box) << station.latitude << " " << station.altitude;
    }
    EXPECT_EQ(ui.messages.front(), "ETP computation|Altitude a.s.l. (m) is not a number: \"12,5\"");
    EXPECT_EQ(ui.messages[1], "ETP computation|Latitude (°) must be from -90 to 90: \"90.01\"");
    EXPECT_EQ(ui.messages[4], "ETP computation|Altitude a.s.l. (m) must be from -500 to 9000: \"9000.5\"");
    EXPECT_EQ(ui.messages[5], "ETP computation|Wind speed measurement high (m) must be at least 0.1: \"0.09\"");
    EXPECT_EQ(workbench.statusPanels[1], "Latitude:-33°");
    workbench.station = {"-90", "9000", "0.1"};
    EXPECT_EQ(ApplyStation(workbench, ui), std::nullopt);

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
