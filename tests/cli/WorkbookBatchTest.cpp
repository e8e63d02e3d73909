// etp reading the second sheet of a workbook computes what the same data give from text.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/RunBatch.h"
#include "support/TempDir.h"

namespace etp {

namespace {

using testing::ReadFile;
using testing::TempDir;

int Etp(std::vector<std::string> args, std::string& err)
{
    args.insert(args.begin(), "etp");
    std::ostringstream out, errors;
    const int status = RunBatch(args, out, errors);
    err = errors.str();
    return status;
}

} // namespace

TEST(WorkbookBatch, SecondSheetComputesAsItsTextTwin)
{
    const TempDir dir;
    const std::vector<std::string> compute = {"--lat", "44.83", "--alt", "10", "--method", "PenMon", "--method",
                                              "Hargr.", "--method", "PotRad", "--method", "Turc"};
    auto workbook = std::vector<std::string>{ETP_TEST_DATA_DIR "/xls/weather.xls", "--sheet", "2"};
    workbook.insert(workbook.end(), compute.begin(), compute.end());
    workbook.insert(workbook.end(), {"-o", dir.file("from-workbook.txt")});
    auto text = std::vector<std::string>{ETP_TEST_DATA_DIR "/xls/weather-sheet2.txt"};
    text.insert(text.end(), compute.begin(), compute.end());
    text.insert(text.end(), {"-o", dir.file("from-text.txt")});

    std::string err;
    ASSERT_EQ(Etp(workbook, err), 0) << err;
    EXPECT_EQ(err, "Import complete.\n");
    ASSERT_EQ(Etp(text, err), 0) << err;

    // The saved sheets, every cell of the inputs and of the four result columns.
    const std::string fromWorkbook = ReadFile(dir.file("from-workbook.txt"));
    EXPECT_EQ(fromWorkbook, ReadFile(dir.file("from-text.txt")));
    EXPECT_EQ(fromWorkbook.substr(0, fromWorkbook.find("\r\n")),
              "DATE\tTMIN\tTMAX\tRHMIN\tRHMAX\tRAD\tWIND\tELIOF\tRAIN\tPenMon\tHargr.\tTurc\tPotRad");
    EXPECT_EQ(std::count(fromWorkbook.begin(), fromWorkbook.end(), '\n'), 366);
}

TEST(WorkbookBatch, SheetOptionPastTheLastOrNoNumber)
{
    std::string err;
    EXPECT_EQ(Etp({ETP_TEST_DATA_DIR "/xls/weather.xls", "--sheet", "9"}, err), 1);
    EXPECT_EQ(err, "Import did not succeed.\n");
    EXPECT_EQ(Etp({ETP_TEST_DATA_DIR "/xls/weather.xls", "--sheet", "second"}, err), 1);
    EXPECT_NE(err.find("is not a number: \"second\""), std::string::npos) << err;
}

} // namespace etp
