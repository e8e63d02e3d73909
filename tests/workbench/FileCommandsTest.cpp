#include "workbench/FileCommands.h"

#include <gtest/gtest.h>

#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-output-stdio.h>
#include <gsf/gsf-utils.h>

#include <filesystem>
#include <map>

#include "base/Messages.h"
#include "support/ScriptedUserInterface.h"
#include "support/SheetBuilder.h"
#include "support/TempDir.h"
#include "workbench/SettingCommands.h"
#include "workbench/MethodCommands.h"

namespace etp {

namespace {

using testing::ReadFile;

class FileCommandsTest : public ::testing::Test {
protected:
    bool open(const std::string& path)
    {
        ui.openFiles.push_back(path);
        return OpenFile(workbench, ui);
    }

    Workbench workbench;
    testing::ScriptedUserInterface ui;
    testing::TempDir dir;
};

// What Office makes of an .xlsx saved with a password: a compound file holding an
// encryption header and the encrypted package.
std::string WriteEncryptedWorkbook(const std::string& path)
{
    gsf_init();
    GsfOutput* sink = gsf_output_stdio_new(path.c_str(), nullptr);
    GsfOutfile* container = gsf_outfile_msole_new(sink);
    const std::string bytes(4096, 'Z');
    for (const char* name : {"EncryptionInfo", "EncryptedPackage"}) {
        GsfOutput* stream = gsf_outfile_new_child(container, name, FALSE);
        gsf_output_write(stream, bytes.size(), reinterpret_cast<const guint8*>(bytes.data()));
        gsf_output_close(stream);
        g_object_unref(stream);
    }
    gsf_output_close(GSF_OUTPUT(container));
    g_object_unref(container);
    g_object_unref(sink);
    return path;
}

} // namespace

// A file replaces the whole sheet and names the working file. Its content decides the
// reader, and a name that says otherwise is told: text named ".XLS" is read as text, a
// workbook named ".txt" as a workbook; a workbook that cannot be read keeps the sheet.
TEST_F(FileCommandsTest, OpenChoosesTheReaderByContent)
{
    const auto path = dir.write("DATA.XLS", "DATE\tTMIN\r\n01/01/95\t3\r\n");
    workbench.sheet.setCellText(500, 5, "old");
    EXPECT_TRUE(open(path));
    EXPECT_EQ(workbench.statusPanels[0], "working file: " + path);
    EXPECT_EQ(workbench.sheet.cellText(2, 2), "3");
    EXPECT_EQ(workbench.sheet.cellText(500, 5), "");
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"ETP computation|The file " + path +
                                                     " is a text file and is read as one, whatever its name says."}));
    EXPECT_EQ(ui.pointers, (std::vector<Pointer>{Pointer::BusyArrow, Pointer::Normal}));

    ui.messages.clear();
    const std::string header = ReadFile(ETP_TEST_DATA_DIR "/xls/weather.xls").substr(0, 512);
    EXPECT_FALSE(open(dir.write("data.xls", header)));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(ui.messages[0].starts_with("Invalid File Type or Locked|File is not an Excel file or is locked and "
                                           "cannot be imported.\rReason: its compound file is damaged"))
        << ui.messages[0];
    EXPECT_EQ(workbench.sheet.cellText(2, 2), "3");
    EXPECT_EQ(workbench.statusPanels[0], "working file: " + path);
    EXPECT_EQ(ui.pointer(), Pointer::Normal);

    ui.messages.clear();
    const auto renamed = dir.write("weather.txt", ReadFile(ETP_TEST_DATA_DIR "/xls/weather.xlsx"));
    ui.inputs.push_back("2");
    EXPECT_TRUE(open(renamed));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{
                               "ETP computation|The file " + renamed + " is an .xlsx workbook and is read as one, "
                               "whatever its name says.",
                               "Result|Import complete."}));
    EXPECT_EQ(workbench.sheet.cellText(366, 1), "31/12/95");

    // An .xlsx saved with a password is a compound file: refused as such, without a word
    // about its name.
    ui.messages.clear();
    EXPECT_FALSE(open(WriteEncryptedWorkbook(dir.file("secret.xlsx"))));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Invalid File Type or Locked|File is not an Excel file or is locked "
                                                     "and cannot be imported.\rReason: it is protected by a password."}));
    EXPECT_EQ(workbench.sheet.cellText(366, 1), "31/12/95");

    EXPECT_TRUE(open(dir.write("station.csv", "DATE;TMIN\n01/01/95;-1,5\n02/01/95;2,25\n")));
    EXPECT_EQ(workbench.sheet.cellText(3, 2), "2.25");
    EXPECT_EQ(ui.messages.back(), "ETP computation|2 numbers written with a decimal comma were stored with a decimal point.");
}

// Nothing opened costs the person the sheet: the dialog's pattern quietly, a missing file with
// a message, a folder (which exists but cannot be read) and a CSV file whose quote never closes.
TEST_F(FileCommandsTest, OpenThatReadsNothingKeepsTheSheet)
{
    workbench.sheet.setCellText(1, 1, "kept");
    EXPECT_FALSE(open(kOpenInitialName));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(open(dir.file("*.txt")));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"ETP computation|il file non esiste"}));
    EXPECT_EQ(workbench.statusPanels[0], "working file: none");
    std::filesystem::create_directory(dir.file("folder"));
    EXPECT_FALSE(open(dir.file("folder")));
    EXPECT_NE(ui.messages.at(1).find("cannot be read"), std::string::npos);
    const auto quote = dir.write("quote.csv", "DATE,T\n\"01/01/95,3\n");
    EXPECT_FALSE(open(quote));
    EXPECT_EQ(ui.messages.at(2), "ETP computation|The file " + quote + " cannot be read: the quote opened in line 2 is never closed. " + kOpenAnotherFile);
    EXPECT_EQ(workbench.sheet.cellText(1, 1), "kept");
}

// The desktop program's station goes with the file: a file it knows opens with its
// station, one it does not with the station unset (Compute asks for it) unless a header
// names the place; a file it cannot open leaves the station as it was. Without the
// per-file station (etp), the station stays set and is the one given.
TEST_F(FileCommandsTest, TheStationGoesWithTheFile)
{
    const std::string series = std::string(testing::kStationTitles) + "\r\n21/06/95\t12\t28\t40\t90\t22\t2\t10\t0\r\n";
    const auto known = dir.write("known.txt", series);
    const auto unknown = dir.write("new.txt", series);
    const auto power = dir.write("power.csv", "-BEGIN HEADER-\r\nLocation: Latitude  -33.25   Longitude 5.18\r\n"
                                              "Elevation from MERRA-2: Average = 1.9 meters\r\n-END HEADER-\r\n"
                                              "YEAR,DOY,T2M_MAX\r\n2018,1,8.8\r\n");
    std::map<std::string, StationParameters> kept = {{known, {"52.1", "2", "10"}}, {power, {"-33", "5", "2"}}};
    workbench.station = {"45", "100", "2"};
    ASSERT_TRUE(open(unknown)); // before the desktop program keeps stations
    EXPECT_TRUE(workbench.stationSet);
    EXPECT_EQ(workbench.station.latitude, "45");

    workbench.stationOfFile = [&kept](const std::string& path) -> std::optional<StationParameters> {
        const auto found = kept.find(path);
        return found == kept.end() ? std::nullopt : std::optional(found->second);
    };
    ASSERT_TRUE(open(unknown));
    EXPECT_FALSE(workbench.stationSet);
    EXPECT_EQ(workbench.station.latitude, "0");
    EXPECT_EQ(workbench.statusPanels[1], kStationNotSet);
    EXPECT_EQ(workbench.statusPanels[2], "");
    workbench.columns = testing::FirstEightColumns();
    workbench.methods.checked[Method::PenMon] = true;
    ui.messages.clear();
    EXPECT_EQ(ComputeResults(workbench, ui), ComputeOutcome::StationRequested);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(workbench.sheet.lastNonEmptyColumn(1), 9);

    EXPECT_FALSE(open(dir.file("missing.txt")));
    EXPECT_FALSE(workbench.stationSet);
    ASSERT_TRUE(open(known));
    EXPECT_TRUE(workbench.stationSet);
    EXPECT_EQ(workbench.station.latitude, "52.1");
    EXPECT_EQ(workbench.statusPanels[3], "Wind speed measurement hight: 10 m");
    EXPECT_FALSE(open(dir.file("missing.txt")));
    EXPECT_EQ(workbench.station.latitude, "52.1");

    // A header fills a station not kept; a kept one stays as the person left it.
    ASSERT_TRUE(open(power));
    EXPECT_EQ(workbench.station.latitude, "-33");
    kept.clear();
    ASSERT_TRUE(open(power));
    EXPECT_TRUE(workbench.stationSet);
    EXPECT_EQ(workbench.station.latitude, "-33.25");
    EXPECT_EQ(workbench.station.altitude, "1.9");
    EXPECT_EQ(workbench.statusPanels[1], "Latitude:-33.25°");
}

// Each file's column boxes are found afresh: nothing is left of the file before.
TEST_F(FileCommandsTest, OpenResetsTheColumnBoxes)
{
    workbench.columns = testing::FirstEightColumns();
    workbench.columns.set(ColumnBox::Tdew, "9");
    workbench.computed.push_back({Method::PenMon, 10, {1, 2}, true});
    ASSERT_TRUE(open(dir.write("next.txt", "DATE\tTMIN\r\n01/01/95\t3\r\n")));
    EXPECT_EQ(workbench.columns, ColumnMap{});
    EXPECT_TRUE(workbench.computed.empty());
}

TEST_F(FileCommandsTest, SaveAsWritesWhatOpenReadsBackAndALongSheetWhole)
{
    workbench.sheet = testing::SheetOf({"DATE\tTMIN\t\tX", "01/01/95\t3"});
    workbench.sheet.setCellText(5, 2, "below an empty date");
    workbench.sheet.setCellText(3, 1, "a\tb");
    const auto path = dir.file("saved.txt");
    ui.saveFiles.push_back(path);
    SaveSheetAs(workbench, ui);
    EXPECT_EQ(ReadFile(path), "DATE\tTMIN\t\tX\r\n01/01/95\t3\t\t\r\na b\t\t\t\r\n\t\t\t\r\n\tbelow an empty date\t\t\r\n");
    EXPECT_EQ(workbench.statusPanels[0], "working file: " + path);
    Workbench reread;
    ui.openFiles.push_back(path);
    ASSERT_TRUE(OpenFile(reread, ui));
    EXPECT_EQ(SheetAsText(reread.sheet), SheetAsText(workbench.sheet));

    // A sheet of some hundred kilobytes is written in 64 KiB pieces: the file must still be
    // every line in order, whatever piece a line falls into.
    workbench.sheet = MeteoSheet{};
    std::string expected;
    for (int r = 1; r <= 9000; ++r) {
        const std::string a = std::to_string(r) + ".1", b = r % 7 ? std::to_string(r) + ".22" : "";
        workbench.sheet.setCellText(r, 1, a);
        workbench.sheet.setCellText(r, 3, b);
        expected += a + "\t\t" + b + "\r\n";
    }
    ASSERT_GT(expected.size(), 2u * 65536);
    ASSERT_TRUE(SaveSheet(workbench, dir.file("long.txt"), ui));
    EXPECT_EQ(ReadFile(dir.file("long.txt")), expected);
}

// The sheet is unsaved after a change and saved after Open, Save and Save as. Save writes
// the TAB file it was opened from; a CSV file (or a workbook) goes through Save as, which
// proposes the data file's name as a text file, and then belongs to the file saved.
TEST_F(FileCommandsTest, SaveWritesTheWorkingFileOrAsksForOne)
{
    EXPECT_FALSE(HasUnsavedChanges(workbench));
    const auto tab = dir.write("debilt.txt", "DATE\tRAIN\n01/01/18\t0\n");
    ASSERT_TRUE(open(tab));
    EXPECT_FALSE(HasUnsavedChanges(workbench));
    workbench.sheet.setCellText(2, 2, "12.5");
    EXPECT_TRUE(HasUnsavedChanges(workbench));
    ASSERT_TRUE(SaveSheetFile(workbench, ui));
    EXPECT_EQ(ReadFile(tab), "DATE\tRAIN\r\n01/01/18\t12.5\r\n");
    EXPECT_FALSE(HasUnsavedChanges(workbench));
    EXPECT_TRUE(ui.saveTitles.empty());

    const auto csv = dir.write("debilt.csv", "DATE,RAIN\n01/01/18,0\n");
    ASSERT_TRUE(open(csv));
    workbench.sheet.setCellText(2, 2, "3");
    ui.saveFiles = {std::nullopt, dir.file("copy.txt")};
    EXPECT_FALSE(SaveSheetFile(workbench, ui));
    EXPECT_TRUE(HasUnsavedChanges(workbench));
    ASSERT_TRUE(SaveSheetFile(workbench, ui));
    EXPECT_EQ(ui.saveInitialNames, (std::vector<std::string>{"debilt.txt", "debilt.txt"}));
    EXPECT_EQ(ReadFile(csv), "DATE,RAIN\n01/01/18,0\n");
    EXPECT_EQ(ReadFile(dir.file("copy.txt")), "DATE\tRAIN\r\n01/01/18\t3\r\n");
    EXPECT_EQ(workbench.workingFile.path, dir.file("copy.txt"));
    EXPECT_FALSE(HasUnsavedChanges(workbench));
}

// Before the sheet is dropped: no question when nothing is unsaved; then Cancel keeps it,
// Save that saves or Discard let it go, and a Save whose dialog is cancelled keeps it.
TEST_F(FileCommandsTest, SaveChangesFirstAsksOnlyWhenSomethingIsUnsaved)
{
    EXPECT_TRUE(SaveChangesFirst(workbench, kUnsavedBeforeExit, ui));
    EXPECT_TRUE(ui.messages.empty());
    workbench.sheet.setCellText(1, 1, "typed");
    ui.answers = {Answer::Cancel, Answer::Save, Answer::Discard, Answer::Save};
    ui.saveFiles = {std::nullopt, dir.file("kept.txt")};
    EXPECT_FALSE(SaveChangesFirst(workbench, kUnsavedBeforeExit, ui));
    EXPECT_FALSE(SaveChangesFirst(workbench, kUnsavedBeforeExit, ui));
    EXPECT_TRUE(SaveChangesFirst(workbench, kUnsavedBeforeExit, ui));
    EXPECT_TRUE(HasUnsavedChanges(workbench));
    EXPECT_TRUE(SaveChangesFirst(workbench, kUnsavedBeforeExit, ui));
    EXPECT_EQ(ReadFile(dir.file("kept.txt")), "typed\r\n");
    EXPECT_EQ(ui.messages.size(), 4u);
    EXPECT_EQ(ui.messages[0], std::string("ETP computation|") + kUnsavedBeforeExit);
}

} // namespace etp
