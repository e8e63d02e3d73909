// The model files through the batch tool: which option writes which file from which
// column, in which order, and where a message ends the run. The layouts are proved in
// tests/models, the save commands in tests/workbench/ModelFileCommandsTest.cpp.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "cli/BatchRun.h"
#include "models/ModelSheets.h"

namespace etp {

namespace {

using testing::Etp;
using testing::Lines;
using testing::ReadFile;
using testing::TempDir;

const std::string kStation = ETP_SOURCE_DIR "/samples/station.txt";

} // namespace

// One run writes all six files; a line of each shows the days, the column and the options
// it was made from: monthly °F and langleys from MJ; day numbers, nitrogen and 3 x rain of
// the first rainy day; 7 x the mean PenMon of week 26; 0.2 mm on 02/01/19; 5.91 mm on 30/06/19.
TEST(ModelFilesBatch, EachOptionWritesItsFile)
{
    TempDir dir;
    const auto run = Etp({kStation, "--lat", "44.5", "--alt", "120", "--wind-height", "10", "--rad-unit", "MJ m^-2",
                          "--method", "PenMon", "--creams-tr", dir.file("c.tr"), "--creams-rain", dir.file("c.rn"),
                          "--leachm-rain", dir.file("a.rn"), "--leachm-etp", dir.file("a.etp"), "--leachm-dates", "day",
                          "--leachm-n", "2,.5,-1", "--macro-rain", dir.file("m.rn"), "--macro-etp", dir.file("m.etp")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const struct {
        const char* name;
        const char* end;
        std::size_t lines, line;
        std::string text;
    } files[] = {
        {"c.tr", "\r\r\n", 9, 0, "   32.70   40.00   43.50   53.00   64.50   69.20   72.80   68.70   63.80   53.40"},
        {"c.tr", "\r\r\n", 9, 4, "  138.30  225.40  332.60  381.50  455.30  551.00  510.80  397.10  327.70  247.80"},
        {"c.rn", "\r\r\n", 75, 0, std::string(12, ' ') + ".00  .01  .00  .29  .35  .44  .00  .00  .00  .22" + std::string(20, ' ')},
        {"a.rn", "\r\n", 296, 0, "     2        0.2       .2       .6     2      0.5     -1           "},
        {"a.etp", "\r\n", 106, 25, " 26     31.8    0     19.4      11.3"},
        {"m.rn", "\r\n", 732, 1, "'190102'     .2    "},
        {"m.etp", "\r\n", 732, 180, "'190630'    5.9    "},
    };
    for (const auto& file : files) {
        const auto lines = Lines(ReadFile(dir.file(file.name)), file.end);
        EXPECT_EQ(lines.size(), file.lines) << file.name;
        ASSERT_GT(lines.size(), file.line) << file.name;
        EXPECT_EQ(lines[file.line], file.text) << file.name;
    }
}

// An ET file needs an ET column: the files before the message stay, none after it is
// written, nor the sheet; --macro-et reads the column of its label.
TEST(ModelFilesBatch, EtFilesWithoutTheirColumnEndTheRun)
{
    TempDir dir;
    const char* const kFiles[] = {"a.rn", "a.etp", "m.rn", "m.etp", "out.txt"};
    const struct {
        std::vector<std::string> args;
        int status;
        std::string err;
        std::vector<std::string> written;
    } cases[] = {
        {{"--leachm-rain", dir.file("a.rn"), "--macro-rain", dir.file("m.rn")}, 0, "", {"a.rn", "m.rn", "out.txt"}},
        {{"--leachm-rain", dir.file("a.rn"), "--leachm-etp", dir.file("a.etp"), "--macro-rain", dir.file("m.rn")}, 1,
         "You dont have computed the ETP!!\n", {"a.rn"}},
        {{"--method", "P-T", "--macro-etp", dir.file("m.etp"), "--macro-et", "PenMon"}, 1,
         "You dont have computed the ETP!!\n", {}},
        {{"--method", "P-T", "--method", "PenMon", "--macro-etp", dir.file("m.etp"), "--macro-et", "P-T", "--leachm-etp",
          dir.file("a.etp")}, 0, "", {"a.etp", "m.etp", "out.txt"}},
    };
    for (const auto& [args, status, err, written] : cases) {
        for (const char* name : kFiles) std::filesystem::remove(dir.file(name));
        std::vector<std::string> all = {kStation, "--lat", "44.5", "--alt", "120", "-o", dir.file("out.txt")};
        all.insert(all.end(), args.begin(), args.end());
        const auto run = Etp(all);
        EXPECT_EQ(run.status, status) << args[0];
        EXPECT_EQ(run.err, err) << args[0];
        for (const char* name : kFiles)
            EXPECT_EQ(std::filesystem::exists(dir.file(name)), std::count(written.begin(), written.end(), name) == 1)
                << args[0] << ": " << name;
    }
    // The last case read P-T (5.4 mm on 30 June), not PenMon (6.31 mm).
    EXPECT_EQ(Lines(ReadFile(dir.file("m.etp")), "\r\n")[180], "'190630'    5.4    ");
}

} // namespace etp
