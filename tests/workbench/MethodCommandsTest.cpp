#include "workbench/MethodCommands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "et/MethodAvailability.h"
#include "support/ScriptedUserInterface.h"
#include "support/SheetBuilder.h"

namespace etp {

namespace {

using testing::ScriptedUserInterface;

const std::string kTitle = std::string(kApplicationTitle) + "|";

} // namespace

// What the method dialogs' checks answer reaches the person as a message or as an
// OK/Cancel question whose answer changes nothing.
TEST(OpenMethods, EachFailedCheckIsShown)
{
    struct Case { const char* tmax; const char* radiation; const char* wind; const char* message; bool asks; };
    const Case cases[] = {
        {"?", "6", "7", kProblemsInVariables, false},
        {"3", "0", "7", kNoRadiationOrSunshine, true},
    };
    for (const auto& c : cases) {
        Workbench workbench;
        workbench.columns = testing::BoxesOf({"1", "2", c.tmax, "4", "5", c.radiation, c.wind, "0"});
        ScriptedUserInterface ui;
        if (c.asks) ui.answers.push_back(Answer::Ok);
        EXPECT_FALSE(OpenMethods(workbench, ui));
        EXPECT_EQ(ui.messages, std::vector<std::string>{kTitle + c.message});
        EXPECT_EQ(ui.icons, std::vector<Icon>{Icon::Critical});
        EXPECT_TRUE(ui.answers.empty()) << c.message;
    }
}

// Compute with no method ticked, or with no file open, says what to do and asks nothing.
TEST(ComputeResults, NoMethodOrNoDataSaysWhatToDo)
{
    Workbench workbench;
    workbench.columns = testing::BoxesOf({"1", "2", "3", "4", "5", "6", "7", "8"});
    workbench.station = {"0", "0", "2"}; // no station question either
    ScriptedUserInterface ui;
    EXPECT_EQ(ComputeResults(workbench, ui), ComputeOutcome::Refused);
    workbench.methods.checked[Method::PotentialRadiation] = true;
    EXPECT_EQ(ComputeResults(workbench, ui), ComputeOutcome::Refused);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{kTitle + kNoMethodTicked, kTitle + kNoDataToCompute}));
    EXPECT_TRUE(ui.pointers.empty());

    workbench.sheet = testing::SheetOf({testing::kStationTitles, "21/06/95\t12\t28\t40\t90\t22\t2\t10\t0"});
    workbench.methods.checked[Method::PotentialRadiation] = false;
    ui.messages.clear();
    EXPECT_EQ(ComputeResults(workbench, ui), ComputeOutcome::Refused);
    EXPECT_EQ(ui.messages, std::vector<std::string>{kTitle + kNoMethodTicked});
    EXPECT_EQ(workbench.sheet.lastNonEmptyColumn(1), 9);
}

// A station at 0° and 0 m is asked about before anything is written; a stop is shown with
// the row.
TEST(ComputeResults, StationQuestionThenMessages)
{
    Workbench workbench;
    workbench.sheet = testing::SheetOf({testing::kStationTitles, "21/06/95\t12\t28\t40\t90\t22\t2\t10\t0"});
    workbench.columns = testing::BoxesOf({"1", "2", "3", "4", "5", "6", "7", "8"});
    workbench.methods.checked[Method::PenMon] = true;
    workbench.station = {"0", "0.0", "2"};
    ScriptedUserInterface ui;

    ui.answers = {Answer::Cancel};
    EXPECT_EQ(ComputeResults(workbench, ui), ComputeOutcome::StationRequested);
    EXPECT_EQ(ui.messages, std::vector<std::string>{kTitle + kStationQuestion});
    EXPECT_EQ(ui.icons, std::vector<Icon>{Icon::Question});
    EXPECT_EQ(workbench.sheet.lastNonEmptyColumn(1), 9);
    EXPECT_EQ(ui.pointers, (std::vector<Pointer>{Pointer::Busy, Pointer::Normal}));

    // A station out of range is refused before the question, and nothing is added.
    ui.messages.clear();
    workbench.station.windHeight = "0";
    EXPECT_EQ(ComputeResults(workbench, ui), ComputeOutcome::Refused);
    EXPECT_EQ(ui.messages, std::vector<std::string>{kTitle + "Wind speed measurement high (m) must be at least 0.1: \"0\""});
    EXPECT_EQ(ui.icons.back(), Icon::Critical);
    EXPECT_EQ(workbench.sheet.lastNonEmptyColumn(1), 9);
    ui.messages.clear();
    workbench.station = {"45", "100", "2"};
    EXPECT_EQ(ComputeResults(workbench, ui), ComputeOutcome::Completed);
    EXPECT_TRUE(ui.messages.empty());

    // The days a run leaves empty are a warning.
    workbench.sheet.setCellText(2, 6, "");
    EXPECT_EQ(ComputeResults(workbench, ui), ComputeOutcome::Completed);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], kTitle + "PenMon: 1 day not computed, inputs missing: row 2 (21/06/95)");
    EXPECT_EQ(ui.icons.back(), Icon::Exclamation);
}

} // namespace etp
