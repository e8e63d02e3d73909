#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <tuple>

#include "sheet/TextImport.h"
#include "sheet/WorkbookReader.h"
#include "support/TempDir.h"
#include "support/SheetBuilder.h"

namespace etp {

namespace {

using testing::ReadFile;
using testing::TempDir;

// Made by a spreadsheet program; see tests/data/xls/README.md.
const std::string kWeather = ETP_TEST_DATA_DIR "/xls/weather.xls";
const std::string kDates1904 = ETP_TEST_DATA_DIR "/xls/dates1904.xls";
// Real workbooks of public spreadsheet test corpora; present where CI has them.
const std::string kShared = ETP_SHARED_DATA_DIR "/xls/";

struct Sheet {
    bool ok = false;
    MeteoSheet cells;
    int dropped = 0;
    std::string failure;
};

Sheet Import(const std::string& path, int index)
{
    const auto reader = MakeXlsWorkbookReader();
    Sheet sheet;
    sheet.ok = reader->isWorkbook(path) && reader->importSheet(path, index, sheet.cells);
    sheet.dropped = reader->droppedColumns();
    sheet.failure = reader->failure();
    return sheet;
}

std::vector<std::string> Names(const std::string& path)
{
    const auto reader = MakeXlsWorkbookReader();
    if (!reader->isWorkbook(path)) return {"refused: " + reader->failure()};
    return reader->sheetNames(path).value_or(std::vector<std::string>{"no list"});
}

std::string Cells(const MeteoSheet& sheet)
{
    std::string text;
    for (int r = 1; r <= sheet.lastNonEmptyRow(); ++r) text += testing::RowText(sheet, r, 1, MeteoSheet::kMaxColumns) + "\n";
    return text;
}

} // namespace

TEST(XlsWorkbookReader, SheetNamesInWorkbookOrderHiddenAndUnicodeOnes)
{
    const std::vector<std::string> expected = {"Notes", "Ferrara 1995", "Hidden Ω", "Stazione Ø ∂", "Wide", "Chart"};
    EXPECT_EQ(Names(kWeather), expected);
}

// The station sheet's dates are a first date and then formulas =A2+1, its TMAX column
// formulas =B2+span: a spreadsheet shows the same texts as the text file beside it.
TEST(XlsWorkbookReader, StationSheetReadsAsItsTextTwin)
{
    const Sheet sheet = Import(kWeather, 1);
    ASSERT_TRUE(sheet.ok) << sheet.failure;
    MeteoSheet twin;
    ReadTextLines(twin, ReadFile(ETP_TEST_DATA_DIR "/xls/weather-sheet2.txt"));
    EXPECT_EQ(Cells(sheet.cells), Cells(twin));
    EXPECT_EQ(sheet.cells.cellText(366, 1), "31/12/95");
}

TEST(XlsWorkbookReader, EachKindOfCellAsASpreadsheetShowsIt)
{
    const Sheet sheet = Import(kWeather, 3);
    ASSERT_TRUE(sheet.ok) << sheet.failure;
    const std::tuple<int, int, const char*> cases[] = {
        {1, 40, "C40"}, {3, 2, "1"}, {3, 5, "FALSE"}, // a constant boolean is saved as a number
        {4, 3, "#N/A"}, {5, 2, "0.3"}, {5, 3, ""}, {7, 2, "0.125"}, {7, 4, "05/03/95"}, // percent, date-time
        {8, 4, "  padded  "}, {9, 3, "after two empty cells"},
    };
    for (const auto& [row, column, text] : cases)
        EXPECT_EQ(sheet.cells.cellText(row, column), text) << row << "," << column;
    EXPECT_EQ(sheet.cells.columnCount(), 40);
}

// Columns beyond 100 are dropped and counted; a chart drawn on a sheet is no part of its
// cells; a workbook of the 1904 date system counts from its first day.
TEST(XlsWorkbookReader, WideChartAnd1904Sheets)
{
    const Sheet wide = Import(kWeather, 4);
    EXPECT_EQ(wide.dropped, 20);
    EXPECT_EQ(wide.cells.cellText(1, 100), "100");
    EXPECT_EQ(Cells(Import(kWeather, 5).cells), "TMIN of January\n");
    EXPECT_EQ(Cells(Import(kDates1904, 0).cells), "DATE\tSERIAL\n01/01/00\t35064\n01/01/04\t0\n");
}

TEST(XlsWorkbookReader, ThirtyThreeThousandDays)
{
    if (!std::filesystem::exists(ETP_STATION33K_XLS)) GTEST_SKIP() << "no " ETP_STATION33K_XLS;
    EXPECT_EQ(Names(ETP_STATION33K_XLS), std::vector<std::string>{"station33k"});
    const Sheet sheet = Import(ETP_STATION33K_XLS, 0);
    ASSERT_TRUE(sheet.ok) << sheet.failure;
    EXPECT_EQ(sheet.cells.lastNonEmptyRow(), 33001);
    EXPECT_EQ(sheet.cells.rowCount(), 33001);
    EXPECT_EQ(testing::RowText(sheet.cells, 1), "DATE\tTMIN\tTMAX\tRHMIN\tRHMAX\tRAD\tWIND\tELIOF\tRAIN");
    EXPECT_EQ(testing::RowText(sheet.cells, 2), "01/01/30\t-0.8\t6.3\t45\t85\t5.25\t2\t2.1\t3.5");
    EXPECT_EQ(testing::RowText(sheet.cells, 33001), "07/05/20\t12.8\t24.5\t64\t99\t22.68\t5\t8.7\t0");
}

TEST(XlsWorkbookReader, FilesThatAreNoWorkbooks)
{
    const TempDir dir;
    std::filesystem::create_directory(dir.file("folder.xls"));
    const std::pair<std::string, const char*> cases[] = {
        {dir.write("text.xls", "DATE\tTMIN\r\n01/01/95\t3\r\n"), "it is neither a compound file nor a BIFF stream"},
        {dir.write("empty.xls", ""), "it is too short for a workbook"},
        {dir.write("header.xls", ReadFile(kWeather).substr(0, 512)), "its compound file is damaged"},
        {dir.file("folder.xls"), "it is not a file"},
        {dir.file("missing.xls"), "it is not a file"},
    };
    for (const auto& [path, reason] : cases) {
        const auto reader = MakeXlsWorkbookReader();
        MeteoSheet sheet;
        EXPECT_FALSE(reader->isWorkbook(path)) << path;
        EXPECT_EQ(reader->failure().substr(0, std::string(reason).size()), reason) << path;
        EXPECT_FALSE(reader->sheetNames(path)) << path;
        EXPECT_FALSE(reader->importSheet(path, 0, sheet)) << path;
    }
}

// The list and the import that follow a workbook test reuse what it read, but only for
// the same file. There is no sheet past the last or before the first.
TEST(XlsWorkbookReader, ListAndImportFollowTheFileTheyAreGiven)
{
    for (const int index : {6, 1000000000, -1}) {
        const Sheet sheet = Import(kWeather, index);
        EXPECT_FALSE(sheet.ok) << index;
        EXPECT_EQ(sheet.cells.lastNonEmptyRow(), 0) << index;
    }
    const auto reader = MakeXlsWorkbookReader();
    ASSERT_TRUE(reader->isWorkbook(kWeather));
    EXPECT_EQ(reader->sheetNames(kDates1904), std::vector<std::string>{"1904"});
    MeteoSheet sheet;
    ASSERT_TRUE(reader->importSheet(kWeather, 0, sheet));
    EXPECT_EQ(sheet.cellText(1, 2), "Ferrara");
}

// A copy cut anywhere is refused, or (cut where the file holds nothing the workbook
// needs) reads exactly as the whole file does. Damage the reader cannot see (a changed
// digit) may change a text; it may never crash or hang the program, nor make the import
// fail otherwise than with an answer.
TEST(XlsWorkbookReader, TruncatedAndCorruptedCopies)
{
    const std::string bytes = ReadFile(kWeather);
    std::vector<std::string> whole;
    for (int i = 0; i < 6; ++i) whole.push_back(Cells(Import(kWeather, i).cells));
    const TempDir dir;
    int refused = 0;
    for (std::size_t length = 0; length < bytes.size(); length += 509) {
        const std::string path = dir.write("cut.xls", bytes.substr(0, length));
        const auto reader = MakeXlsWorkbookReader();
        if (!reader->isWorkbook(path)) {
            ++refused;
            continue;
        }
        for (int i = 0; i < 6; ++i) {
            MeteoSheet sheet;
            if (reader->importSheet(path, i, sheet)) {
                EXPECT_EQ(Cells(sheet), whole[static_cast<std::size_t>(i)]) << length;
            }
        }
    }
    EXPECT_GT(refused, 100);

    std::mt19937 random(4);
    int accepted = 0;
    for (int copy = 0; copy < 300; ++copy) {
        std::string damaged = bytes;
        for (int k = 0; k < 1 + copy % 8; ++k) damaged[random() % damaged.size()] = static_cast<char>(random());
        const std::string path = dir.write("damaged.xls", damaged);
        const auto reader = MakeXlsWorkbookReader();
        if (!reader->isWorkbook(path)) continue;
        ++accepted;
        const auto names = reader->sheetNames(path);
        ASSERT_TRUE(names);
        for (int i = 0; i < static_cast<int>(names->size()); ++i) {
            MeteoSheet sheet;
            if (!reader->importSheet(path, i, sheet)) {
                EXPECT_FALSE(reader->failure().empty());
            }
        }
    }
    EXPECT_GT(accepted, 0);
}

// Every workbook of the shared corpus either imports every sheet or is refused by the
// workbook test; the ones a sound reader must refuse are.
TEST(XlsWorkbookReader, SharedCorpusImportsOrIsRefused)
{
    if (!std::filesystem::is_directory(kShared)) GTEST_SKIP() << "no " << kShared;
    const std::pair<const char*, const char*> refusals[] = {
        {"poi_password.xls", "it is encrypted"},
        {"poi_xor-encryption-abc.xls", "it is encrypted"},
        {"poi_clusterfuzz-6537773940867072.xls", "its compound file is damaged"},
        {"bad_crash_mutated_types.xls", "its sheet \"guess_me\" is damaged or cut short"},
    };
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kShared)) {
        if (entry.path().extension() != ".xls") continue;
        ++files;
        const std::string path = entry.path().string();
        const auto reader = MakeXlsWorkbookReader();
        const std::string name = entry.path().filename().string();
        const auto refusal = std::find_if(std::begin(refusals), std::end(refusals),
                                          [&](const auto& r) { return name == r.first; });
        if (refusal != std::end(refusals)) {
            EXPECT_FALSE(reader->isWorkbook(path)) << name;
            EXPECT_EQ(reader->failure().substr(0, std::string(refusal->second).size()), refusal->second) << name;
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
}

TEST(XlsWorkbookReader, SharedCorpusSheetNames)
{
    if (!std::filesystem::is_directory(kShared)) GTEST_SKIP() << "no " << kShared;
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"libxls_utf8-sheet-names.xls", {"µ", "∂"}},
        {"poi_27394.xls", {"šž", "šžčňř"}},
        {"poi_57925.xls", {"Доходы", "Расходы", "Дефициты"}},
        {"poi_19599-2.xls", {"汇总", "订阅上行列表"}},
        {"xlrd_Formate.xls", {"Blätt1", "ÖÄÜ", "Blätt3", "Formate"}},
        {"poi_TwoSheetsOneHidden.xls", {"Sheet1", "Sheet2"}},
        {"poi_testEXCEL_95.xls", {"Feuil1", "Feuil2", "Feuil3"}},
        {"freexl_oocalc_simple95.xls", {"Sheet1", "Excel95 format sheet 2", "Sheet3"}},
        {"poi_testEXCEL_4.xls", {"Sheet1"}},
    };
    for (const auto& [file, names] : cases) EXPECT_EQ(Names(kShared + file), names) << file;
    // 23 worksheets and 17 chart sheets: the chart sheets are not offered.
    EXPECT_EQ(Names(kShared + "poi_12843-1.xls").size(), 23u);
    EXPECT_EQ(Names(kShared + "xlrd_corrupted_error.xls").front(), "Трубы ВГП");
}

// Texts checked against what a spreadsheet shows for the same cells, BIFF2 to BIFF8.
TEST(XlsWorkbookReader, SharedCorpusCellTexts)
{
    if (!std::filesystem::is_directory(kShared)) GTEST_SKIP() << "no " << kShared;
    const std::tuple<const char*, int, int, int, const char*> cases[] = {
        // BIFF2: a date, a time, numbers
        {"freexl_simple2003_21.xls", 0, 4, 4, "01/10/67"}, {"freexl_simple2003_21.xls", 0, 2, 6, "23:34:04"},
        {"freexl_simple2003_21.xls", 0, 4, 2, "-56.3089"}, {"freexl_simple2003_21.xls", 0, 1, 3, "Third Column"},
        // BIFF3, BIFF4 (with formulas), BIFF4 without FORMAT records
        {"poi_testEXCEL_3.xls", 0, 6, 3, "376.2"}, {"poi_testEXCEL_3.xls", 0, 6, 1, "1977/78"},
        {"poi_testEXCEL_4.xls", 0, 13, 2, "168184400"}, {"poi_testEXCEL_4.xls", 0, 13, 4, "0.484621046898523"},
        {"xlrd_biff4_no_format_no_window2.xls", 0, 1, 4, "SUB"},
        {"xlrd_biff4_no_format_no_window2.xls", 0, 2, 2, "DOG & CAT PRODUCTS"},
        // BIFF5: formulas, a time, a date-time, a date
        {"poi_testEXCEL_95.xls", 0, 8, 3, "9"}, {"poi_testEXCEL_95.xls", 0, 7, 5, "1.55"},
        {"freexl_oocalc_simple95.xls", 0, 2, 5, "11:00:00"}, {"freexl_oocalc_simple95.xls", 0, 2, 6, "21/08/11"},
        {"freexl_oocalc_simple95.xls", 0, 2, 7, "11/03/67"},
        // BIFF8 in the 1904 system: formula texts, dates, booleans, errors
        {"libxls_types.xls", 2, 2, 2, "HELLO WORLD"}, {"libxls_types.xls", 2, 6, 2, "1.69"},
        {"libxls_types.xls", 2, 9, 2, "TRUE"}, {"libxls_types.xls", 2, 11, 2, "26/02/16"},
        {"libxls_types.xls", 2, 12, 2, "02/03/16"}, {"libxls_types.xls", 2, 14, 2, "#N/A"},
        {"libxls_types.xls", 2, 17, 2, "#DIV/0!"}, {"libxls_types.xls", 2, 20, 2, "#NULL!"},
        // one date in five date formats
        {"libxls_dates-1900.xls", 0, 1, 3, "01/01/00"}, {"libxls_dates-1900.xls", 0, 1, 5, "01/01/00"},
        // German dates and times, trailing blanks, Danish and Chinese texts
        {"xlrd_Formate.xls", 0, 1, 2, "03/07/07"}, {"xlrd_Formate.xls", 0, 4, 2, "06:34"},
        {"xlrd_Formate.xls", 0, 6, 2, "17:47:13"}, {"xlrd_Formate.xls", 1, 1, 1, "-100"},
        {"poi_57925.xls", 0, 1, 1, "1    "}, {"poi_46904.xls", 0, 3, 3, "Bo Ærenlund"},
        {"poi_46904.xls", 0, 6087, 1, "R"}, {"poi_19599-2.xls", 0, 4, 2, "家家e业务用户"},
        {"poi_TwoSheetsOneHidden.xls", 1, 1, 1, "Sheet2A1"},
    };
    for (const auto& [file, index, row, column, text] : cases) {
        const Sheet sheet = Import(kShared + file, index);
        ASSERT_TRUE(sheet.ok) << file << ": " << sheet.failure;
        EXPECT_EQ(sheet.cells.cellText(row, column), text) << file << " " << row << "," << column;
    }
}

} // namespace etp
