// The model-file dialogs' commands: each save reaches its writer, asks for its file and
// shows its refusals. The layouts themselves are pinned in tests/models.
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
using testing::ReadFile;
using testing::ScriptedUserInterface;
using testing::TempDir;

// A year of days with rain on every fourth day and an ET column titled etTitle.
Workbench YearOfWeather(const std::string& etTitle = "PenMon")
{
    Workbench workbench;
    const auto day = [](int i, std::string date) { return testing::Day{date, "5", "15", "300", i % 4 ? "0" : "3.2", "2.5"}; };
    workbench.sheet = testing::SeriesSheet(testing::Series(year_month_day{1995y / January / 1}, 365, day), etTitle);
    workbench.columns = testing::StationColumns();
    return workbench;
}

std::string Message(const std::string& text) { return std::string(kApplicationTitle) + "|" + text; }

} // namespace

// "Save all" of each dialog runs both of its saves, each asking with its own initial name and
// title, and each writes its writer's text of the rain (9) or ET (10) column in place of the
// file there. A cancelled first dialog still asks for the second file.
TEST(ModelFileCommands, EachSaveAsksForItsFileAndWritesItsWritersText)
{
    const Workbench w = YearOfWeather();
    ScriptedUserInterface quiet;
    CreamsTable table;
    ASSERT_TRUE(BuildCreamsTable(w, table, quiet));
    const LeachmSettings leachm = NewLeachmSettings(w, quiet);
    struct Dialog { std::function<void(UserInterface&)> saveAll; std::vector<std::string> titles, initialNames, texts; };
    const Dialog dialogs[] = {
        {[&](UserInterface& ui) { SaveCreamsAll(w, table, ui); }, {"Save T and Rad", " CREAMS - Save daily rain"},
         {"*.tr", "*.rn"}, {CreamsTemperatureRadiationText(table), CreamsRainText(w.sheet, w.columns, 9)}},
        {[&](UserInterface& ui) { SaveLeachmAll(w, leachm, ui); }, {"LEACHM - Save rain", "LEACHW - Save ETP, T and amplitude"},
         {"*.rn", "*.etp"},
         {LeachmRainText(w.sheet, w.columns, 9, LeachmDateFormat::Ddmmaa, {0, 0.1, 1}), LeachmEtpText(w.sheet, w.columns, 10)}},
        {[&](UserInterface& ui) { SaveMacroAll(w, leachm.methods, ui); }, {"MACRO - Save rain", "MACRO - Save ETP"},
         {"*.rn", "*.etp"}, {MacroDailyText(w.sheet, w.columns, 9), MacroDailyText(w.sheet, w.columns, 10)}},
    };
    for (const Dialog& dialog : dialogs) {
        TempDir dir;
        const auto first = dir.write("first", "an older file");
        ScriptedUserInterface ui;
        ui.saveFiles = {first, dir.file("second")};
        dialog.saveAll(ui);
        EXPECT_EQ(ui.saveTitles, dialog.titles);
        EXPECT_EQ(ui.saveInitialNames, dialog.initialNames);
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_EQ(ReadFile(first), dialog.texts[0]) << dialog.titles[0];
        EXPECT_EQ(ReadFile(dir.file("second")), dialog.texts[1]) << dialog.titles[1];

        ScriptedUserInterface cancelling;
        cancelling.saveFiles = {std::nullopt, std::nullopt};
        dialog.saveAll(cancelling);
        EXPECT_EQ(cancelling.saveTitles, dialog.titles);
        EXPECT_EQ(ReadFile(first), dialog.texts[0]);
    }
}

// Opening the dialogs: a date the CREAMS table cannot place leaves it with its headers only;
// a sheet without ET columns gets the message and a disabled choice. A save refused for its
// data shows why and keeps the old file: without a rain column the file is asked for first;
// an ET column that is gone since the dialog was filled asks nothing.
TEST(ModelFileCommands, RefusalsAreShownAndKeepTheOldFile)
{
    Workbench workbench = YearOfWeather("ET");
    workbench.sheet.setCellText(3, 1, "32/01/95");
    CreamsTable table;
    table.fill({{"1", "2", "3", "4"}});
    ScriptedUserInterface opening;
    EXPECT_FALSE(BuildCreamsTable(workbench, table, opening));
    EXPECT_EQ(table.text(2, 1), "");
    EXPECT_FALSE(NewMethodChoice(workbench, opening).enabled);
    const std::string noEt = Message("You dont have computed the ETP!!");
    EXPECT_EQ(opening.messages, (std::vector<std::string>{Message("The date in row 3 is not a date: \"32/01/95\""), noEt}));
    EXPECT_EQ(opening.icons, (std::vector<Icon>{Icon::Critical, Icon::None}));

    Workbench dry = YearOfWeather();
    dry.sheet.setCellText(1, 9, "WATER");
    ScriptedUserInterface quiet;
    const LeachmSettings leachm = NewLeachmSettings(YearOfWeather(), quiet);
    const Workbench renamed = YearOfWeather("PenMon2");
    const std::string noRain = Message("No rain in data sheet");
    const std::tuple<std::function<bool(UserInterface&)>, std::string, std::size_t> cases[] = {
        {[&](UserInterface& ui) { return SaveLeachmEtp(renamed, leachm, ui); }, noEt, 0},
        {[&](UserInterface& ui) { return SaveCreamsRain(dry, ui); }, noRain, 1},
    };
    for (const auto& [press, message, asked] : cases) {
        TempDir dir;
        const auto path = dir.write("model.out", "old");
        ScriptedUserInterface refused;
        refused.saveFiles = {path};
        EXPECT_FALSE(press(refused));
        EXPECT_EQ(refused.messages, std::vector<std::string>{message});
        EXPECT_EQ(refused.saveTitles.size(), asked) << message;
        EXPECT_EQ(ReadFile(path), "old") << message;
    }
}

} // namespace etp
