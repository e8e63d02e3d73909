// etp's crop water balance options: what they write, what they print, what they refuse.
// The balance's numbers are proved by tests/irrigation; here the options reach it.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/BatchRun.h"
#include "support/TempDir.h"

namespace etp {

namespace {

using testing::Etp;
using testing::ReadFile;
using testing::TempDir;

const std::string kSample = std::string(ETP_SOURCE_DIR) + "/samples/station.txt";

std::vector<std::string> CropArgs(const std::string& crop, std::vector<std::string> more)
{
    std::vector<std::string> args = {kSample, "--lat", "44.5", "--alt", "120", "--method", "PenMon", "--crop", crop};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

} // namespace

// Maize on the sample's 2019, watered automatically at RAW with 80 % efficiency: the
// table and the summary in their layouts, each watering on standard output, and with
// --crop-into-rain the gross depth in the rain column of the sheet written by -o.
TEST(CropBatch, SeasonOnTheSample)
{
    TempDir dir;
    const auto crop = dir.write("maize.txt", "crop = maize\nsoil = sandy loam\nplanting = 20/04/2019\n");
    const auto run = Etp(CropArgs(crop, {"--crop-auto", "raw", "--crop-efficiency", "80", "--crop-out", dir.file("daily.txt"),
                                    "--crop-summary", dir.file("season.txt"), "--crop-into-rain", "-o",
                                    dir.file("sheet.txt")}));
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string table = ReadFile(dir.file("daily.txt"));
    EXPECT_TRUE(table.starts_with("Date\tETref\tKc\tETc\tKs\tETa\tRain\tRunoff\tIrrigation\tDP\tZr\tTAW\tRAW\tDr\n"
                                  "20/04/19\t"))
        << table.substr(0, 200);
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 151); // the title and 150 days
    const std::string summary = ReadFile(dir.file("season.txt"));
    std::vector<std::string> names;
    for (std::size_t start = 0; start < summary.size(); start = summary.find('\n', start) + 1)
        names.push_back(summary.substr(start, summary.find('\t', start) - start));
    EXPECT_EQ(names, (std::vector<std::string>{"ETref", "ETc", "ETa", "Rain", "Runoff", "Irrigation", "DP", "Dr_start",
                                               "Dr_end", "Stress_days"}));
    EXPECT_NE(summary.find("\nStress_days\t0\n"), std::string::npos) << summary;
    ASSERT_TRUE(run.out.starts_with("crop irrigation: ")) << run.out;
    // The first watering's date and depth, and the rain column of that day in the sheet.
    const std::string date = run.out.substr(17, 8);
    const double gross = std::stod(run.out.substr(26));
    const std::string sheet = ReadFile(dir.file("sheet.txt"));
    const auto line = sheet.find("\n" + date + "\t");
    ASSERT_NE(line, std::string::npos) << date;
    const std::string row = sheet.substr(line + 1, sheet.find('\n', line + 1) - line - 1);
    const std::string original = ReadFile(kSample);
    const auto before = original.find("\n" + date + "\t");
    const std::string sampleRow = original.substr(before + 1, original.find('\n', before + 1) - before - 1);
    const auto field = [](const std::string& text, int n) {
        std::size_t start = 0;
        for (int k = 0; k < n; ++k) start = text.find('\t', start) + 1;
        return std::stod(text.substr(start, text.find('\t', start) - start));
    };
    EXPECT_NEAR(field(row, 8), field(sampleRow, 8) + gross, 1e-9) << row;
}

// Usage errors name their option and exit 2 before anything is read.
TEST(CropBatch, UsageErrors)
{
    TempDir dir;
    const std::vector<std::vector<std::string>> cases = {
        {"--crop-auto", "raw"},
        {"--crop", "c.txt", "--crop-auto", "1.5"},
        {"--crop", "c.txt", "--crop-auto", "often"},
        {"--crop", "c.txt", "--crop-et", "Penman"},
        {"--crop", "c.txt", "--crop-depth", "30"},
        {"--crop", "c.txt", "--crop-auto", "raw", "--crop-depth", "-3"},
        {"--crop", "c.txt", "--crop-efficiency", "120"}};
    for (const auto& options : cases) {
        std::vector<std::string> args = {dir.file("missing.txt"), "--crop-out", dir.file("t.txt")};
        args.insert(args.end(), options.begin(), options.end());
        const auto run = Etp(args);
        EXPECT_EQ(run.status, 2) << options.back();
        EXPECT_NE(run.err.find(options[options.size() - 2]), std::string::npos) << run.err;
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

// A bad description, an irrigation outside the season or a planting date beyond the
// series: a message naming the file and line or the date, status 1, nothing written.
TEST(CropBatch, BadInputsWriteNothing)
{
    TempDir dir;
    const auto bad = dir.write("bad.txt", "crop = maize\nsoil = loam\nplanting = 20/04/2019\ntheta_wp = 0.4\n");
    const auto late = dir.write("late.txt", "crop = maize\nsoil = loam\nplanting = 01/10/2020\n");
    const auto good = dir.write("good.txt", "crop = maize\nsoil = loam\nplanting = 20/04/2019\n");
    const auto water = dir.write("water.txt", "20/04/2019\t30\n01/12/2019\t30\n");
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {CropArgs(bad, {}), bad + ": line 4: theta_wp must be below theta_fc (0.25): \"0.4\""},
        {CropArgs(late, {}), "The season ends on 27/02/2021, after the last day of the series, 31/12/20"},
        {CropArgs(good, {"--crop-irrigation", water}),
         water + ": line 2: 01/12/2019 is outside the season, 20/04/2019 to 16/09/2019"},
        {CropArgs(dir.file("none.txt"), {}), "The file " + dir.file("none.txt") + " cannot be read"}};
    for (auto [args, message] : cases) {
        args.insert(args.end(), {"--crop-out", dir.file("t.txt"), "--crop-summary", dir.file("s.txt"), "-o",
                                 dir.file("o.txt")});
        const auto run = Etp(args);
        EXPECT_EQ(run.status, 1) << message;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir.file("t.txt")));
        EXPECT_FALSE(std::filesystem::exists(dir.file("o.txt")));
    }
}

// The station table's crop column: each station with a crop file gets its balance, written
// as NAME.crop.txt and NAME.crop-summary.txt; a crop file that is not there is named.
TEST(CropBatch, StationTableCropColumn)
{
    TempDir dir;
    dir.write("maize.txt", "crop = maize\nsoil = loam\nplanting = 20/04/2019\n");
    const auto table = dir.write("stations.txt", "file\tname\tlat\talt\twind_height\tcrop\n" + kSample +
                                                     "\tnorth\t44.5\t120\t2\tmaize.txt\n" + kSample +
                                                     "\tsouth\t40\t10\t2\t\n");
    const auto run = Etp({"--stations", table, "--out-dir", dir.file("out"), "--method", "PenMon", "--jobs", "1"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(ReadFile(dir.file("out/north.crop.txt")).starts_with("Date\tETref\tKc\t"));
    EXPECT_TRUE(ReadFile(dir.file("out/north.crop-summary.txt")).starts_with("ETref\t"));
    EXPECT_FALSE(std::filesystem::exists(dir.file("out/south.crop.txt")));
    const auto missing = dir.write("missing.txt", "file\tlat\talt\twind_height\tcrop\n" + kSample + "\t44.5\t120\t2\tnone.txt\n");
    const auto refused = Etp({"--stations", missing, "--out-dir", dir.file("out2"), "--method", "PenMon"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("missing.txt line 2: the crop file \"none.txt\" is not a file"), std::string::npos)
        << refused.err;
}

} // namespace etp
