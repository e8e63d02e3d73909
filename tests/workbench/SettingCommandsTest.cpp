#include "workbench/SettingCommands.h"

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

// Each box in turn: a number within its range, or a message naming the box, which the
// dialog puts the cursor in; the coefficients change only when all three pass.
TEST_F(CommandsTest, HargreavesBoxesAreCheckedInOrderWithTheirRanges)
{
    const struct {
        HargreavesTexts texts;
        HargreavesBox box;
        const char* message;
    } wrong[] = {
        {{"-5", "17.8", ".5"}, HargreavesBox::A, "The value of a must be from 0.0001 to 0.01: \"-5\""},
        {{"0", "17.8", ".5"}, HargreavesBox::A, "The value of a must be from 0.0001 to 0.01: \"0\""},
        {{"0.011", "17.8", ".5"}, HargreavesBox::A, "The value of a must be from 0.0001 to 0.01: \"0.011\""},
        {{"0.0022", "abc", ".5"}, HargreavesBox::B, "The value of b is not a number: \"abc\""},
        {{"0.0022", "-0.1", ".5"}, HargreavesBox::B, "The value of b must be from 0 to 40: \"-0.1\""},
        {{"0.0022", "40.5", "x"}, HargreavesBox::B, "The value of b must be from 0 to 40: \"40.5\""},
        {{"0.0022", "17.8", "2"}, HargreavesBox::C, "The value of c must be from 0.1 to 1: \"2\""},
        {{"0.0022", "17.8", "0.09"}, HargreavesBox::C, "The value of c must be from 0.1 to 1: \"0.09\""},
        {{"0.0022", "17.8", "0,5"}, HargreavesBox::C, "The value of c is not a number: \"0,5\""},
    };
    for (const auto& w : wrong) {
        ui.messages.clear();
        EXPECT_EQ(ApplyHargreaves(workbench, w.texts, ui), w.box) << w.message;
        EXPECT_EQ(ui.messages, std::vector<std::string>{std::string("ETP computation|") + w.message});
    }
    EXPECT_EQ(workbench.hargreaves.a, 0.0023);
    EXPECT_EQ(workbench.hargreaves.b, 17.8);
    EXPECT_EQ(workbench.hargreaves.c, 0.5);

    ui.messages.clear();
    EXPECT_EQ(ApplyHargreaves(workbench, {"0.0001", "0", "0.1"}, ui), std::nullopt); // the ends are in
    EXPECT_EQ(ApplyHargreaves(workbench, {"0.01", "40", "1"}, ui), std::nullopt);
    EXPECT_EQ(ApplyHargreaves(workbench, {"0.0022", "17", ".6"}, ui), std::nullopt);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(workbench.hargreaves.a, 0.0022);
    EXPECT_EQ(workbench.hargreaves.b, 17);
    EXPECT_EQ(workbench.hargreaves.c, 0.6);
}

// "OK" of the "Missing data" dialog: each refusal puts the cursor in the box its message
// is about, also when several boxes are wrong or only their sum is, and keeps the settings.
TEST_F(CommandsTest, EstimatesRefusalNamesTheBoxToCorrect)
{
    const struct {
        std::array<std::string, 4> texts; // a, b, kRs, K0
        EstimateBox box;
        const char* message;
    } wrong[] = {
        {{"abc", "0.5", "0.16", "0"}, EstimateBox::AngstromA, "Angstrom a is not a number: \"abc\""},
        {{"0.25", "0,5", "0.16", "0"}, EstimateBox::AngstromB, "Angstrom b is not a number: \"0,5\""},
        {{"0.25", "0.5", "", "0"}, EstimateBox::Krs, "kRs is not a number: \"\""},
        {{"0.25", "0.5", "0.16", "1e999"}, EstimateBox::K0, "K0 is not a number: \"1e999\""},
        {{"-0.1", "0.5", "0.16", "0"}, EstimateBox::AngstromA, "Angstrom a must be from 0 to 1: -0.1"},
        {{"1.5", "2", "0.5", "0"}, EstimateBox::AngstromA, "Angstrom a must be from 0 to 1: 1.5"},
        {{"0.6", "0.5", "0.5", "0"}, EstimateBox::AngstromB, "Angstrom a + b must be at most 1: 1.1"},
        {{"0.25", "0.5", "0.31", "0"}, EstimateBox::Krs, "kRs must be from 0.1 to 0.3: 0.31"},
        {{"0.25", "0.5", "0.19", "-2"}, EstimateBox::K0, "K0 must be from 0 to 10 °C: -2"},
    };
    for (const auto& [texts, box, message] : wrong) {
        ui.messages.clear();
        EXPECT_EQ(ApplyEstimates(workbench, {.radiation = true, .coefficients = texts}, ui), box) << message;
        EXPECT_EQ(ui.messages, std::vector<std::string>{std::string("ETP computation|") + message});
    }
    EXPECT_EQ(ui.icons.back(), Icon::Critical);
    EXPECT_FALSE(workbench.estimates.any());
    EXPECT_EQ(workbench.estimates.angstromA, 0.25);

    // The edges pass, with the ticks as given.
    ui.messages.clear();
    EXPECT_EQ(ApplyEstimates(workbench, {.humidity = true, .wind = true, .coefficients = {"0.4", ".6", "0.3", "10"}}, ui),
              std::nullopt);
    EXPECT_TRUE(ui.messages.empty());
    const EstimateSettings& applied = workbench.estimates;
    EXPECT_TRUE(!applied.radiation && applied.humidity && applied.wind);
    EXPECT_TRUE(applied.angstromA == 0.4 && applied.angstromB == 0.6 && applied.krs == 0.3 && applied.k0 == 10);
}

} // namespace etp
