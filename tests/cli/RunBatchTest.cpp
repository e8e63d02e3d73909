// The batch tool's own job: its options, the order of its steps, its exit statuses, its
// messages on stderr and the files it writes. What each step computes or writes is
// proved by the tests of the step's own code.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <tuple>

#include "cli/BatchRun.h"
#include "models/ModelSheets.h"

namespace etp {

namespace {

using testing::Etp;
using testing::Field;
using testing::Lines;
using testing::ReadFile;
using testing::TempDir;

const std::string kWorked = std::string(testing::kStationTitles) +
                            "\r\n20/06/95\t12\t28\t40\t90\t22\t2\t10\t0\r\n21/06/95\t12\t28\t40\t90\t22\t2\t10\t0\r\n";

// June to September 1995 at 45°N: dry, warm, 5 mm of rain on 20 June.
std::string Summer()
{
    using namespace std::chrono;
    std::string text = std::string(testing::kStationTitles) + "\r\n";
    for (int i = 0; i < 122; ++i)
        text += testing::DateText(1995y / June / 1, i) + "\t15\t30\t35\t80\t24\t2\t11\t" + (i == 19 ? "5" : "0") + "\r\n";
    return text;
}

} // namespace

TEST(RunBatch, VersionAndHelp)
{
    EXPECT_EQ(Etp({"--version"}).out, "etp 1.0.2\n");
    const std::string help = Etp({"--help"}).out;
    EXPECT_NE(help.find("--leachm-n"), std::string::npos);
    // The values an option takes come from the program's own tables.
    for (const char* listed : {"--penmon-g TEXT:{previous,zero}", "--temp-unit TEXT:{°C,°F,K}", "--pt-alpha TEXT:NUMBER 1 to 2",
                               "--method TEXT:{PenFAO,PFAOnocorr,PenMon,P-T,PFAOrad,PFAOsun,Hargr.,Turc,Thornt.,P-T extrad,"
                               "Bl-Cr,PotRad,ASCE short,ASCE tall}",
                               "--leachm-et TEXT:{PenFAO,PFAOnocorr,PenMon,P-T,PFAOrad,PFAOsun,ASCE short,ASCE tall,"})
        EXPECT_NE(help.find(listed), std::string::npos) << listed;
    const auto wrong = Etp({"in.txt", "--turc-humidity", "on"});
    EXPECT_EQ(wrong.err, "etp: --turc-humidity: on not in {below50,off}\nRun with --help for more information.\n");
}

// A wrong command line is found before the input is looked at (it does not exist here)
// and the message names the option.
TEST(RunBatch, UsageErrorsExitTwoBeforeAnythingIsRead)
{
    TempDir dir;
    const auto output = dir.file("out.txt");
    const std::vector<std::vector<std::string>> cases = {
        {"--frobnicate"}, {"--method", "Penman"}, {"--method", "penmon"}, {"--col", "rain=9"}, {"--col", "tmin"},
        {"--rad-unit", "MJ"}, {"--wind-unit", "m/s"}, {"--rh-unit", "percent"}, {"--hargreaves", "1,2"}, {"--hargreaves", "0.0023,abc,.5"},
        {"--turned", "01/07,30/08,15,50,50"}, {"--on-demand", "PotRad,06/06,09/09,50,75"}, {"--strict"},
        {"--chart", dir.file("c.png")}, // no renderer in this build
        {"--leachm-et", "PotRad"}, {"--macro-et", "penmon"}, {"--leachm-dates", "yymmdd"}, {"--leachm-n", "0,0.1"},
        {"--leachm-n", "0,a,1"}, {"--leachm-n", "0,0.1,1,2"}, {"--creams-tr", dir.file("*.tr")},
        {"--leachm-rain", "a?.rn"}, {"--macro-etp"}, {"--lat"}, {"--estimate-missing", "rain"}, {"--angstrom", "0.25"},
        {"--angstrom", "0.6,0.5"}, {"--krs", "abc"}, {"--k0", "-1"}, {"--penmon-g", "none"}, {"--pt-alpha", "2.5"},
        {"--pt-alpha", "x"}, {"--turc-humidity", "on"}, {"--potrad-unit", "W"}, {"--ptextrad-krs", "0.5"},
        {"--temp-unit", "F"}, {"--ea-unit", "mbar"}, {"--wind-unit", "mi/h"}, {"--col", "dew=4"}, {"--asce-rso", "exact"}};
    for (const auto& options : cases) {
        std::vector<std::string> args = {dir.file("missing.txt"), "-o", output};
        args.insert(args.end(), options.begin(), options.end());
        const auto run = Etp(args);
        EXPECT_EQ(run.status, 2) << options[0];
        EXPECT_NE(run.err.find(options[0]), std::string::npos) << run.err;
    }
    EXPECT_EQ(Etp({"-o", output}).status, 2); // no input
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

// The options of the methods reach Compute and the summary; the calibration prints its fit
// and adds no column, and refuses a series shorter than 30 days.
TEST(RunBatch, MethodOptionsAndHargreavesCalibration)
{
    TempDir dir;
    const auto input = dir.write("summer.txt", Summer());
    const auto plain = Etp({input, "--lat", "45", "--method", "P-T", "-o", dir.file("plain.txt")});
    const auto run = Etp({input, "--lat", "45", "--method", "P-T", "--pt-alpha", "1.5", "--ptextrad-krs", "0.19", "--calibrate-hargreaves",
                          "-o", dir.file("out.txt"), "--summary", dir.file("summary.txt")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "Hargreaves against PenMon over 122 days");
    EXPECT_NE(run.out.find("a = 0.0023 fitted: a = "), std::string::npos) << run.out;
    const std::string out = ReadFile(dir.file("out.txt")), before = ReadFile(dir.file("plain.txt"));
    EXPECT_NEAR(std::stod(Field(out, 1, 9)), std::stod(Field(before, 1, 9)) * 1.5 / 1.26, 0.01);
    EXPECT_EQ(out.substr(0, out.find('\n')), before.substr(0, before.find('\n'))); // no column added
    const std::string summary = ReadFile(dir.file("summary.txt"));
    EXPECT_EQ(summary.substr(0, summary.find("\n", summary.find('\n') + 1)), "option\tP-T alpha: 1.5\noption\tP-T extrad kRs: 0.19");

    const auto refused = Etp({dir.write("worked.txt", kWorked), "--lat", "45", "--calibrate-hargreaves"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("at least 30 days"), std::string::npos) << refused.err;
}

TEST(RunBatch, OverridesAndHargreavesCoefficients)
{
    TempDir dir;
    const auto output = dir.file("out.txt");
    const auto run = Etp({dir.write("worked.txt", kWorked), "--lat", "45", "--alt", "100", "--hargreaves",
                          "0.0022,17.8,.5", "--col", "sun=0", "--wind-unit", "km d^-1", "--method", "Hargr.",
                          "--method", "PenMon", "-o", output});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string sheet = ReadFile(output);
    EXPECT_EQ(Field(sheet, 0, 9), "PenMon");
    EXPECT_EQ(Field(sheet, 2, 10), "5.69");
    EXPECT_NE(Field(sheet, 2, 9), "4.99"); // a wind of 2 km per day now
}

// A message on stderr: a warning lets the run go on (status 0), the others end it (1).
// The messages the commands share with the desktop are the core tests'.
TEST(RunBatch, MessagesAndTheirStatus)
{
    TempDir dir;
    const auto worked = dir.write("worked.txt", kWorked);
    const auto xls = ETP_TEST_DATA_DIR "/xls/weather.xls";
    const std::string noSunshine = "DATE\tTMIN\tTMAX\tRHMIN\tRHMAX\tRAD\tWIND\r\n21/06/95\t12\t28\t40\t90\t22\t2\r\n";
    const std::tuple<std::vector<std::string>, int, std::string> cases[] = {
        {{worked, "--method", "PotRad"}, 0,
         "Your meteorological station is at 0° degrees and at 0 m above sea level or simple you forgot this data ?\n"},
        {{dir.write("nosun.txt", noSunshine), "--lat", "45", "--method", "PenFAO"},
         1, "PenFAO: needs the sunshine column; box Suns. dur. is 0\n"},
        {{xls, "--sheet", "9"}, 1, "Import did not succeed.\nReason: the workbook has no sheet 9.\n"},
        {{xls, "--sheet", "second"}, 1,
         "The sheet number is not a number: \"second\". Give the number of one of its sheets, 1 for the first.\n"},
    };
    for (const auto& [args, status, message] : cases) {
        const auto run = Etp(args);
        EXPECT_EQ(run.status, status) << args[1];
        EXPECT_EQ(run.err, message);
    }
}

// A day without a measurement is told about and the run goes on to its next step; asked
// to, the run estimates it. Station values out of range stop the run before Compute.
TEST(RunBatch, MissingDaysAndEstimates)
{
    TempDir dir;
    std::string text = Summer();
    text.replace(text.find("\t24\t2\t11\t"), 9, "\tn.d.\t2\t11\t"); // no radiation on 1 June
    const auto input = dir.write("summer.txt", text);
    const auto output = dir.file("out.txt");
    auto run = Etp({input, "--lat", "45", "--method", "PenMon", "--method", "Hargr.", "-o", output});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "PenMon: 1 day not computed, inputs missing: row 2 (01/06/95)\n");
    EXPECT_EQ(Field(ReadFile(output), 1, 9), "");
    EXPECT_NE(Field(ReadFile(output), 1, 10), "");
    // The gap in the ET column stops the file that reads it, and on-demand irrigation.
    const auto macro = dir.file("et.mac");
    run = Etp({input, "--lat", "45", "--method", "PenMon", "--macro-etp", macro, "--macro-et", "PenMon"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("PenMon: 1 day missing: row 2 (01/06/95)\nThe MACRO ETP file was not written"), std::string::npos)
        << run.err;
    EXPECT_FALSE(std::filesystem::exists(macro));
    run = Etp({input, "--lat", "45", "--method", "PenMon", "--on-demand", "PenMon,01/06,09/09,50,75"});
    EXPECT_EQ(run.status, 1);

    // With the day estimated, the same run writes the file and irrigates.
    run = Etp({input, "--lat", "45", "--method", "PenMon", "--estimate-missing", "radiation,wind", "--angstrom", "0.2,0.5",
               "--macro-etp", macro, "--macro-et", "PenMon", "--on-demand", "PenMon,01/06,09/09,50,75", "-o", output});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "PenMon: 1 day computed from estimates\nMACRO ETP: 1 day estimated (radiation)\n");
    EXPECT_TRUE(std::filesystem::exists(macro));
    EXPECT_EQ(run.out.rfind("on-demand irrigation: ", 0), 0u) << run.out;
    EXPECT_EQ(Field(ReadFile(output), 0, 10), "Estimated");
    EXPECT_EQ(Field(ReadFile(output), 1, 10), "Rs from sunshine");
    EXPECT_NE(Field(ReadFile(output), 1, 9), "");

    for (const auto& [option, value] : {std::pair{"--lat", "95"}, {"--alt", "-7500"}, {"--wind-height", "0"}}) {
        std::filesystem::remove(output);
        std::vector<std::string> args = {input, option, value, "--method", "Hargr.", "-o", output};
        if (std::string(option) != "--lat") args.insert(args.end(), {"--lat", "45"});
        run = Etp(args);
        EXPECT_EQ(run.status, 1) << option;
        EXPECT_NE(run.err.find(value), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(output));
    }
}

// Every day of a file longer than the sheet's 32000 first rows is computed and saved.
TEST(RunBatch, ALongSeriesKeepsEveryDay)
{
    TempDir dir;
    std::string text = std::string(testing::kStationTitles) + "\r\n";
    for (int i = 0; i < 40000; ++i) text += "01/01/95\t1\t2\t3\t4\t5\t6\t7\t8\r\n";
    const auto output = dir.file("many.out");
    const auto run = Etp({dir.write("many.txt", text), "--lat", "45", "--method", "PotRad", "-o", output});
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string saved = ReadFile(output);
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 40001);
    EXPECT_EQ(Field(saved, 40000, 9), "10.75"); // Ra on 1 January at 45°N
}

// A real station: Holyoke, Colorado, 2020. The operator's own ASCE short-reference
// total for the year is 1371.7 mm; the FAO-56 grass reference lands within 3 %.
TEST(RunBatch, RealStationMatchesThePublishedReferenceTotal)
{
    const auto input = std::filesystem::path(ETP_SHARED_DATA_DIR) / "stations" / "coagmet_holyoke_hyk02_2020.txt";
    if (!std::filesystem::exists(input)) GTEST_SKIP() << "no shared station data";
    TempDir dir;
    const auto output = dir.file("holyoke.txt");
    const auto run = Etp({input.string(), "--lat", "40.49", "--alt", "1138", "--method", "PenMon", "-o", output});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string sheet = ReadFile(output);
    double total = 0;
    for (int line = 1; line <= 366; ++line) total += std::atof(Field(sheet, line, 7).c_str());
    EXPECT_EQ(Field(sheet, 0, 7), "PenMon");
    EXPECT_NEAR(total, 1371.7, 0.03 * 1371.7);
}

// Irrigation runs after Compute and before the model files, the summary, the chart and
// the sheet are written; every application is listed on standard output.
TEST(RunBatch, IrrigationReachesTheFilesMadeAfterIt)
{
    TempDir dir;
    const auto input = dir.write("summer.txt", Summer());
    const auto rain = dir.file("m.rn"), sheet = dir.file("out.txt"), summary = dir.file("summary.txt");
    std::string drawnTo;
    const ChartRenderer chart = [&](const Workbench& workbench, const std::string& path, std::string&) {
        drawnTo = path + " " + std::string(workbench.sheet.cellText(47, 9)); // RAIN of 16 July
        return true;
    };
    const auto turned = Etp({input, "--lat", "45", "--method", "PenMon", "--turned", "01/07,30/08,15,50,50,4", "--macro-rain",
                             rain, "--summary", summary, "--chart", dir.file("c.svg"), "-o", sheet}, chart);
    ASSERT_EQ(turned.status, 0) << turned.err;
    EXPECT_EQ(turned.out, "turned irrigation: 16/07/95 50 mm\nturned irrigation: 31/07/95 50 mm\n"
                          "turned irrigation: 15/08/95 50 mm\nturned irrigation: 30/08/95 50 mm\n");
    EXPECT_EQ(Field(ReadFile(sheet), 46, 8), "50"); // RAIN of 16 July
    EXPECT_EQ(Lines(ReadFile(rain), "\r\n")[45], "'950716'   50.0    ");
    EXPECT_EQ(drawnTo, dir.file("c.svg") + " 50");
    const std::string table = ReadFile(summary);
    EXPECT_EQ(table.rfind("period\tdays\tRAIN sum\tRAIN mean\tPenMon sum\tPenMon mean\n", 0), 0u);
    EXPECT_NE(table.find("\n1995-06\t30\t5.00\t0.17\t"), std::string::npos) << table;
    EXPECT_NE(table.find("\n1995-07\t31\t100.00\t"), std::string::npos) << table;

    const auto onDemand = Etp({input, "--lat", "45", "--method", "PenMon", "--on-demand", "PenMon,06/06,09/09,50,75"});
    EXPECT_EQ(onDemand.status, 0) << onDemand.err;
    EXPECT_EQ(onDemand.out.rfind("on-demand irrigation: ", 0), 0u) << onDemand.out;
    // The standardized references are chosen through their own dialog and feed irrigation too.
    const auto standard = Etp({input, "--lat", "45", "--method", "ASCE tall", "--on-demand", "ASCE tall,06/06,09/09,50,75",
                               "-o", sheet});
    EXPECT_EQ(standard.status, 0) << standard.err;
    EXPECT_EQ(standard.out.rfind("on-demand irrigation: ", 0), 0u) << standard.out;
    EXPECT_EQ(Field(ReadFile(sheet), 0, 9), "ASCE tall");
    const ChartRenderer failing = [](const Workbench&, const std::string&, std::string& error) {
        error = "no room";
        return false;
    };
    const auto failed = Etp({input, "--chart", dir.file("c.png")}, failing);
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err, "The chart " + dir.file("c.png") + " could not be drawn: no room.\n");
}

TEST(RunBatch, CheckPrintsTheTableAndStrictStopsWithThree)
{
    TempDir dir;
    std::string text = Summer();
    text.replace(text.find("\t15\t30\t"), 7, "\t\t30\t"); // an empty T min on 1 June
    const auto input = dir.write("summer.txt", text);
    auto run = Etp({input, "--lat", "45", "--check"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("T° min\tempty cell: missing\t1\t2 (01/06/95)\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("122 days checked, problems found"), std::string::npos);

    const auto output = dir.file("out.txt");
    run = Etp({input, "--lat", "45", "--check", "--strict", "--method", "PenMon", "-o", output});
    EXPECT_EQ(run.status, 3);
    EXPECT_FALSE(std::filesystem::exists(output));
}

// The three sources as their exports come, through the batch tool alone: a NASA POWER file
// gives the station from its header (and an option given stands), an AgriMet file in °F,
// langleys and mph computes, a Meteostat file without humidity or radiation computes once
// their estimates are on, and is refused before.
TEST(RunBatch, ThreeSourcesAsTheyExport)
{
    TempDir dir;
    const std::string power = dir.write("power.csv",
        "-BEGIN HEADER-\nNASA/POWER Daily Data\nLocation: Latitude  52.1   Longitude 5.18\n"
        "Elevation from MERRA-2: Average for 0.5 x 0.625 degree lat/lon region = 1.9 meters\n-END HEADER-\n"
        "YEAR,DOY,T2M_MAX,T2M_MIN,RH2M,T2MDEW,WS10M,ALLSKY_SFC_SW_DWN,PRECTOTCORR\n"
        "2018,172,24.1,12.3,70.2,11.5,3.1,25.3,0.0\n2018,173,25.0,13.1,68.0,-999,3.0,26.1,1.2\n");
    auto run = Etp({power, "--method", "PenMon", "-o", dir.file("out.txt")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("5 lines before the titles (a header) set aside. The station's latitude 52.1° and altitude "
                           "1.9 m are taken from it."),
              std::string::npos)
        << run.err;
    const std::string fromHeader = testing::ReadFile(dir.file("out.txt"));
    EXPECT_NE(Field(fromHeader, 1, 9), "");
    // The dew point, first of the humidities, is missing on the second day (-999): that day
    // has no humidity, as a missing RH cell of a series of RH min and max.
    EXPECT_EQ(Field(fromHeader, 2, 9), "");
    run = Etp({power, "--method", "PenMon", "--lat", "52.1", "--alt", "1.9", "--wind-height", "10", "-o", dir.file("out.txt")});
    EXPECT_EQ(testing::ReadFile(dir.file("out.txt")), fromHeader); // WS10M: measured at 10 m
    run = Etp({power, "--method", "PenMon", "--lat", "40", "-o", dir.file("out.txt")});
    EXPECT_NE(run.err.find("The station's altitude 1.9 m is taken from it."), std::string::npos) << run.err;
    EXPECT_NE(testing::ReadFile(dir.file("out.txt")), fromHeader);

    const std::string agrimet = dir.write("agrimet.csv", "YEAR,MONTH,DAY,MN,MX,SR,YM,UA\n2020,6,21,50.1,84.2,690,45.3,4.5\n");
    run = Etp({agrimet, "--lat", "46", "--alt", "800", "--wind-height", "3", "--method", "PenMon", "--method", "ASCE short",
               "-o", dir.file("out.txt")});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string saved = testing::ReadFile(dir.file("out.txt"));
    EXPECT_EQ(Field(saved, 0, 8), "PenMon");
    EXPECT_GT(std::stod(Field(saved, 1, 9)), 5.0); // a clear summer day: about 6 mm
    EXPECT_LT(std::stod(Field(saved, 1, 9)), 8.0);

    const std::string meteostat = dir.write("meteostat.csv", "time,tavg,tmin,tmax,prcp,snow,wdir,wspd,wpgt,pres,tsun\n"
                                                             "2020-06-21,18.2,11.0,25.3,0.0,,250,12.2,30.1,1015.2,540\n");
    run = Etp({meteostat, "--lat", "50", "--method", "PenMon", "-o", dir.file("out.txt")});
    EXPECT_EQ(run.status, 1);
    run = Etp({meteostat, "--lat", "50", "--method", "PenMon", "--estimate-missing", "radiation,humidity",
               "-o", dir.file("out.txt")});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string estimated = testing::ReadFile(dir.file("out.txt"));
    EXPECT_NE(Field(estimated, 1, 11), "");
    EXPECT_EQ(Field(estimated, 1, 12), "Rs from sunshine, ea from Tmin");
}

// The full clear-sky radiation changes the two ASCE columns and no other.
TEST(RunBatch, AsceFullClearSkyChangesOnlyTheAsceColumns)
{
    TempDir dir;
    const std::vector<std::string> args = {dir.write("day.txt", kWorked), "--lat", "45", "--method", "PenMon",
                                           "--method", "ASCE short", "--method", "ASCE tall", "-o", dir.file("out.txt")};
    ASSERT_EQ(Etp(args).status, 0);
    const std::string simple = testing::ReadFile(dir.file("out.txt"));
    auto full = args;
    full.insert(full.end(), {"--asce-rso", "full"});
    ASSERT_EQ(Etp(full).status, 0);
    const std::string withFull = testing::ReadFile(dir.file("out.txt"));
    EXPECT_EQ(Field(withFull, 1, 9), Field(simple, 1, 9));
    EXPECT_NE(Field(withFull, 1, 10), Field(simple, 1, 10));
    EXPECT_NE(Field(withFull, 1, 11), Field(simple, 1, 11));
}

} // namespace etp
