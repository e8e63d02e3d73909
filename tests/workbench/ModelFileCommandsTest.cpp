#include "workbench/ModelFileCommands.h"

#include <gtest/gtest.h>

#include <functional>

#include "models/CreamsWriter.h"
#include "models/MacroWriter.h"
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

constexpr int kRainColumn = 9;
constexpr int kEtColumn = 10;

// One press of a button of the three dialogs, with the state the dialog holds, and the
// text its writer makes of the rain or ET column.
struct Save {
    const char* name;
    const char* initialName;
    const char* title;
    std::function<bool(const Workbench&, UserInterface&)> press;
    bool readsRain;
    std::function<std::string(const Workbench&)> text;
};

std::string CreamsTableText(const Workbench& w)
{
    CreamsTable table;
    table.fill(CreamsMonthlyLines(w.sheet, w.columns, w.units));
    return CreamsTemperatureRadiationText(table);
}

std::vector<Save> AllSaves()
{
    return {
        {"CREAMS T and Rad", "*.tr", "Save T and Rad",
         [](const Workbench& w, UserInterface& ui) {
             CreamsTable table;
             return BuildCreamsTable(w, table, ui) && SaveCreamsTemperatureRadiation(table, ui);
         },
         false, CreamsTableText},
        {"CREAMS rain", "*.rn", " CREAMS - Save daily rain",
         [](const Workbench& w, UserInterface& ui) { return SaveCreamsRain(w, ui); }, true,
         [](const Workbench& w) { return CreamsRainText(w.sheet, w.columns, kRainColumn); }},
        {"LEACHM rain", "*.rn", "LEACHM - Save rain",
         [](const Workbench& w, UserInterface& ui) { return SaveLeachmRain(w, LeachmSettings{}, ui); }, true,
         [](const Workbench& w) {
             return LeachmRainText(w.sheet, w.columns, kRainColumn, LeachmDateFormat::Ddmmaa, {0, 0.1, 1});
         }},
        {"LEACHM ETP", "*.etp", "LEACHW - Save ETP, T and amplitude",
         [](const Workbench& w, UserInterface& ui) { return SaveLeachmEtp(w, NewLeachmSettings(w, ui), ui); }, false,
         [](const Workbench& w) { return LeachmEtpText(w.sheet, w.columns, kEtColumn); }},
        {"MACRO rain", "*.rn", "MACRO - Save rain", [](const Workbench& w, UserInterface& ui) { return SaveMacroRain(w, ui); },
         true, [](const Workbench& w) { return MacroDailyText(w.sheet, w.columns, kRainColumn); }},
        {"MACRO ETP", "*.etp", "MACRO - Save ETP",
         [](const Workbench& w, UserInterface& ui) { return SaveMacroEtp(w, NewMethodChoice(w, ui), ui); }, false,
         [](const Workbench& w) { return MacroDailyText(w.sheet, w.columns, kEtColumn); }},
    };
}

std::string Message(const std::string& text) { return std::string(kApplicationTitle) + "|" + text; }
const std::string kNoEt = Message("You dont have computed the ETP!!");

} // namespace

// Each save asks with its own initial name and title; a cancelled dialog ends it quietly
// (what else ends a save before writing is SaveTextFile's), a name gets its writer's text
// of the rain or ET column in place of the file there.
TEST(ModelFileCommands, EachSaveAsksWithItsOwnNameAndTitleAndReplacesTheFile)
{
    const Workbench workbench = YearOfWeather();
    for (const Save& save : AllSaves()) {
        TempDir dir;
        const auto path = dir.write("model.out", "an older file");
        ScriptedUserInterface ui;
        ui.saveFiles = {std::nullopt, path};
        EXPECT_FALSE(save.press(workbench, ui)) << save.name;
        EXPECT_EQ(ReadFile(path), "an older file") << save.name;
        EXPECT_TRUE(save.press(workbench, ui)) << save.name;
        EXPECT_EQ(ui.saveInitialNames, std::vector<std::string>(2, save.initialName)) << save.name;
        EXPECT_EQ(ui.saveTitles, std::vector<std::string>(2, save.title)) << save.name;
        EXPECT_TRUE(ui.messages.empty()) << save.name;
        EXPECT_EQ(ui.pointer(), Pointer::Normal) << save.name;
        EXPECT_EQ(ReadFile(path), save.text(workbench)) << save.name;
        EXPECT_EQ(dir.names(), std::vector<std::string>{"model.out"}) << save.name;
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
        EXPECT_EQ(dir.names(), (std::vector<std::string>{"first", "second"}));

        ScriptedUserInterface cancelling;
        cancelling.saveFiles = {std::nullopt, dir.file("third")};
        pressSaveAll(cancelling);
        EXPECT_EQ(cancelling.saveTitles, titles);
        EXPECT_EQ(dir.names(), (std::vector<std::string>{"first", "second", "third"}));
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
        EXPECT_EQ(dir.names(), std::vector<std::string>{"model.out"}) << name;
        EXPECT_EQ(ui.pointer(), Pointer::Normal) << name;
    }
}

} // namespace etp
