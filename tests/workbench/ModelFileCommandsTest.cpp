// The model-file dialogs' commands: each save reaches its writer, asks for its file and
// shows its refusals. The layouts themselves are pinned in tests/models.
#include "workbench/ModelFileCommands.h"

#include <gtest/gtest.h>

#include <functional>

#include "models/CreamsWriter.h"
#include "models/MacroWriter.h"
#include "models/ModelSheets.h"
#include "et/Units.h"
#include "sheet/NumericValue.h"
#include "support/ScriptedUserInterface.h"
#include "workbench/ComputedColumns.h"
#include "workbench/MethodCommands.h"

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

// "Save all" of each dialog runs both of its saves, each asking with its own title and
// proposing the data file's name with its model file's extension, and each writes its
// writer's text of the rain (9) or ET (10) column in place of the file there. A cancelled
// first dialog stops "Save all": no second file is asked for, and the message says which
// file was not written.
TEST(ModelFileCommands, EachSaveAsksForItsFileAndWritesItsWritersText)
{
    Workbench w = YearOfWeather();
    w.workingFile.path = "/data/stations/debilt.txt";
    ScriptedUserInterface quiet;
    CreamsTable table;
    ASSERT_TRUE(BuildCreamsTable(w, table, quiet));
    const LeachmSettings leachm = NewLeachmSettings(w, quiet);
    struct Dialog {
        std::function<void(UserInterface&)> saveAll;
        std::vector<std::string> titles, initialNames, texts;
        std::string secondNotWritten;
    };
    const Dialog dialogs[] = {
        {[&](UserInterface& ui) { SaveCreamsAll(w, table, ui); }, {"Save T and Rad", " CREAMS - Save daily rain"},
         {"debilt.tr", "debilt.rn"}, {CreamsTemperatureRadiationText(table), CreamsRainText(w.sheet, w.columns, 9)},
         "the CREAMS rain file was not written"},
        {[&](UserInterface& ui) { SaveLeachmAll(w, leachm, ui); }, {"LEACHM - Save rain", "LEACHW - Save ETP, T and amplitude"},
         {"debilt.rn", "debilt.etp"},
         {LeachmRainText(w.sheet, w.columns, 9, LeachmDateFormat::Ddmmaa, {0, 0.1, 1}), LeachmEtpText(w.sheet, w.columns, 10)},
         "the LEACHM ETP, temperature and amplitude file was not written"},
        {[&](UserInterface& ui) { SaveMacroAll(w, leachm.methods, ui); }, {"MACRO - Save rain", "MACRO - Save ETP"},
         {"debilt.rn", "debilt.etp"},
         {MacroDailyText(w.sheet, w.columns, 9, MacroFile::Rain), MacroDailyText(w.sheet, w.columns, 10, MacroFile::Etp)},
         "the MACRO ETP file was not written"},
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
        cancelling.saveFiles = {std::nullopt};
        dialog.saveAll(cancelling);
        EXPECT_EQ(cancelling.saveTitles, std::vector<std::string>{dialog.titles[0]});
        EXPECT_EQ(cancelling.messages, std::vector<std::string>{Message("Save all was cancelled: " + dialog.secondNotWritten + ".")});
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
    EXPECT_EQ(opening.messages, (std::vector<std::string>{Message("The date in row 3 is not a date: \"32/01/95\"." + std::string(kDateAdvice)), noEt}));
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

// Days without a value in the columns a save reads refuse that file before its file is
// asked for: per column, how many days and the first five with their dates, and the way
// on. The CREAMS table is refused as it is built and its save repeats why. A text or a
// logger code in the rain is a gap too.
TEST(ModelFileCommands, GapsRefuseTheFileBeforeItIsAskedFor)
{
    struct Gap { int row, column; const char* text; };
    const auto creamsTr = [](const Workbench& w, UserInterface& ui) {
        CreamsTable table;
        return BuildCreamsTable(w, table, ui) || SaveCreamsTemperatureRadiation(w, table, ui);
    };
    const std::string fill = ": fill the cells (temperatures and rain are never estimated).";
    const std::string computeAgain = ": compute the ET again with the estimates of Option > Missing data, or fill the cells.";
    const struct {
        std::vector<Gap> gaps;
        std::function<bool(const Workbench&, UserInterface&)> press;
        std::string message;
        std::size_t shown; // times the message is shown
    } cases[] = {
        {{{45, 3, ""}}, creamsTr,
         "T° max: 1 day missing: row 45 (13/02/95)\nThe CREAMS temperature and radiation file was not written" + fill, 2},
        {{{300, 6, "n.d."}, {301, 2, "-999"}}, creamsTr,
         "T° min: 1 day missing: row 301 (27/10/95)\nRad.: 1 day missing: row 300 (26/10/95)\n"
         "The CREAMS temperature and radiation file was not written: estimate them in Option > Missing data, or fill "
         "the cells.", 2},
        {{{10, 9, "n.d."}}, [](const Workbench& w, UserInterface& ui) { return SaveCreamsRain(w, ui); },
         "RAIN: 1 day missing: row 10 (09/01/95)\nThe CREAMS rain file was not written" + fill, 1},
        {{{366, 9, "-9999"}},
         [](const Workbench& w, UserInterface& ui) { return SaveLeachmRain(w, NewLeachmSettings(w, ui), ui); },
         "RAIN: 1 day missing: row 366 (31/12/95)\nThe LEACHM rain file was not written" + fill, 1},
        {{{50, 2, ""}, {20, 10, "n.d."}},
         [](const Workbench& w, UserInterface& ui) { return SaveLeachmEtp(w, NewLeachmSettings(w, ui), ui); },
         "T° min: 1 day missing: row 50 (18/02/95)\nPenMon: 1 day missing: row 20 (19/01/95)\n"
         "The LEACHM ETP, temperature and amplitude file was not written" + computeAgain, 1},
        {{{2, 9, "-"}}, [](const Workbench& w, UserInterface& ui) { return SaveMacroRain(w, ui); },
         "RAIN: 1 day missing: row 2 (01/01/95)\nThe MACRO rain file was not written" + fill, 1},
        {{{200, 10, ""}, {90, 10, ""}, {91, 10, "n.d."}, {92, 10, ""}, {93, 10, ""}, {94, 10, ""}, {95, 10, ""}},
         [](const Workbench& w, UserInterface& ui) { return SaveMacroEtp(w, NewMethodChoice(w, ui), ui); },
         "PenMon: 7 days missing: row 90 (30/03/95), row 91 (31/03/95), row 92 (01/04/95), row 93 (02/04/95), "
         "row 94 (03/04/95), ...\nThe MACRO ETP file was not written" + computeAgain, 1},
    };
    for (const auto& c : cases) {
        Workbench workbench = YearOfWeather();
        for (const Gap& gap : c.gaps) workbench.sheet.setCellText(gap.row, gap.column, gap.text);
        TempDir dir;
        ScriptedUserInterface ui;
        ui.saveFiles = {dir.file("model.out")};
        EXPECT_FALSE(c.press(workbench, ui)) << c.message;
        EXPECT_EQ(ui.messages, std::vector<std::string>(c.shown, Message(c.message)));
        EXPECT_EQ(ui.icons, std::vector<Icon>(c.shown, Icon::Critical)) << c.message;
        EXPECT_TRUE(ui.saveTitles.empty()) << c.message;
        EXPECT_TRUE(dir.names().empty()) << c.message;
    }
}

// With the radiation estimate on, a day without its radiation takes Compute's estimate of
// it. The MACRO ET file writes the PenMon Compute made of the day from that estimate; the
// CREAMS month holding only that day carries a radiation that, measured, gives Compute's
// PenMon back. Each file says how many of its days were estimated. A temperature is never
// estimated: its gap still refuses the file.
TEST(ModelFileCommands, EstimatedDaysTakeComputesEstimates)
{
    const auto station = [](const std::string& radiation, bool estimate) {
        Workbench w;
        w.sheet = testing::SheetOf({testing::kStationTitles, "31/01/95\t2\t12\t40\t90\t8\t2\t5\t0",
                                    "01/02/95\t3\t14\t35\t85\t" + radiation + "\t3\t6\t1.5"});
        w.columns = testing::StationColumns();
        w.station = {"45", "100", "2"};
        w.methods.checked[Method::PenMon] = true;
        w.estimates.radiation = estimate;
        ScriptedUserInterface ui;
        EXPECT_EQ(ComputeResults(w, ui), ComputeOutcome::Completed);
        return w;
    };
    Workbench w = station("n.d.", true);
    ASSERT_EQ(w.sheet.cellText(3, 11), "Rs from sunshine");
    const double estimatedPenMon = NumericValue(w.sheet.cellText(3, 10));

    TempDir dir;
    ScriptedUserInterface ui;
    ui.saveFiles = {dir.file("macro.etp"), dir.file("creams.tr")};
    ASSERT_TRUE(SaveMacroEtp(w, NewMethodChoice(w, ui), ui)) << ::testing::PrintToString(ui.messages);
    const auto lines = testing::Lines(ReadFile(dir.file("macro.etp")), "\r\n");
    EXPECT_NEAR(NumericValue(lines.at(1).substr(10)), estimatedPenMon, 0.05) << lines[1];
    CreamsTable table;
    ASSERT_TRUE(BuildCreamsTable(w, table, ui));
    ASSERT_TRUE(SaveCreamsTemperatureRadiation(w, table, ui));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{Message("MACRO ETP: 1 day estimated (radiation)"),
                                                     Message("CREAMS temperature and radiation: 1 day estimated (radiation)")}));

    const double langleys = NumericValue(table.text(3, 2)); // February [cal cm-2 d-1]
    const Workbench measured = station(std::to_string(langleys / (w.units.factor(UnitKind::Radiation) * CalPerMm)), false);
    EXPECT_NEAR(NumericValue(measured.sheet.cellText(3, 10)), estimatedPenMon, 0.011); // a 0.1 langley step, "##.##"

    w.sheet.setCellText(3, 3, "");
    ScriptedUserInterface refused;
    EXPECT_FALSE(BuildCreamsTable(w, table, refused));
    EXPECT_EQ(refused.messages, std::vector<std::string>{Message(
                                    "T° max: 1 day missing: row 3 (01/02/95)\nThe CREAMS temperature and radiation file was "
                                    "not written: fill the cells (temperatures and rain are never estimated).")});
}

// Two Computes side by side: PenMon from the measured radiation, then Turc with the radiation
// box emptied and every day's radiation estimated. The MACRO ET file of PenMon tells no
// estimated day: the "Estimated" column beside Turc is the second run's, not PenMon's.
TEST(ModelFileCommands, EstimatedDaysAreThoseOfTheRunThatWroteTheColumn)
{
    Workbench w;
    w.sheet = testing::SheetOf({testing::kStationTitles, "31/01/95\t2\t12\t40\t90\t8\t2\t5\t0",
                                "01/02/95\t3\t14\t35\t85\t9\t3\t6\t1.5"});
    w.columns = testing::StationColumns();
    w.station = {"45", "100", "2"};
    w.stationSet = true;
    ScriptedUserInterface ui;
    w.methods.checked[Method::PenMon] = true;
    ASSERT_EQ(ComputeAndRecord(w, ui), ComputeOutcome::Completed);
    w.methods.checked[Method::PenMon] = false;
    w.methods.checked[Method::Turc] = true;
    w.columns.set(ColumnBox::Radiation, "0");
    w.estimates.radiation = true;
    ASSERT_EQ(ComputeAndRecord(w, ui), ComputeOutcome::Completed);
    ASSERT_EQ(testing::RowText(w.sheet, 1, 10, 12), "PenMon\tTurc\tEstimated");
    ASSERT_EQ(w.sheet.cellText(2, 12), "Rs from sunshine");

    TempDir dir;
    ScriptedUserInterface save;
    save.saveFiles = {dir.file("macro.etp")};
    ASSERT_TRUE(SaveMacroEtp(w, NewMethodChoice(w, save), save)) << ::testing::PrintToString(save.messages);
    EXPECT_EQ(save.messages, std::vector<std::string>{Message("MACRO ETP: 0 days estimated")});
    // A sheet read from a file has no record: its layout is all there is to go by.
    EXPECT_EQ(RunEstimatedColumn(w.sheet, 11), 12);
    EXPECT_EQ(EstimatedEtDays(w.sheet, 11, 12, 3).count, 2);
}

// Rain is commonly left empty on dry days: an empty rain cell writes what 0 does. A column
// box holding 0 (no radiation measured) reads as 0 whatever the cells of column 0 hold.
TEST(ModelFileCommands, EmptyRainIsADryDay)
{
    const std::function<std::string(const Workbench&)> writers[] = {
        [](const Workbench& w) { return CreamsRainText(w.sheet, w.columns, 9); },
        [](const Workbench& w) { return LeachmRainText(w.sheet, w.columns, 9, LeachmDateFormat::Ddmmaa, {0, 0.1, 1}); },
        [](const Workbench& w) { return MacroDailyText(w.sheet, w.columns, 9, MacroFile::Rain); },
    };
    Workbench empty = YearOfWeather();
    for (int r = 3; r <= 366; r += 2) empty.sheet.setCellText(r, 9, ""); // days with "0"
    const Workbench zero = YearOfWeather();
    for (const auto& write : writers) EXPECT_EQ(write(empty), write(zero));

    empty.columns.set(ColumnBox::Radiation, "0");
    empty.sheet.setCellText(10, 6, "n.d.");
    CreamsTable table;
    ScriptedUserInterface ui;
    EXPECT_TRUE(BuildCreamsTable(empty, table, ui));
    EXPECT_EQ(table.text(2, 2), "."); // 0 langley through "###.#"
}

// Each of the thirteen ET labels is a column the MACRO ET file reads: a sheet with one
// column of each, 10 + k mm in the column of label k, writes those millimetres, whichever
// label the choice names. A label alone chooses its rightmost column: the first "PenMon"
// column, left of the others, stays unread.
TEST(ModelFileCommands, EveryEtLabelIsWrittenToTheMacroEtFile)
{
    const std::string labels[] = {"PenFAO", "PFAOnocorr", "PenMon", "P-T", "PFAOrad", "PFAOsun", "ASCE short",
                                  "ASCE tall", "Hargr.", "Turc", "Thornt.", "P-T extrad", "Bl-Cr"};
    Workbench w;
    w.columns = testing::StationColumns();
    std::string titles = std::string(testing::kStationTitles) + "\tPenMon", day1 = "20/06/95\t12\t28\t40\t90\t20\t2\t10\t0\t99",
                day2 = "21/06/95\t14\t30\t35\t85\t22\t3\t12\t1.5\t99";
    for (std::size_t k = 0; k < std::size(labels); ++k) {
        titles += "\t" + labels[k];
        day1 += "\t" + std::to_string(10 + k);
        day2 += "\t" + std::to_string(10 + k) + ".5";
    }
    w.sheet = testing::SheetOf({titles, day1, day2});
    for (std::size_t k = 0; k < std::size(labels); ++k) {
        ScriptedUserInterface ui;
        MethodChoice macro = NewMethodChoice(w, ui);
        ASSERT_TRUE(macro.selectLabel(labels[k])) << labels[k];
        TempDir dir;
        ui.saveFiles = {dir.file("macro.etp")};
        ASSERT_TRUE(SaveMacroEtp(w, macro, ui)) << labels[k] << ::testing::PrintToString(ui.messages);
        const std::string mm = std::to_string(10 + k);
        EXPECT_EQ(ReadFile(dir.file("macro.etp")), "'950620'   " + mm + ".0    \r\n'950621'   " + mm + ".5    \r\n") << labels[k];
    }
}

} // namespace etp
