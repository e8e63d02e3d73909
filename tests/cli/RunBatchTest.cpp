#include "cli/RunBatch.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/SheetBuilder.h"
#include "support/TempDir.h"

namespace etp {

namespace {

using testing::Field;
using testing::ReadFile;
using testing::TempDir;

struct Run {
    int status;
    std::string out;
    std::string err;
};

Run Etp(std::vector<std::string> args)
{
    args.insert(args.begin(), "etp");
    std::ostringstream out, err;
    const int status = RunBatch(args, out, err);
    return {status, out.str(), err.str()};
}

const std::string kWorked = std::string(testing::kStationTitles) +
                            "\r\n20/06/95\t12\t28\t40\t90\t22\t2\t10\t0\r\n21/06/95\t12\t28\t40\t90\t22\t2\t10\t0\r\n";

std::filesystem::path SharedData() { return ETP_SHARED_DATA_DIR; }

} // namespace

TEST(RunBatch, VersionAndHelp)
{
    const auto version = Etp({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "etp 1.0.2\n");
    const auto help = Etp({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* option : {"--sheet", "--col", "--rad-unit", "--wind-unit", "--sun-unit", "--lat", "--alt",
                               "--wind-height", "--method", "--hargreaves", "--output"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
}

TEST(RunBatch, UsageErrorsExitTwoAndTouchNothing)
{
    TempDir dir;
    const auto input = dir.write("in.txt", kWorked);
    const auto output = dir.file("out.txt");
    const std::vector<std::vector<std::string>> cases = {
        {input, "--frobnicate", "-o", output},
        {input, "--method", "Penman", "-o", output},
        {input, "--method", "penmon", "-o", output},
        {input, "--col", "rain=9", "-o", output},
        {input, "--col", "tmin", "-o", output},
        {input, "--rad-unit", "MJ", "-o", output},
        {input, "--wind-unit", "m/s", "-o", output},
        {input, "--hargreaves", "1,2", "-o", output},
        {input, "--hargreaves", "0.0023,abc,.5", "-o", output},
        {"-o", output},
        {input, "--lat"},
    };
    for (const auto& args : cases) {
        const auto run = Etp(args);
        EXPECT_EQ(run.status, 2) << args[1];
        EXPECT_FALSE(run.err.empty()) << args[1];
        EXPECT_FALSE(std::filesystem::exists(output)) << args[1];
    }
}

TEST(RunBatch, WorkedExampleThenASecondRunAppends)
{
    TempDir dir;
    const auto input = dir.write("worked.txt", kWorked);
    const auto first = dir.file("first.txt");
    auto run = Etp({input, "--lat", "45", "--alt", "100", "--method", "PenMon", "--method", "PenFAO", "--method",
                    "PFAOnocorr", "--method", "PFAOrad", "--method", "P-T", "--method", "Hargr.", "--method", "Turc",
                    "--method", "PotRad", "-o", first});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::string sheet = ReadFile(first);
    const char* labels[] = {"PenFAO", "PFAOnocorr", "PenMon", "P-T", "PFAOrad", "Hargr.", "Turc", "PotRad"};
    const char* values[] = {"5.73", "5.47", "4.99", "4.52", "5.85", "5.95", "4.31", "41.91"};
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(Field(sheet, 0, 9 + k), labels[k]);
        EXPECT_EQ(Field(sheet, 2, 9 + k), values[k]) << labels[k];
    }

    // The result titles "PFAOrad" and "PotRad" would win the radiation box: name it.
    const auto second = dir.file("second.txt");
    run = Etp({first, "--col", "rad=6", "--lat", "45", "--alt", "100", "--method", "PenMon", "-o", second});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string again = ReadFile(second);
    EXPECT_EQ(Field(again, 0, 17), "PenMon");
    EXPECT_EQ(Field(again, 1, 17), Field(again, 1, 11)); // a fresh run has no day before the first
    EXPECT_EQ(Field(again, 2, 17), "4.99");
    EXPECT_EQ(again.substr(0, sheet.find("\r\n")), sheet.substr(0, sheet.find("\r\n")));
}

TEST(RunBatch, OverridesAndHargreavesCoefficients)
{
    TempDir dir;
    const auto input = dir.write("worked.txt", kWorked);
    const auto output = dir.file("out.txt");
    const auto run = Etp({input, "--lat", "45", "--alt", "100", "--hargreaves", "0.0022,17.8,.5", "--col", "sun=0",
                          "--wind-unit", "km d^-1", "--method", "Hargr.", "--method", "PenMon", "-o", output});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string sheet = ReadFile(output);
    EXPECT_EQ(Field(sheet, 0, 9), "PenMon");
    EXPECT_EQ(Field(sheet, 2, 10), "5.69");
    EXPECT_NE(Field(sheet, 2, 9), "4.99"); // a wind of 2 km per day now
}

TEST(RunBatch, StationAtZeroIsAWarningOnly)
{
    TempDir dir;
    const auto run = Etp({dir.write("worked.txt", kWorked), "--method", "PotRad"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "Your meteorological station is at 0° degrees and at 0 m above sea level or simple you forgot "
                       "this data ?\n");
}

TEST(RunBatch, MessagesThatEndTheRunExitOne)
{
    TempDir dir;
    const auto worked = dir.write("worked.txt", kWorked);
    const std::string noSunshine = "DATE\tTMIN\tTMAX\tRHMIN\tRHMAX\tRAD\tWIND\r\n21/06/95\t12\t28\t40\t90\t22\t2\r\n";
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{dir.file("missing.txt"), "--method", "PenMon"}, "il file non esiste\n"},
        {{dir.write("nosun.txt", noSunshine), "--lat", "45", "--method", "PenFAO"},
         "method PenFAO is not available with these columns\n"},
        {{dir.write("empty.txt", ""), "--lat", "45", "--method", "PenMon"},
         "Problems in defining metereological variables\n"},
        {{worked, "--col", "rad=0", "--col", "sun=0", "--lat", "45", "--method", "Hargr."},
         "Problems in defining metereological variables - radiation or sunshine not available\n"},
        {{worked, "--lat", "45", "--method", "PenMon", "-o", dir.file("no/folder/out.txt")}, ""},
    };
    for (const auto& c : cases) {
        const auto run = Etp(c.args);
        EXPECT_EQ(run.status, 1) << c.args[0];
        if (!c.message.empty()) EXPECT_EQ(run.err, c.message);
        else EXPECT_NE(run.err.find("could not be written"), std::string::npos) << run.err;
    }
}

TEST(RunBatch, PolarLatitudeStopsWithTheRowAndMethod)
{
    TempDir dir;
    const auto output = dir.file("out.txt");
    const auto run = Etp({dir.write("worked.txt", kWorked), "--lat", "89", "--method", "PenMon", "-o", output});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind("Arithmetic error in row 2, method PenMon: ", 0), 0u) << run.err;
    EXPECT_FALSE(std::filesystem::exists(output)); // later steps do not run
}

TEST(RunBatch, BadInputsNeverCrash)
{
    TempDir dir;
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 7919) % 256);
    std::string manyLines = std::string(testing::kStationTitles) + "\r\n";
    for (int i = 0; i < 100000; ++i) manyLines += "01/01/95\t1\t2\t3\t4\t5\t6\t7\t8\r\n";
    const std::vector<std::pair<std::string, std::string>> inputs = {
        {"empty.txt", ""},
        {"binary.txt", binary},
        {"untitled.txt", "1\t2\t3\r\n4\t5\t6\r\n"},
        {"oneline.txt", std::string(10 << 20, 'x')},
        {"many.txt", manyLines},
        {"words.txt", std::string(testing::kStationTitles) + "\r\n01/01/95\tn.d.\tabc\t\t-\t12,5\t?\t\t\r\n"},
    };
    for (const auto& [name, bytes] : inputs) {
        const auto input = dir.write(name, bytes);
        const auto output = dir.file(name + ".out");
        const auto plain = Etp({input, "-o", output});
        EXPECT_EQ(plain.status, 0) << name << ": " << plain.err;
        const auto computed = Etp({input, "--lat", "45", "--method", "PotRad", "--method", "Hargr."});
        EXPECT_TRUE(computed.status == 0 || (computed.status == 1 && !computed.err.empty()))
            << name << ": " << computed.status << ' ' << computed.err;
    }
    // Every day of the long file is kept, none is dropped at row 32000.
    const auto many = Etp({dir.file("many.txt"), "--lat", "45", "--method", "PotRad", "-o", dir.file("many.out")});
    EXPECT_EQ(many.status, 0);
    const std::string saved = ReadFile(dir.file("many.out"));
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 100001);
    EXPECT_EQ(Field(saved, 100000, 9), "10.75"); // Ra on 1 January at 45°N
}

// A real station: Holyoke, Colorado, 2020. The operator's own ASCE short-reference
// total for the year is 1371.7 mm; the FAO-56 grass reference lands within 3 %.
TEST(RunBatch, RealStationMatchesThePublishedReferenceTotal)
{
    const auto input = SharedData() / "stations" / "coagmet_holyoke_hyk02_2020.txt";
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

TEST(SampleStation, GeneratorWritesTheBundledFileAgain)
{
    TempDir dir;
    const auto path = dir.file("station.txt");
    ASSERT_EQ(std::system((std::string(ETP_MAKE_SAMPLE) + " " + path).c_str()), 0);
    EXPECT_EQ(ReadFile(path), ReadFile(ETP_SOURCE_DIR "/samples/station.txt"));
}

} // namespace etp
