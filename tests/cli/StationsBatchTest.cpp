// etp --stations: the table, the files of each station against single runs, the report
// and the exit status. What one station's steps compute and write is the single run's
// own, proved by the other batch tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "base/AtomicFile.h"
#include "base/Messages.h"
#include "cli/BatchRun.h"
#include "pipeline/StationRunner.h"
#include "et/MethodAvailability.h"
#include "et/MethodTable.h"
#include "support/AvailabilityCases.h"
#include "support/SheetBuilder.h"
#include "support/TempDir.h"

namespace etp {

namespace {

using testing::Etp;
using testing::ReadFile;
using testing::TempDir;

// Two years of days from 01/03/11 (no 29 February, and the radiation too high for the
// winter: two problems for the data check), with seasons and rain every ninth day.
std::string Series(int offset)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::string text = std::string(testing::kStationTitles) + "\r\n";
    int day = 1, month = 3, year = 11;
    for (int i = 0; i < 730; ++i) {
        const int season = (i + offset) % 365 < 182 ? (i + offset) % 365 : 365 - (i + offset) % 365; // 0..182
        char line[128];
        std::snprintf(line, sizeof line, "%02d/%02d/%02d\t%.1f\t%.1f\t%d\t%d\t%.1f\t%.1f\t%.1f\t%d\r\n", day, month, year,
                      season / 12.0 - 2 + i % 3, season / 8.0 + 6 + i % 5, 30 + i % 17, 85 + i % 11, 4 + season / 9.0 + i % 4,
                      1.2 + (i % 7) / 3.0, 2 + season / 25.0, i % 9 == 0 ? 6 : 0);
        text += line;
        if (++day > kDays[month - 1]) day = 1, month = month % 12 + 1, year += month == 1;
    }
    return text;
}

// Blanks the field of a day (its line from 0 under the titles) and returns the text.
std::string Blank(std::string text, int day, int field)
{
    std::size_t at = 0;
    for (int line = 0; line <= day; ++line) at = text.find('\n', at) + 1;
    for (int f = 0; f < field; ++f) at = text.find('\t', at) + 1;
    text.erase(at, text.find_first_of("\t\r", at) - at);
    return text;
}

const std::vector<std::string> kShared = {"--method", "PenMon", "--method", "Hargr.", "--method", "P-T",
                                          "--estimate-missing", "radiation", "--creams-rain", "creams.rn",
                                          "--leachm-rain", "leachm.rn", "--macro-rain", "macro.rn", "--macro-etp",
                                          "macro.etp", "--macro-et", "PenMon", "--leachm-etp", "leachm.etp"};

std::vector<std::string> Args(std::vector<std::string> first, const std::vector<std::string>& then)
{
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

std::string Line(const std::string& text, int line)
{
    std::size_t at = 0;
    for (int l = 0; l < line; ++l) at = text.find('\n', at) + 1;
    return text.substr(at, text.find('\n', at) - at);
}

// Stations of the same series at 45°, 100 m, wind at 2 m, one per name, each in a file of
// its name.
std::vector<StationRow> Rows(TempDir& dir, std::initializer_list<const char*> names)
{
    std::vector<StationRow> rows;
    for (const char* name : names) {
        StationRow row;
        row.file = dir.write(std::string(name) + ".txt", Series(0));
        row.name = name;
        row.latitude = "45", row.altitude = "100", row.windHeight = "2";
        rows.push_back(row);
    }
    return rows;
}

} // namespace

// Each station's files are those of a single run with the table's values, whichever
// thread ran it. A station that is not a series is refused, and so is one whose weekly
// LEACHM file lacks a day's T max: it leaves none of the files written before that.
TEST(StationsBatch, FilesAreThoseOfSingleRunsAndTheReportCountsThem)
{
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "series");
    dir.write("series/north.txt", Series(0));
    dir.write("series/south.txt", Blank(Blank(Blank(Series(120), 5, 5), 6, 5), 40, 2)); // no radiation twice, no Tmax once
    dir.write("series/mountain.csv", Series(200));
    std::string binary(70000, '\0');
    for (std::size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>(i * 7919 % 251);
    dir.write("series/logger.bin", binary);
    const auto table = dir.write("stations.csv", "file,name,lat,alt,wind_height,wind_unit,region\n"
                                                 "series/north.txt,,52.1,2,10,,coast\n"
                                                 "series/south.txt,South,-33.5,40,2,km d^-1,coast\n"
                                                 "series/logger.bin,logger,45,0,2,,\n"
                                                 "series/mountain.csv,Mountain,46.2,1850,2,,alps\n");
    const auto out = dir.file("out");
    const auto run = Etp(Args({"--stations", table, "--out-dir", out, "--jobs", "3"}, kShared));
    EXPECT_EQ(run.status, 1) << run.err;

    const std::vector<std::vector<std::string>> singles = {
        {"north", dir.file("series/north.txt"), "--lat", "52.1", "--alt", "2", "--wind-height", "10"},
        {"Mountain", dir.file("series/mountain.csv"), "--lat", "46.2", "--alt", "1850", "--wind-height", "2"}};
    const char* endings[] = {"txt", "summary.txt", "creams.rn", "leachm.rn", "macro.rn", "macro.etp", "leachm.etp"};
    for (const auto& single : singles) {
        std::vector<std::string> args(single.begin() + 1, single.end());
        args = Args(Args(args, {"-o", dir.file("single.txt"), "--summary", dir.file("single.summary.txt")}), kShared);
        for (std::size_t i = 8; i < args.size(); ++i)
            for (const char* ending : endings)
                if (args[i] == ending && args[i - 1] != "--macro-et") args[i] = dir.file(std::string("single.") + ending);
        const auto alone = Etp(args);
        ASSERT_EQ(alone.status, 0) << single[0] << ": " << alone.err;
        for (const char* ending : endings)
            EXPECT_EQ(ReadFile(out + "/" + single[0] + "." + ending), ReadFile(dir.file(std::string("single.") + ending)))
                << single[0] << "." << ending;
    }

    const std::string report = ReadFile(out + "/stations-report.txt");
    EXPECT_EQ(Line(report, 0), "station\tdays\tfirst\tlast\tmethods\tnot computed\testimated\tproblems\tfiles\tstatus");
    EXPECT_EQ(Line(report, 1), "north\t730\t01/03/11\t28/02/13\t3\t0\t0\t2\t7\tdone");
    EXPECT_EQ(Line(report, 2), "South\t730\t01/03/11\t28/02/13\t3\t1\t2\t4\t0\trefused: T° max: 1 day missing: row 42 (10/04/11) "
                               "P-T: 1 day missing: row 42 (10/04/11) The LEACHM ETP, temperature and amplitude file was "
                               "not written: compute the ET again with the estimates of Option > Missing data, or fill the "
                               "cells.");
    EXPECT_EQ(Line(report, 3), "logger\t0\t\t\t0\t0\t0\t0\t0\trefused: The file " + dir.file("series/logger.bin") +
                                   " cannot be read: it is not a text file. " + std::string(kOpenAnotherFile));
    EXPECT_EQ(Line(report, 4).substr(0, 9), "Mountain\t");
    EXPECT_EQ(run.out.substr(run.out.find("station\t")), report + "4 stations: 2 done, 2 refused\n");
    EXPECT_NE(run.err.find("logger: The file "), std::string::npos) << run.err;
    std::vector<std::string> written;
    for (const auto& entry : std::filesystem::directory_iterator(out)) written.push_back(entry.path().filename().string());
    EXPECT_EQ(written.size(), 2u * 7 + 1) << "no file of the refused, no folder left behind";
}

// A table that cannot run as a whole is refused before any station runs, each problem
// named with its line; nothing is written, not even the output folder.
TEST(StationsBatch, TableErrorsNameTheLineAndRunNothing)
{
    TempDir dir;
    dir.write("a.txt", Series(0));
    dir.write("b.txt", Series(9));
    const std::string titles = "file,name,lat,alt,wind_height\n";
    const struct {
        std::string table;
        std::vector<std::string> options;
        std::string problem; // the first line of stderr
    } cases[] = {
        {titles + "a.txt,,52,2,10\nb.txt,,abc,2,10\n", {}, "etp: stations.csv line 3: lat \"abc\" is not a number"},
        {titles + "a.txt,,52,2,x\n", {}, "etp: stations.csv line 2: wind_height \"x\" is not a number"},
        {titles + "a.txt,,52,2,10\n\nc.txt,,52,2,10\n", {}, "etp: stations.csv line 4: the file \"c.txt\" does not exist"},
        {titles + "a.txt,,52,2,10\nb.txt,A,52,2,10\n", {}, "etp: stations.csv line 3: name \"A\" is also on line 2"},
        {titles + "a.txt,../a,52,2,10\n", {}, "etp: stations.csv line 2: name \"../a\" cannot name files"},
        {"file,lat,alt\na.txt,52,2\n", {}, "etp: stations.csv line 1: no column \"wind_height\""},
        {"file,lat,alt,wind_height,col_rain\na.txt,52,2,10,9\n", {}, "etp: stations.csv line 1: \"col_rain\" is not a column override: "
                                                                       "col_ takes date, tmin, tmax, rhmin, rhmax, rad, wind, sun, rhmean, "
                                                                       "tdew, ea, year, month, day or doy"},
        {"file,lat,alt,wind_height,rad_unit\na.txt,52,2,10,MJ\n", {}, "etp: stations.csv line 2: rad_unit \"MJ\" is not one of "
                                                                       "\"Cal cm^-2 d^-1\", \"watt m^-2\", \"kJ m^-2\", \"MJ m^-2\", \"kWh m^-2\""},
        {titles + "a.txt,x,52,2,10\nb.txt,x.creams,52,2,10\n", {"--creams-rain", "creams.rn", "--macro-rain", "rn"},
         "etp: stations.csv line 3: the file x.creams.rn of \"x.creams\" is also written for \"x\" (line 2)"},
        {titles + "a.txt,stations-report,52,2,10\n", {}, "etp: stations.csv line 2: the file stations-report.txt of "
                                                         "\"stations-report\" would be the report"},
        {titles, {}, "etp: stations.csv line 2: no station"},
        {std::string(5000, '\0'), {}, "etp: the table of stations cannot be read: The file " + dir.file("stations.csv") +
                                          " cannot be read: it is not a text file. " + std::string(kOpenAnotherFile)},
    };
    for (const auto& [table, options, problem] : cases) {
        const auto run = Etp(Args({"--stations", dir.write("stations.csv", table), "--out-dir", dir.file("out")}, options));
        EXPECT_EQ(run.status, 2) << problem;
        EXPECT_EQ(run.err.substr(0, run.err.find('\n')), problem);
        EXPECT_EQ(run.err.substr(run.err.size() - 20), "No station was run.\n");
        EXPECT_FALSE(std::filesystem::exists(dir.file("out")));
    }

    // A station's sheet in the folder of the series would replace one.
    const auto over = Etp({"--stations", dir.write("stations.csv", titles + "b.txt,,52,2,10\n"), "--out-dir",
                           dir.path().string()});
    EXPECT_EQ(over.status, 2);
    EXPECT_EQ(over.err.substr(0, over.err.find('\n')), "etp: stations.csv line 2: the file b.txt of \"b\" would replace the series of line 2");

    // Thousands of bad rows: the first twenty are named, the rest counted.
    std::string many = titles;
    for (int i = 0; i < 10000; ++i) many += "missing" + std::to_string(i) + ".txt,,52,2,10\n";
    const auto run = Etp({"--stations", dir.write("stations.csv", many), "--out-dir", dir.file("out")});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("etp: stations.csv line 21: the file \"missing19.txt\" does not exist\n"
                           "etp: and 9980 more problems in the table\n"),
              std::string::npos)
        << run.err.substr(0, 300);
}

// The command line: the options of one input cannot go with a table, and the file
// options take endings that name one file each.
TEST(StationsBatch, UsageErrors)
{
    TempDir dir;
    dir.write("a.txt", Series(0));
    const auto table = dir.write("stations.csv", "file,lat,alt,wind_height\na.txt,52,2,10\n");
    const auto blocked = dir.write("blocked", "a file where the folder should be");
    const struct {
        std::vector<std::string> args;
        std::string problem; // what the first line of stderr holds
    } cases[] = {
        {{"--stations", table}, "--stations requires --out-dir"},
        {{"--out-dir", dir.file("out")}, "--out-dir requires --stations"},
        {{"--stations", table, "--out-dir", dir.file("out"), "-o", dir.file("x.txt")}, "excludes"},
        {{"--stations", table, "--out-dir", dir.file("out"), "--lat", "45"}, "excludes"},
        {{dir.file("a.txt"), "--stations", table, "--out-dir", dir.file("out")}, "excludes"},
        {{"--stations", table, "--out-dir", dir.file("out"), "--jobs", "0"}, "--jobs"},
        {{"--stations", table, "--out-dir", dir.file("out"), "--macro-rain", "rain/macro.rn"},
         "--macro-rain with --stations takes the ending of each station's file"},
        {{"--stations", table, "--out-dir", dir.file("out"), "--macro-rain", "rn", "--leachm-rain", "RN"},
         "--macro-rain and --leachm-rain would write the same file NAME.rn"},
        {{"--stations", table, "--out-dir", dir.file("out"), "--leachm-n", "1,2"}, "--leachm-n takes three numbers"},
        {{"--stations", table, "--out-dir", blocked + "/out"}, "the output folder " + blocked + "/out cannot be made"},
    };
    for (const auto& [args, problem] : cases) {
        const auto run = Etp(args);
        EXPECT_EQ(run.status, 2) << problem;
        EXPECT_NE(run.err.substr(0, run.err.find('\n')).find(problem), std::string::npos) << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("out")));
}

// Cancelling stops the start of new stations; the one that ran keeps its files, and the
// others are "not run" with none.
TEST(StationsBatch, CancelLetsTheRunningStationFinish)
{
    TempDir dir;
    const std::vector<StationRow> rows = Rows(dir, {"one", "two", "three"});
    BatchOptions common;
    common.methods = {"PenMon"};
    std::atomic<bool> cancel{false};
    std::filesystem::create_directory(dir.path() / "out");
    const StationRunSettings settings{common, dir.path() / "out", 1, {}, std::nullopt};
    const auto results = RunStations(rows, settings, [&](const StationProgress&) { cancel = true; }, &cancel);
    ASSERT_EQ(results.size(), 3u);
    EXPECT_EQ(results[0].report.status, StationStatus::Done);
    EXPECT_EQ(results[1].report.status, StationStatus::NotRun);
    EXPECT_EQ(StationReportText({results[2].report}).substr(StationReportText({}).size()), "three\t0\t\t\t0\t0\t0\t0\t0\tnot run\n");
    std::vector<std::string> written;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path() / "out")) written.push_back(entry.path().filename().string());
    std::sort(written.begin(), written.end());
    EXPECT_EQ(written, (std::vector<std::string>{"one.summary.txt", "one.txt"}));
}

// A station's files reach the output folder only when its run succeeds; its messages
// name them there, never in the folder they were gathered in.
TEST(StationsBatch, MessagesNameTheFilesInTheOutputFolder)
{
    TempDir dir;
    const std::vector<StationRow> rows = Rows(dir, {"drawn", "undrawn"});
    BatchOptions common;
    common.methods = {"PenMon"};
    common.analysis.chart = "chart.svg";
    const std::filesystem::path out = dir.path() / "out";
    std::filesystem::create_directory(out);
    std::vector<std::filesystem::path> drawnAt;
    const ChartRenderer renderer = [&](const Workbench&, const std::string& path, std::string& error) {
        drawnAt.emplace_back(path);
        if (path.find("undrawn") != std::string::npos) {
            error = "no room";
            return false;
        }
        return !WriteFileAtomically(path, "<svg/>");
    };
    const auto results = RunStations(rows, StationRunSettings{common, out, 1, renderer, std::nullopt});
    ASSERT_EQ(drawnAt.size(), 2u);
    EXPECT_NE(drawnAt[0].parent_path(), out) << "drawn beside the others first";
    EXPECT_EQ(ReadFile((out / "drawn.chart.svg").string()), "<svg/>");
    EXPECT_EQ(results[1].report.refusal, "The chart " + (out / "undrawn.chart.svg").string() + " could not be drawn: no room.");
    EXPECT_EQ(results[1].err, results[1].report.refusal + "\n");
    EXPECT_FALSE(std::filesystem::exists(out / "undrawn.txt"));
}

// Tools > Stations hands the menus' choices over as values: they run as the same choices
// written as options do, and in place of any the common options give.
TEST(StationsBatch, ChoicesAsValuesRunAsTheSameOptions)
{
    TempDir dir;
    StationRow row;
    row.file = dir.write("north.txt", Blank(Series(0), 5, 5)); // no radiation one day: estimated
    row.name = "north";
    row.latitude = "52.1", row.altitude = "2", row.windHeight = "10";
    const auto run = [&](const char* folder, const BatchOptions& common, std::optional<MethodChoices> choices) {
        std::filesystem::create_directory(dir.path() / folder);
        const StationRunSettings settings{common, dir.path() / folder, 1, {}, std::move(choices)};
        const auto results = RunStations({row}, settings);
        EXPECT_EQ(results[0].report.status, StationStatus::Done) << results[0].err;
        return StationReportText({results[0].report}) + ReadFile(dir.file(std::string(folder) + "/north.txt"));
    };
    BatchOptions written;
    written.methods = {"PenMon", "Hargr."};
    written.hargreaves = "0.0025,17.8,0.5";
    written.estimateMissing = "radiation";
    written.penMonG = "zero";
    MethodChoices choices;
    choices.methods = {Method::PenMon, Method::Hargreaves};
    choices.hargreaves = HargreavesCoefficients{0.0025, 17.8, 0.5};
    choices.estimates.radiation = true;
    choices.methodOptions.penMonSoilHeat = SoilHeatFlux::Zero;
    BatchOptions other;
    other.methods = {"P-T"};
    other.hargreaves = "0.003,17.8,0.5";
    const std::string expected = run("written", written, std::nullopt);
    EXPECT_NE(expected.find("\tPenMon\tHargr.\tEstimated"), std::string::npos) << expected.substr(0, 300);
    EXPECT_EQ(run("values", other, choices), expected);
}

// A station table gives each station its own units and boxes of the newer shapes: a
// station in °F with its dew point and year/day-of-year dates, and no latitude or altitude
// in the table, which its NASA POWER header gives, computes as the same station in °C.
TEST(StationsBatch, TemperatureUnitDatePartsAndHeaderPerStation)
{
    TempDir dir;
    dir.write("celsius.txt", "DATE\tTMIN\tTMAX\tTDEW\tRAD\tWIND\r\n21/06/20\t12\t28\t10\t22\t2\r\n22/06/20\t13\t27\t11\t21\t3\r\n");
    dir.write("fahrenheit.txt", "-BEGIN HEADER-\r\nLocation: Latitude 45 Longitude 5\r\n"
                                "Elevation from MERRA-2: Average = 100 meters\r\n-END HEADER-\r\n"
                                "YEAR\tDOY\tMN\tMX\tDEW\tRAD\tWIND\r\n2020\t173\t53.6\t82.4\t50\t22\t2\r\n2020\t174\t55.4\t80.6\t51.8\t21\t3\r\n");
    const std::string table = dir.write("stations.csv", "file,name,lat,alt,wind_height,temp_unit,col_tdew,col_rhmin,col_rhmax\n"
                                                        "celsius.txt,c,45,100,2,,4,0,0\n"
                                                        "fahrenheit.txt,f,,,2,°F,5,0,0\n");
    const auto run = Etp({"--stations", table, "--out-dir", dir.file("out"), "--method", "PenMon", "--method", "ASCE short"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string celsius = ReadFile(dir.file("out/c.txt")), fahrenheit = ReadFile(dir.file("out/f.txt"));
    for (int day = 1; day <= 2; ++day)
        for (int k = 0; k < 2; ++k) {
            const std::string c = testing::Field(celsius, day, 6 + k), f = testing::Field(fahrenheit, day, 7 + k);
            ASSERT_FALSE(c.empty()) << day;
            EXPECT_NEAR(std::stod(f), std::stod(c), 0.0100001) << day << " " << k;
        }
}

// Every method asked of each station of the availability table (those without an
// estimate): each station is done, its available methods computed and the others
// named in its status with the reason.
TEST(StationsBatch, EachStationComputesWhatItsColumnsAllow)
{
    TempDir dir;
    dir.write("day.txt", std::string(testing::kStationTitles) + "\r\n20/06/95\t12\t28\t40\t90\t22\t2\t10\t0\r\n");
    std::string table = "file,name,lat,alt,wind_height";
    for (std::size_t b = 0; b <= Index(ColumnBox::Tdew); ++b) table += std::string(",col_") + kColumnBoxNames.values[b];
    table += '\n';
    std::vector<testing::AvailabilityCase> cases;
    for (const testing::AvailabilityCase& c : testing::AvailabilityCases()) {
        if (c.estimates.any()) continue;
        table += "day.txt,s" + std::to_string(cases.size()) + ",45,100,2";
        for (std::size_t b = 0; b <= Index(ColumnBox::Tdew); ++b) table += ',' + c.columns.text(kAllColumnBoxes[b]);
        table += '\n';
        cases.push_back(c);
    }
    std::vector<std::string> args = {"--stations", dir.write("stations.csv", table), "--out-dir", dir.file("out")};
    for (const MethodInfo& info : kMethods) args.insert(args.end(), {"--method", info.label});
    const auto run = Etp(args);
    ASSERT_EQ(run.status, 0) << run.err;

    const std::string report = ReadFile(dir.file("out/stations-report.txt"));
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const std::string line = Line(report, static_cast<int>(i) + 1);
        const std::string status = line.substr(line.rfind('\t') + 1);
        std::string expected = "done";
        int computed = 0;
        for (const MethodInfo& info : kMethods) {
            if (cases[i].available[Index(info.method)] == '1') {
                ++computed;
                continue;
            }
            expected += (expected == "done" ? "; not available: " : ", ") + std::string(info.label) + " (" +
                        MethodAvailability(info.method, cases[i].columns).reason + ")";
        }
        EXPECT_EQ(status, expected) << cases[i].name;
        EXPECT_EQ(testing::Field(line + "\n", 0, 4), std::to_string(computed)) << cases[i].name;
    }
}

} // namespace etp
