#include "workbench/ModelFileCommands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "models/ModelSheets.h"
#include "support/ScriptedUserInterface.h"

namespace etp {

namespace {

using namespace std::chrono;
using testing::Day;
using testing::ReadFile;
using testing::ScriptedUserInterface;
using testing::Series;
using testing::SeriesSheet;
using testing::StationColumns;
using testing::TempDir;

// A year of days with rain and a PenMon column.
Workbench YearOfWeather(const std::string& etTitle = "PenMon")
{
    Workbench workbench;
    workbench.sheet = SeriesSheet(Series(year_month_day{1995y / January / 1}, 365,
                                         [](int i, std::string date) {
                                             return Day{date, "5", "15", "300", i % 4 ? "0" : "3.2", "2.5"};
                                         }),
                                  etTitle);
    workbench.columns = StationColumns();
    return workbench;
}

// One press of a button of the three dialogs, with the state the dialog holds.
struct Save {
    const char* name;
    const char* initialName;
    const char* title;
    std::function<bool(const Workbench&, UserInterface&)> press;
    bool readsRain;
};

std::vector<Save> AllSaves()
{
    return {
        {"CREAMS T and Rad", "*.tr", "Save T and Rad",
         [](const Workbench& w, UserInterface& ui) {
             CreamsTable table;
             return BuildCreamsTable(w, table, ui) && SaveCreamsTemperatureRadiation(table, ui);
         },
         false},
        {"CREAMS rain", "*.rn", " CREAMS - Save daily rain",
         [](const Workbench& w, UserInterface& ui) { return SaveCreamsRain(w, ui); }, true},
        {"LEACHM rain", "*.rn", "LEACHM - Save rain",
         [](const Workbench& w, UserInterface& ui) { return SaveLeachmRain(w, LeachmSettings{}, ui); }, true},
        {"LEACHM ETP", "*.etp", "LEACHW - Save ETP, T and amplitude",
         [](const Workbench& w, UserInterface& ui) { return SaveLeachmEtp(w, NewLeachmSettings(w, ui), ui); }, false},
        {"MACRO rain", "*.rn", "MACRO - Save rain", [](const Workbench& w, UserInterface& ui) { return SaveMacroRain(w, ui); },
         true},
        {"MACRO ETP", "*.etp", "MACRO - Save ETP",
         [](const Workbench& w, UserInterface& ui) { return SaveMacroEtp(w, NewMethodChoice(w, ui), ui); }, false},
    };
}

std::vector<std::string> FilesIn(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string Message(const std::string& text) { return std::string(kApplicationTitle) + "|" + text; }
const std::string kNoEt = Message("You dont have computed the ETP!!");

} // namespace

// Cancelling the dialog, or handing back its initial pattern or nothing, ends the command
// quietly; a name replaces the file there.
TEST(ModelFileCommands, EachSaveAsksWithItsOwnNameAndTitleAndReplacesTheFile)
{
    const Workbench workbench = YearOfWeather();
    const auto home = std::filesystem::current_path();
    for (const Save& save : AllSaves()) {
        TempDir dir;
        std::filesystem::current_path(dir.path()); // where a file named by the pattern would land
        const auto path = dir.write("model.out", "an older file");
        ScriptedUserInterface ui;
        ui.saveFiles = {std::nullopt, save.initialName, "", path};
        for (int cancelled = 0; cancelled < 3; ++cancelled) EXPECT_FALSE(save.press(workbench, ui)) << save.name;
        EXPECT_EQ(FilesIn(dir.path()), std::vector<std::string>{"model.out"}) << save.name;
        EXPECT_TRUE(save.press(workbench, ui)) << save.name;
        std::filesystem::current_path(home);
        EXPECT_EQ(ui.saveInitialNames, std::vector<std::string>(4, save.initialName)) << save.name;
        EXPECT_EQ(ui.saveTitles, std::vector<std::string>(4, save.title)) << save.name;
        EXPECT_TRUE(ui.messages.empty()) << save.name;
        EXPECT_EQ(ui.pointer(), Pointer::Normal) << save.name;
        EXPECT_NE(ReadFile(path), "an older file") << save.name;
        EXPECT_GT(ReadFile(path).size(), 100u) << save.name;
        EXPECT_EQ(FilesIn(dir.path()), std::vector<std::string>{"model.out"}) << save.name;
    }
}

// "Save all" runs both saves of its dialog, each with its own dialog, also when the
// first one is cancelled.
TEST(ModelFileCommands, SaveAllRunsBothSaves)
{
    const Workbench workbench = YearOfWeather();
    CreamsTable table;
    ScriptedUserInterface quiet;
    BuildCreamsTable(workbench, table, quiet);
    const LeachmSettings leachm = NewLeachmSettings(workbench, quiet);
    const std::vector<std::pair<std::function<void(UserInterface&)>, std::vector<std::string>>> cases = {
        {[&](UserInterface& ui) { SaveCreamsAll(workbench, table, ui); }, {"Save T and Rad", " CREAMS - Save daily rain"}},
        {[&](UserInterface& ui) { SaveLeachmAll(workbench, leachm, ui); },
         {"LEACHM - Save rain", "LEACHW - Save ETP, T and amplitude"}},
        {[&](UserInterface& ui) { SaveMacroAll(workbench, leachm.methods, ui); }, {"MACRO - Save rain", "MACRO - Save ETP"}},
    };
    for (const auto& [pressSaveAll, titles] : cases) {
        TempDir dir;
        ScriptedUserInterface ui;
        ui.saveFiles = {dir.file("first"), dir.file("second")};
        pressSaveAll(ui);
        EXPECT_EQ(ui.saveTitles, titles);
        EXPECT_EQ(FilesIn(dir.path()), (std::vector<std::string>{"first", "second"}));

        ScriptedUserInterface cancelling;
        cancelling.saveFiles = {std::nullopt, dir.file("third")};
        pressSaveAll(cancelling);
        EXPECT_EQ(cancelling.saveTitles, titles);
        EXPECT_EQ(FilesIn(dir.path()), (std::vector<std::string>{"first", "second", "third"}));
    }
}

// Opening the dialogs: a date the CREAMS table cannot place leaves it with its headers
// only; a sheet without ET columns gets the message and a disabled choice.
TEST(ModelFileCommands, DialogsBeingCreatedShowTheirRefusals)
{
    Workbench workbench = YearOfWeather("ET");
    workbench.sheet.setCellText(3, 1, "32/01/95");
    CreamsTable table;
    table.fill({{"1", "2", "3", "4"}});
    ScriptedUserInterface ui;
    EXPECT_FALSE(BuildCreamsTable(workbench, table, ui));
    EXPECT_EQ(table.text(1, 1), "Tmean F°");
    EXPECT_EQ(table.text(2, 1), "");
    EXPECT_EQ(ui.pointers, (std::vector<Pointer>{Pointer::Busy, Pointer::Normal}));
    EXPECT_FALSE(NewMethodChoice(workbench, ui).enabled);
    EXPECT_FALSE(NewLeachmSettings(workbench, ui).methods.enabled);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{Message("The date in row 3 is not a date: \"32/01/95\""), kNoEt, kNoEt}));
    EXPECT_EQ(ui.icons, (std::vector<Icon>{Icon::Critical, Icon::None, Icon::None}));
}

// A save refused for its data writes nothing and keeps the file that was there: without
// a rain column or with dates going back the file is asked for first; the ET column is
// chosen before the file is asked for, so a chosen column that is gone asks nothing.
TEST(ModelFileCommands, RefusedDataLeaveTheOldFile)
{
    Workbench dry = YearOfWeather();
    dry.sheet.setCellText(1, 9, "WATER");
    Workbench backwards = YearOfWeather();
    backwards.sheet.setCellText(300, 1, "01/01/94");
    const Workbench computed = YearOfWeather("PenMon");
    ScriptedUserInterface quiet;
    const LeachmSettings leachm = NewLeachmSettings(computed, quiet);
    const MethodChoice macro = NewMethodChoice(computed, quiet);
    const Workbench renamed = YearOfWeather("PenMon2");
    using Press = std::function<bool(UserInterface&)>;
    std::vector<std::tuple<std::string, Press, std::string, std::size_t>> cases = {
        {"dates going back", [&](UserInterface& ui) { return SaveLeachmEtp(backwards, leachm, ui); }, "row 300", 1},
        {"LEACHM ETP", [&](UserInterface& ui) { return SaveLeachmEtp(renamed, leachm, ui); }, kNoEt, 0},
        {"MACRO ETP", [&](UserInterface& ui) { return SaveMacroEtp(renamed, macro, ui); }, kNoEt, 0},
    };
    for (const Save& save : AllSaves())
        if (save.readsRain)
            cases.emplace_back(save.name, [&dry, save](UserInterface& ui) { return save.press(dry, ui); },
                               Message("No rain in data sheet"), 1);
    for (const auto& [name, press, message, asked] : cases) {
        TempDir dir;
        const auto path = dir.write("model.out", "old");
        ScriptedUserInterface ui;
        ui.saveFiles = {path};
        EXPECT_FALSE(press(ui)) << name;
        ASSERT_EQ(ui.messages.size(), 1u) << name;
        EXPECT_NE(ui.messages[0].find(message), std::string::npos) << name << ": " << ui.messages[0];
        EXPECT_EQ(ui.saveTitles.size(), asked) << name;
        EXPECT_EQ(ReadFile(path), "old") << name;
        EXPECT_EQ(FilesIn(dir.path()), std::vector<std::string>{"model.out"}) << name;
        EXPECT_EQ(ui.pointer(), Pointer::Normal) << name;
    }
}

} // namespace etp
