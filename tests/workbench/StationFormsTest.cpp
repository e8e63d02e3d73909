// One station in every form File > Open reads: TAB text with CR LF or LF line ends, ","
// CSV with ISO dates, ";" CSV with decimal commas and four-digit years, and the .xls,
// .xlsx and .ods workbooks Calc made of it (tests/data/xls/make_station_forms.sh). Each
// is opened, auto-found, computed with all twelve methods and written as the six model
// files; every form must give the result columns and the files of the TAB file as typed.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "et/MethodTable.h"
#include "models/ModelSheets.h"
#include "support/ScriptedUserInterface.h"
#include "support/SheetBuilder.h"
#include "support/TempDir.h"
#include "workbench/SettingCommands.h"
#include "workbench/FileCommands.h"
#include "workbench/MethodCommands.h"
#include "workbench/ModelFileCommands.h"

namespace etp {

namespace {

using testing::ReadFile;
using testing::ScriptedUserInterface;
using testing::TempDir;

const std::string kForms = ETP_TEST_DATA_DIR "/xls/station400";
constexpr int kDays = 400;
constexpr int kFirstResultColumn = 10;

// 400 days from 01/10/17, TAB-separated, CR LF, dd/mm/yy dates: the form every other
// form is compared with.
const std::string& LegacyText()
{
    static const std::string text = ReadFile(kForms + ".txt");
    return text;
}

std::string WithLfEnds(const std::string& text)
{
    std::string lf;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) lf += text[i];
    return lf;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Each line's first field, a dd/mm/yy date, rewritten by `date`; TABs become `separator`;
// with `decimalComma`, a point between two digits becomes a comma.
std::string Rewritten(const std::string& text, char separator, bool decimalComma,
                      std::string (*date)(const std::string& dd, const std::string& mm, const std::string& yy))
{
    std::string out;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (i == lineStart && i + 8 <= text.size() && text[i + 2] == '/' && text[i + 5] == '/' && IsDigit(text[i]) &&
            IsDigit(text[i + 7])) {
            out += date(text.substr(i, 2), text.substr(i + 3, 2), text.substr(i + 6, 2));
            i += 7;
        } else if (c == '\t') {
            out += separator;
        } else if (decimalComma && c == '.' && i > 0 && i + 1 < text.size() && IsDigit(text[i - 1]) && IsDigit(text[i + 1])) {
            out += ',';
        } else {
            out += c;
        }
        if (c == '\n') lineStart = i + 1;
    }
    return out;
}

// "," between fields, 2017-10-01 for 01/10/17.
std::string AsIsoCsv(const std::string& text)
{
    return Rewritten(WithLfEnds(text), ',', false,
                     [](const std::string& dd, const std::string& mm, const std::string& yy) { return "20" + yy + "-" + mm + "-" + dd; });
}
// ";" between fields, decimal commas, 01/10/2017 for 01/10/17.
std::string AsDecimalCommaCsv(const std::string& text)
{
    return Rewritten(text, ';', true,
                     [](const std::string& dd, const std::string& mm, const std::string& yy) { return dd + "/" + mm + "/20" + yy; });
}

// What a run leaves: the result columns row by row, and the six model files.
struct StationRun {
    std::vector<std::string> results;
    std::map<std::string, std::string> files;
};

// File > Open, "Try auto finding", the station, "Compute" with every method, then "Save
// all" of the CREAMS, LEACHM and MACRO dialogs. Stops at the first step that fails.
void RunStation(const std::string& path, StationRun& run)
{
    Workbench workbench;
    ScriptedUserInterface ui;
    ui.openFiles.push_back(path);
    ASSERT_TRUE(OpenFile(workbench, ui)) << ::testing::PrintToString(ui.messages);
    ASSERT_EQ(workbench.sheet.lastNonEmptyRow(), kDays + 1);
    TryAutoFinding(workbench, ui);
    workbench.station = {"44.5", "120", "10"};
    for (const MethodInfo& info : kMethods) workbench.methods.checked[info.method] = true;
    ASSERT_EQ(ComputeResults(workbench, ui), ComputeOutcome::Completed) << ::testing::PrintToString(ui.messages);
    for (int r = 1; r <= workbench.sheet.lastNonEmptyRow(); ++r)
        run.results.push_back(testing::RowText(workbench.sheet, r, kFirstResultColumn));

    CreamsTable table;
    ASSERT_TRUE(BuildCreamsTable(workbench, table, ui)) << ::testing::PrintToString(ui.messages);
    // The dialogs start with PFAOsun, the last ET column; PenMon is the one written here.
    LeachmSettings leachm = NewLeachmSettings(workbench, ui);
    MethodChoice macro = NewMethodChoice(workbench, ui);
    ASSERT_TRUE(leachm.methods.selectLabel("PenMon") && macro.selectLabel("PenMon"));
    const char* names[] = {"creams.tr", "creams.rn", "leachm.rn", "leachm.etp", "macro.rn", "macro.etp"};
    TempDir dir;
    for (const char* name : names) ui.saveFiles.push_back(dir.file(name));
    SaveCreamsAll(workbench, table, ui);
    SaveLeachmAll(workbench, leachm, ui);
    SaveMacroAll(workbench, macro, ui);
    for (const char* name : names) run.files[name] = ReadFile(dir.file(name));
}

const StationRun& LegacyRun()
{
    static const StationRun run = [] {
        StationRun legacy;
        RunStation(kForms + ".txt", legacy);
        return legacy;
    }();
    return run;
}

// The first line where two texts differ, for a message shorter than both texts.
std::string FirstDifference(const std::vector<std::string>& expected, const std::vector<std::string>& actual)
{
    for (std::size_t i = 0; i < std::max(expected.size(), actual.size()); ++i) {
        const std::string e = i < expected.size() ? expected[i] : "(none)";
        const std::string a = i < actual.size() ? actual[i] : "(none)";
        if (e != a) return "line " + std::to_string(i + 1) + ": expected \"" + e + "\", got \"" + a + "\"";
    }
    return {};
}

struct StationForm {
    const char* name;
    std::function<std::string(const TempDir&)> file; // the path of the form to open
};
void PrintTo(const StationForm& form, std::ostream* out) { *out << form.name; }

// Writes a form of the TAB file into the test's folder.
std::function<std::string(const TempDir&)> Written(const char* name, std::string (*form)(const std::string&))
{
    return [=](const TempDir& dir) { return dir.write(name, form(LegacyText())); };
}
std::function<std::string(const TempDir&)> Fixture(const char* extension)
{
    return [=](const TempDir&) { return kForms + extension; };
}

class StationFormsTest : public ::testing::TestWithParam<StationForm> {};

} // namespace

// The reference itself: every method wrote a title and the last day's value, and each
// model file has lines (an empty file would make every form agree).
TEST(StationForms, TheTabFileComputesEveryMethodAndWritesEveryFile)
{
    const StationRun& legacy = LegacyRun();
    ASSERT_EQ(legacy.results.size(), std::size_t(kDays + 1));
    EXPECT_EQ(std::count(legacy.results.front().begin(), legacy.results.front().end(), '\t'), kMethodCount - 1);
    EXPECT_EQ(legacy.results.front().substr(0, 6), "PenFAO");
    EXPECT_EQ(std::count(legacy.results.back().begin(), legacy.results.back().end(), '\t'), kMethodCount - 1);
    for (const auto& [name, text] : legacy.files) EXPECT_GT(std::count(text.begin(), text.end(), '\n'), 5) << name;
    // The written forms are what their names say.
    const std::string lf = WithLfEnds(LegacyText()), iso = AsIsoCsv(LegacyText()), comma = AsDecimalCommaCsv(LegacyText());
    EXPECT_EQ(lf.find('\r'), std::string::npos);
    EXPECT_EQ(iso.substr(iso.find('\n') + 1, 11), "2017-10-01,");
    EXPECT_EQ(comma.substr(comma.find('\n') + 1, 11), "01/10/2017;");
    EXPECT_NE(comma.find(','), std::string::npos);
}

TEST_P(StationFormsTest, GivesTheResultsAndModelFilesOfTheTabFile)
{
    const StationRun& legacy = LegacyRun();
    TempDir dir;
    StationRun run;
    ASSERT_NO_FATAL_FAILURE(RunStation(GetParam().file(dir), run));
    EXPECT_EQ(FirstDifference(legacy.results, run.results), "");
    for (const auto& [name, text] : legacy.files)
        EXPECT_EQ(FirstDifference(testing::Lines(text, "\n"), testing::Lines(run.files.at(name), "\n")), "") << name;
}

INSTANTIATE_TEST_SUITE_P(
    EveryForm, StationFormsTest,
    ::testing::Values(StationForm{"TabLf", Written("station.txt", WithLfEnds)},
                      StationForm{"CommaCsvIsoDates", Written("station.csv", AsIsoCsv)},
                      StationForm{"SemicolonCsvDecimalCommas", Written("station.csv", AsDecimalCommaCsv)},
                      StationForm{"Xls", Fixture(".xls")}, StationForm{"Xlsx", Fixture(".xlsx")},
                      StationForm{"Ods", Fixture(".ods")}),
    [](const ::testing::TestParamInfo<StationForm>& form) { return std::string(form.param.name); });

} // namespace etp
