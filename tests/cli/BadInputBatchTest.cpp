// Files and options found in the wild, through the batch tool: each ends with exit 0 or
// with exit 1 (2 for a wrong command line) and a message, never with a crash, a hang or
// a half-written output. How each text is read as a number or a date, and what each
// method computes, is proved in tests/sheet and tests/et; an output under a failing
// write, in tests/base/AtomicFileTest.cpp.
#include <gtest/gtest.h>

#include "cli/BatchRun.h"
#include "support/SheetBuilder.h"
#include "support/TempDir.h"

namespace etp {

namespace {

using testing::Etp;
using testing::TempDir;

const std::string kTitles = std::string(testing::kStationTitles) + "\r\n";
// One day of the worked station (21 June), DATE and TMIN replaced, more fields after.
std::string Day(const std::string& date, const std::string& tmin = "12", const std::string& more = "")
{
    return kTitles + date + "\t" + tmin + "\t28\t40\t90\t22\t2\t10\t0" + more + "\r\n";
}
std::string Repeat(const std::string& piece, int times)
{
    std::string text;
    while (times-- > 0) text += piece;
    return text;
}

} // namespace

TEST(BadInput, EndsWithTheStatusAndMessage)
{
    const std::string notADate = "The date in row 2 is not a date: ";
    std::string binary;
    for (int i = 0; i < 65536; ++i) binary += static_cast<char>((i * 7919 + i / 251) % 256);
    const std::string worked = Day("21/06/95");
    const struct {
        const char* name;
        std::string input;
        std::vector<std::string> options; // then "--method PenMon -o OUTPUT"
        int status;
        std::string message; // what stderr starts with (after the folder, for a file's name); "" for none
    } rows[] = {
        {"empty file", "", {}, 1, "in.txt cannot be read: it is empty. Open a text file of days"},
        {"only titles", kTitles, {}, 0, ""},
        {"binary garbage", binary, {}, 1, "in.txt cannot be read: it is not a text file. Open"},
        {"50 MB of one long word a line", kTitles + Repeat(std::string(1023, 'x') + "\r\n", 50 << 10), {}, 1, notADate + "\"xxx"},
        {"10,000 fields in a line", Day("21/06/95", "12", Repeat("\t5", 10000)), {}, 0,
         "9909 fields beyond column 100 in 1 lines were not imported."},
        {"TMIN 1e308", Day("21/06/95", "1e308"), {}, 1, "Arithmetic error in row 2: overflow in T min"},
        {"TMIN -237.3", Day("21/06/95", "-237.3"), {}, 1,
         "Arithmetic error in row 2, method PenMon: overflow in SaturationVapourPressure"},
        {"date 31/02/95", Day("31/02/95"), {}, 1, notADate + "\"31/02/95\". Write it as day/month/year"},
        {"empty date", Day(""), {}, 0, ""},
        {"wind height 1e999", worked, {"--wind-height", "1e999"}, 2, "etp: --wind-height: \"1e999\" is not a number"},
        {"turned: frequency 0", worked, {"--turned", "01/07,30/08,0,50,50,4"}, 2,
         "etp: --turned: Frequency (d) must be a whole number from 1 to 100: \"0\""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        std::vector<std::string> args = {dir.write("in.txt", row.input), "--lat", "45"};
        args.insert(args.end(), row.options.begin(), row.options.end());
        args.insert(args.end(), {"--method", "PenMon", "-o", dir.file("out.txt")});
        const auto run = Etp(args);
        EXPECT_EQ(run.status, row.status) << run.err.substr(0, 300);
        if (row.message.empty()) EXPECT_EQ(run.err, "");
        else EXPECT_EQ(run.err.rfind(row.message.starts_with("in.txt") ? "The file " + dir.file(row.message) : row.message, 0), 0u)
            << run.err.substr(0, 300);
        // Only a run that ends well writes; nothing but the output is left in the folder.
        const std::vector<std::string> left = {"in.txt", "out.txt"};
        EXPECT_EQ(dir.names(), std::vector<std::string>(left.begin(), left.end() - (run.status == 0 ? 0 : 1)));
    }
}

// How a write fails is WriteFileAtomically's business; the batch run names the file and
// the reason, and ends with status 1.
TEST(BadOutput, APathThatCannotBeWrittenEndsWithAMessage)
{
    TempDir dir;
    const auto output = dir.file("missing/out.txt");
    const auto run = Etp({dir.write("in.txt", Day("21/06/95")), "--lat", "45", "--method", "PenMon", "-o", output});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "The file " + output + " could not be written: No such file or directory.\n");
}

} // namespace etp
