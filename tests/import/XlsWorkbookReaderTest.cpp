#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "import/TextImport.h"
#include "import/WorkbookReader.h"
#include "support/TempDir.h"
#include "support/WorkbookImport.h"

namespace etp {

namespace {

using testing::ReadFile;
using testing::TempDir;

// Made by a spreadsheet program; see tests/data/xls/README.md.
const std::string kWeather = ETP_TEST_DATA_DIR "/xls/weather.xls";
const std::string kDates1904 = ETP_TEST_DATA_DIR "/xls/dates1904.xls";
// Real workbooks of public spreadsheet test corpora; present where CI has them.
const std::string kShared = ETP_SHARED_DATA_DIR "/xls/";

using Sheet = testing::ImportedSheet;
using testing::Cells;

// The sheet names, then sheet `index`, as the import command reads them.
Sheet Import(const std::string& path, int index = 0) { return testing::ImportSheet(*MakeXlsWorkbookReader(), path, index); }

bool StartsWith(const std::string& text, const std::string& start) { return text.substr(0, start.size()) == start; }

} // namespace

// A workbook in its compound file: hidden and Unicode sheet names in workbook order; the
// station sheet's dates are a first date and then formulas =A2+1, its TMAX column
// formulas =B2+span, and it reads as the text file beside it. Columns beyond 100 are
// dropped and counted; a workbook of the 1904 date system counts from its first day.
TEST(XlsWorkbookReader, NamesStationSheetWideSheetAnd1904Dates)
{
    const Sheet station = Import(kWeather, 1);
    ASSERT_TRUE(station.ok) << station.failure;
    EXPECT_EQ(station.names, (std::vector<std::string>{"Notes", "Ferrara 1995", "Hidden Ω", "Stazione Ø ∂", "Wide", "Chart"}));
    MeteoSheet twin;
    ReadTextLines(twin, ReadFile(ETP_TEST_DATA_DIR "/xls/weather-sheet2.txt"));
    EXPECT_EQ(Cells(station.cells), Cells(twin));
    EXPECT_EQ(station.cells.cellText(366, 1), "31/12/95");
    const Sheet wide = Import(kWeather, 4);
    EXPECT_EQ(wide.dropped, 20);
    EXPECT_EQ(wide.cells.cellText(1, 100), "100");
    EXPECT_EQ(Cells(Import(kWeather, 5).cells), "TMIN of January\n"); // and nothing of its chart
    EXPECT_EQ(Cells(Import(kDates1904).cells), "DATE\tSERIAL\n01/01/00\t35064\n01/01/04\t0\n");
}

TEST(XlsWorkbookReader, ThirtyThreeThousandDays)
{
    if (!std::filesystem::exists(ETP_STATION33K_XLS)) GTEST_SKIP() << "no " ETP_STATION33K_XLS;
    const Sheet sheet = Import(ETP_STATION33K_XLS, 0);
    EXPECT_EQ(sheet.cells.rowCount(), 33001) << sheet.failure;
    EXPECT_EQ(testing::RowText(sheet.cells, 2), "01/01/30\t-0.8\t6.3\t45\t85\t5.25\t2\t2.1\t3.5");
    EXPECT_EQ(testing::RowText(sheet.cells, 33001), "07/05/20\t12.8\t24.5\t64\t99\t22.68\t5\t8.7\t0");
}

TEST(XlsWorkbookReader, FilesThatAreNoWorkbooks)
{
    const TempDir dir;
    const std::pair<std::string, const char*> cases[] = {
        {dir.write("text.xls", "DATE\tTMIN\r\n01/01/95\t3\r\n"), "it is neither a compound file nor a BIFF stream"},
        {dir.write("empty.xls", ""), "it is too short for a workbook"},
        {dir.write("header.xls", ReadFile(kWeather).substr(0, 512)), "its compound file is damaged"},
        {dir.file("missing.xls"), "it is not a file"},
    };
    for (const auto& [path, reason] : cases) {
        const auto reader = MakeXlsWorkbookReader();
        EXPECT_FALSE(reader->isWorkbook(path)) << path;
        EXPECT_TRUE(StartsWith(reader->failure(), reason)) << path << ": " << reader->failure();
    }
}

// The list and the import that follow a workbook test reuse what it read, but only for
// the same file. There is no sheet past the last or before the first.
TEST(XlsWorkbookReader, ListAndImportFollowTheFileTheyAreGiven)
{
    for (const int index : {6, -1}) EXPECT_FALSE(Import(kWeather, index).ok) << index;
    const auto reader = MakeXlsWorkbookReader();
    ASSERT_TRUE(reader->isWorkbook(kWeather));
    EXPECT_EQ(reader->sheetNames(kDates1904), std::vector<std::string>{"1904"});
    MeteoSheet sheet;
    ASSERT_TRUE(reader->importSheet(kWeather, 0, sheet));
    EXPECT_EQ(sheet.cellText(1, 2), "Ferrara");
}

// A copy cut anywhere is refused, or (cut where the file holds nothing the workbook
// needs) reads exactly as the whole file does. (fuzz/XlsFuzz.cpp feeds damaged bytes.)
TEST(XlsWorkbookReader, TruncatedCopiesAreRefusedOrReadWhole)
{
    const std::string bytes = ReadFile(kWeather);
    std::vector<std::string> whole;
    for (int i = 0; i < 6; ++i) whole.push_back(Cells(Import(kWeather, i).cells));
    const TempDir dir;
    int refused = 0;
    for (std::size_t length = 0; length < bytes.size(); length += 509) {
        const std::string path = dir.write("cut.xls", bytes.substr(0, length));
        const auto reader = MakeXlsWorkbookReader();
        refused += !reader->isWorkbook(path);
        for (int i = 0; i < 6; ++i) {
            MeteoSheet sheet;
            if (!reader->importSheet(path, i, sheet)) continue;
            EXPECT_EQ(Cells(sheet), whole[static_cast<std::size_t>(i)]) << length;
        }
    }
    EXPECT_GT(refused, 100);
}

// Every workbook of the shared corpus imports every sheet or is refused by the workbook
// test, and those a sound reader must refuse are; a few texts and names as a spreadsheet
// shows them; chart sheets are not offered.
TEST(XlsWorkbookReader, SharedCorpus)
{
    if (!std::filesystem::is_directory(kShared)) GTEST_SKIP() << "no " << kShared;
    const std::pair<std::string, const char*> refusals[] = {
        {"poi_password.xls", "it is protected by a password"},
        {"poi_xor-encryption-abc.xls", "it is protected by a password"},
        {"poi_clusterfuzz-6537773940867072.xls", "its compound file is damaged"},
        {"bad_crash_mutated_types.xls", "its sheet \"guess_me\" is damaged or cut short"},
    };
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kShared)) {
        if (entry.path().extension() != ".xls") continue;
        ++files;
        const std::string path = entry.path().string(), name = entry.path().filename().string();
        const auto reader = MakeXlsWorkbookReader();
        const auto refusal = std::find_if(std::begin(refusals), std::end(refusals), [&](const auto& r) { return name == r.first; });
        if (refusal != std::end(refusals)) {
            EXPECT_FALSE(reader->isWorkbook(path)) << name;
            EXPECT_TRUE(StartsWith(reader->failure(), refusal->second)) << name << ": " << reader->failure();
            continue;
        }
        ASSERT_TRUE(reader->isWorkbook(path)) << name << ": " << reader->failure();
        const auto names = reader->sheetNames(path);
        ASSERT_TRUE(names && !names->empty()) << name;
        for (int i = 0; i < static_cast<int>(names->size()); ++i) {
            MeteoSheet sheet;
            EXPECT_TRUE(reader->importSheet(path, i, sheet)) << name << " sheet " << i + 1 << ": " << reader->failure();
        }
    }
    EXPECT_GE(files, 20);

    const Sheet biff2 = Import(kShared + "freexl_simple2003_21.xls");
    EXPECT_EQ(testing::RowText(biff2.cells, 4, 2, 4), "-56.3089\t0.67\t01/10/67"); // a percent shows its value
    EXPECT_EQ(biff2.cells.cellText(2, 6), "23:34:04");
    EXPECT_EQ(Import(kShared + "poi_testEXCEL_3.xls").cells.cellText(6, 3), "376.2");        // BIFF3
    EXPECT_EQ(Import(kShared + "xlrd_biff4_no_format_no_window2.xls").cells.cellText(2, 2), "DOG & CAT PRODUCTS");
    EXPECT_EQ(Import(kShared + "libxls_types.xls", 2).cells.cellText(11, 2), "26/02/16");        // 1904 dates
    EXPECT_EQ(Import(kShared + "poi_57925.xls").names, (std::vector<std::string>{"Доходы", "Расходы", "Дефициты"}));
    EXPECT_EQ(Import(kShared + "poi_12843-1.xls").names.size(), 23u); // and 17 chart sheets
}

} // namespace etp
