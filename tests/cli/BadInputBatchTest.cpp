// Files and options found in the wild, through the batch tool: each ends with exit 0 or
// with exit 1 (2 for a wrong command line) and a message, never with a crash, a hang or
// a half-written output. The atomic replacement of an output under a failing write is
// proved in tests/base/AtomicFileTest.cpp and tests/workbench/ModelFileCommandsTest.cpp.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <functional>

#include "cli/BatchRun.h"
#include "support/SheetBuilder.h"
#include "support/TempDir.h"

namespace etp {

namespace {

using testing::Etp;
using testing::Field;
using testing::ReadFile;
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
    std::string result;  // field 10 of the first day in the output ("" when not checked)
};

const std::vector<std::string> kPenMon = {"--lat", "45", "--method", "PenMon"};
const std::vector<std::string> kPotRad = {"--lat", "45", "--method", "PotRad"};
std::vector<std::string> At45(std::vector<std::string> more)
{
    more.insert(more.begin(), {"--lat", "45"});
    return more;
}
const std::string kNoVariables = "Problems in defining metereological variables";
const std::string kPolar = "Arithmetic error in row 2, method PenMon: ArcCos: argument not inside -1..1";
const std::string kNotADate = "The date in row 2 is not a date: ";

const std::vector<Row> kRows = {
    {"empty file", [] { return ""s; }, kPenMon, 1, kNoVariables + "\n", ""},
    {"only titles", [] { return kTitles; }, kPenMon, 0, "", ""},
    {"binary garbage", Binary, kPenMon, 1, kNoVariables, ""},
    {"NUL in the titles", [] { return "DA\0TE\tTMIN\r\n20/06/95\t1\r\n"s; }, kPenMon, 1, kNoVariables, ""},
    {"NUL in a number", [] { return kTitles + "21/06/95\t12\0\t28\t40\t90\t22\t2\t10\t0\r\n"s; }, kPenMon, 0, "", "3.15"},
    {"invalid UTF-8 in the titles",
     [] { return "DATE\xff\tTMIN\xc3\tTMAX\tRHMIN\tRHMAX\tRAD\tWIND\tELIOF\tRAIN\r\n" + Day("21/06/95"); }, kPenMon, 0, "",
     "3.15"},
    {"CR line ends", [] { return std::string(testing::kStationTitles) + "\r21/06/95\t12\t28\t40\t90\t22\t2\t10\t0\r"; },
     kPenMon, 0, "", "3.15"},
    // A lone LF stays inside its line: the whole file is one row of titles.
    {"LF line ends", [] { return std::string(testing::kStationTitles) + "\n21/06/95\t12\t28\t40\t90\t22\t2\t10\t0\n"; },
     kPenMon, 0, "", ""},
    {"mixed line ends", [] { return kTitles + "20/06/95\t12\t28\t40\t90\t22\t2\t10\t0\r" + Day("21/06/95"); }, kPenMon, 0,
     "", "3.15"},
    {"50 MB of one long word a line", [] { return kTitles + Repeat(std::string(1023, 'x') + "\r\n", 50 << 10); },
     kPenMon, 1, kNotADate + "\"xxx", ""},
    {"1,000,000 lines", [] { return kTitles + Repeat("01/01/95\t1\r\n", 1000000); }, kPotRad, 0, "", "10.75"},
    {"10,000 fields in a line",
     [] { return kTitles + "21/06/95\t12\t28\t40\t90\t22\t2\t10\t0" + Repeat("\t5", 10000) + "\r\n"; }, kPenMon, 0,
     "9909 fields beyond column 100 in 1 lines were not imported.", "3.15"},
    {"TMIN 1e308", WithTmin("1e308"), kPenMon, 1, "Arithmetic error in row 2: overflow in T min", ""},
    // Texts are read as far as they are a number: "NaN", "inf" and "-0" are 0, "1,5" is 1,
    // "  12" is 12 (3.15 mm with TMIN 12, 3.66 with 0, 3.62 with 1).
    {"TMIN -0", WithTmin("-0"), kPenMon, 0, "", "3.66"},
    {"TMIN NaN", WithTmin("NaN"), kPenMon, 0, "", "3.66"},
    {"TMIN inf", WithTmin("inf"), kPenMon, 0, "", "3.66"},
    {"TMIN 1,5", WithTmin("1,5"), kPenMon, 0, "", "3.62"},
    {"TMIN with leading blanks", WithTmin("  12"), kPenMon, 0, "", "3.15"},
    {"TMIN -237.3", WithTmin("-237.3"), kPenMon, 1,
     "Arithmetic error in row 2, method PenMon: overflow in SaturationVapourPressure", ""},
    {"date 31/02/95", [] { return kTitles + Day("31/02/95"); }, kPenMon, 1, kNotADate + "\"31/02/95\"\n", ""},
    {"date 00/00/00", [] { return kTitles + Day("00/00/00"); }, kPenMon, 1, kNotADate + "\"00/00/00\"\n", ""},
    {"date 99/99/99", [] { return kTitles + Day("99/99/99"); }, kPenMon, 1, kNotADate + "\"99/99/99\"\n", ""},
    {"date 1/1/95", [] { return kTitles + Day("1/1/95"); }, kPotRad, 0, "", "10.75"},
    {"empty date", [] { return kTitles + Day(""); }, kPenMon, 0, "", ""},
    {"latitude abc", Worked, {"--lat", "abc", "--method", "PenMon"}, 2, "etp: --lat takes a number: \"abc\"", ""},
    {"altitude 120m", Worked, At45({"--alt", "120m", "--method", "PenMon"}), 2, "etp: --alt takes a number: \"120m\"", ""},
    {"wind height 1e999", Worked, At45({"--wind-height", "1e999", "--method", "PenMon"}), 2,
     "etp: --wind-height takes a number: \"1e999\"", ""},
    {"latitude 90", Worked, {"--lat", "90", "--method", "PenMon"}, 1, kPolar, ""},
    {"latitude -90", Worked, {"--lat", "-90", "--method", "PenMon"}, 1, kPolar, ""},
    {"latitude 66.6 at the solstice", Worked, {"--lat", "66.6", "--method", "PenMon"}, 1, kPolar, ""},
    {"latitude 66 at the solstice", Worked, {"--lat", "66", "--method", "PotRad"}, 0, "", "41.56"},
    {"wind height 0", Worked, At45({"--wind-height", "0", "--method", "PenMon"}), 1,
     "Arithmetic error in row 2: logarithm of a number not above 0 in WindAt2m", ""},
    {"wind height 0.0947", Worked, At45({"--wind-height", "0.0947", "--method", "PenMon"}), 0, "", "10.87"},
    {"wind height 1", Worked, At45({"--wind-height", "1", "--method", "PenMon"}), 0, "", "3.37"},
    {"Hargreaves abc", Worked, At45({"--hargreaves", "abc", "--method", "Hargr."}), 2,
     "etp: --hargreaves takes three numbers A,B,C: \"abc\"", ""},
    {"Hargreaves 1e308", Worked, At45({"--hargreaves", "1e308,1e308,1e308", "--method", "Hargr."}), 1,
     "Arithmetic error in row 2, method Hargr.: overflow in Hargreaves", ""},
    {"turned: day 32/13", Worked, At45({"--turned", "32/13,30/08,15,50,50,4"}), 2,
     "etp: --turned: Starting date must be a day and month written dd/mm", ""},
    {"turned: frequency 0", Worked, At45({"--turned", "01/07,30/08,0,50,50,4"}), 2,
     "etp: --turned: Frequency (d) must be a whole number from 1 to 100: \"0\"", ""},
    {"turned: amount 1e308", Worked, At45({"--turned", "01/07,30/08,15,1e308,50,4"}), 2,
     "etp: --turned: Amount each (mm) must be a number not below 0", ""},
    {"turned: days 99999999999", Worked, At45({"--turned", "01/07,30/08,15,50,50,99999999999"}), 2,
     "etp: --turned: in \"n\" days before application", ""},
    {"on demand: limit -50", Worked, At45({"--method", "PenMon", "--on-demand", "PenMon,06/06,09/09,-50,75"}), 2,
     "etp: --on-demand: ETP-rain  limit (mm) must be a number not below 0: \"-50\"", ""},
    {"on demand: restoring 1e308", Worked, At45({"--method", "PenMon", "--on-demand", "PenMon,06/06,09/09,50,1e308"}), 2,
     "etp: --on-demand: Restoring (%) must be a number from 0 to 100", ""},
    {"on demand: day 31/02", Worked, At45({"--method", "PenMon", "--on-demand", "PenMon,31/02,09/09,50,75"}), 2,
     "etp: --on-demand: Starting date must be a day and month written dd/mm", ""},
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
    EXPECT_EQ(std::filesystem::exists(output), run.status == 0);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), run.status == 0 ? 2 : 1);
    if (!row.result.empty()) {
        EXPECT_EQ(Field(ReadFile(output), 1, 9), row.result);
    }
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
