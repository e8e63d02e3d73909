// Files and options found in the wild, through the batch tool: each ends with exit 0 or
// with exit 1 (2 for a wrong command line) and a message, never with a crash, a hang or
// a half-written output. How each text is read as a number or a date, and what each
// method computes, is proved in tests/sheet and tests/et; an output under a failing
// write, in tests/base/AtomicFileTest.cpp.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>

#include "cli/BatchRun.h"
#include "support/SheetBuilder.h"
#include "support/TempDir.h"

namespace etp {

namespace {

using testing::Etp;
using testing::TempDir;
using namespace std::string_literals;

const std::string kTitles = std::string(testing::kStationTitles) + "\r\n";

// One day of the worked station (21 June), DATE replaced.
std::string Day(const std::string& date) { return date + "\t12\t28\t40\t90\t22\t2\t10\t0\r\n"; }
std::string Worked() { return kTitles + Day("21/06/95"); }
// The worked day with TMIN replaced.
std::function<std::string()> WithTmin(const std::string& tmin)
{
    return [tmin] { return kTitles + "21/06/95\t" + tmin + "\t28\t40\t90\t22\t2\t10\t0\r\n"; };
}
std::string Repeat(const std::string& piece, int times)
{
    std::string text;
    text.reserve(piece.size() * static_cast<size_t>(times));
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}
std::string Binary()
{
    std::string bytes;
    for (int i = 0; i < 65536; ++i) bytes += static_cast<char>((i * 7919 + i / 251) % 256);
    return bytes;
}

struct Row {
    const char* name;
    std::function<std::string()> input;
    std::vector<std::string> options; // before "-o OUTPUT"
    int status;
    std::string message; // the start of stderr; "" for none at all
};

const std::vector<std::string> kPenMon = {"--lat", "45", "--method", "PenMon"};
std::vector<std::string> At45(std::vector<std::string> more)
{
    more.insert(more.begin(), {"--lat", "45"});
    return more;
}
const std::string kNoVariables = "Problems in defining metereological variables";
const std::string kNotADate = "The date in row 2 is not a date: ";

const std::vector<Row> kRows = {
    {"empty file", [] { return ""s; }, kPenMon, 1, kNoVariables + "\n"},
    {"only titles", [] { return kTitles; }, kPenMon, 0, ""},
    {"binary garbage", Binary, kPenMon, 1, kNoVariables},
    {"50 MB of one long word a line", [] { return kTitles + Repeat(std::string(1023, 'x') + "\r\n", 50 << 10); },
     kPenMon, 1, kNotADate + "\"xxx"},
    {"10,000 fields in a line",
     [] { return kTitles + "21/06/95\t12\t28\t40\t90\t22\t2\t10\t0" + Repeat("\t5", 10000) + "\r\n"; }, kPenMon, 0,
     "9909 fields beyond column 100 in 1 lines were not imported."},
    {"TMIN 1e308", WithTmin("1e308"), kPenMon, 1, "Arithmetic error in row 2: overflow in T min"},
    {"TMIN -237.3", WithTmin("-237.3"), kPenMon, 1,
     "Arithmetic error in row 2, method PenMon: overflow in SaturationVapourPressure"},
    {"date 31/02/95", [] { return kTitles + Day("31/02/95"); }, kPenMon, 1, kNotADate + "\"31/02/95\"\n"},
    {"empty date", [] { return kTitles + Day(""); }, kPenMon, 0, ""},
    {"latitude abc", Worked, {"--lat", "abc", "--method", "PenMon"}, 2, "etp: --lat takes a number: \"abc\""},
    {"altitude 120m", Worked, At45({"--alt", "120m", "--method", "PenMon"}), 2, "etp: --alt takes a number: \"120m\""},
    {"wind height 1e999", Worked, At45({"--wind-height", "1e999", "--method", "PenMon"}), 2,
     "etp: --wind-height takes a number: \"1e999\""},
    {"wind height 0", Worked, At45({"--wind-height", "0", "--method", "PenMon"}), 1,
     "Arithmetic error in row 2: logarithm of a number not above 0 in WindAt2m"},
    {"Hargreaves abc", Worked, At45({"--hargreaves", "abc", "--method", "Hargr."}), 2,
     "etp: --hargreaves takes three numbers A,B,C: \"abc\""},
    {"turned: frequency 0", Worked, At45({"--turned", "01/07,30/08,0,50,50,4"}), 2,
     "etp: --turned: Frequency (d) must be a whole number from 1 to 100: \"0\""},
    {"on demand: limit -50", Worked, At45({"--method", "PenMon", "--on-demand", "PenMon,06/06,09/09,-50,75"}), 2,
     "etp: --on-demand: ETP-rain  limit (mm) must be a number not below 0: \"-50\""},
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

class BadInput : public ::testing::TestWithParam<Row> {};

TEST_P(BadInput, EndsWithTheStatusAndMessage)
{
    const Row& row = GetParam();
    TempDir dir;
    const auto output = dir.file("out.txt");
    std::vector<std::string> args = {dir.write("in.txt", row.input())};
    args.insert(args.end(), row.options.begin(), row.options.end());
    args.insert(args.end(), {"-o", output});
    const auto run = Etp(args);
    EXPECT_EQ(run.status, row.status) << run.err.substr(0, 300);
    if (row.message.empty()) EXPECT_EQ(run.err, "");
    else EXPECT_EQ(run.err.rfind(row.message, 0), 0u) << run.err.substr(0, 300);
    // Only a run that ends well writes; nothing but the output is left in the folder.
    const std::vector<std::string> left = run.status == 0 ? std::vector<std::string>{"in.txt", "out.txt"}
                                                          : std::vector<std::string>{"in.txt"};
    EXPECT_EQ(dir.names(), left);
}

INSTANTIATE_TEST_SUITE_P(Table, BadInput, ::testing::ValuesIn(kRows), [](const auto& test) {
    std::string name;
    for (const char c : std::string(test.param.name)) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
});

// How a write fails is WriteFileAtomically's business; the batch run names the file and
// the reason, and ends with status 1.
TEST(BadOutput, APathThatCannotBeWrittenEndsWithAMessage)
{
    TempDir dir;
    const auto input = dir.write("in.txt", Worked());
    const auto output = dir.file("missing/out.txt");
    const auto run = Etp({input, "--lat", "45", "--method", "PenMon", "-o", output});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "The file " + output + " could not be written: No such file or directory.\n");
}

} // namespace

} // namespace etp
