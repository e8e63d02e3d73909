#include "sheet/BiffWorkbook.h"

#include <gtest/gtest.h>

#include "sheet/SheetWriter.h"
#include "support/BiffBuilder.h"

namespace etp {

namespace {

using testing::Body;
using testing::SheetDraft;
using testing::Stream;
using testing::Workbook;
using namespace testing; // record ids

struct Imported {
    bool ok = false;
    std::string failure;
    MeteoSheet sheet;
    int dropped = 0;
    std::string cell(int row, int column) const { return std::string(sheet.cellText(row, column)); }
};

Imported Import(const std::vector<std::uint8_t>& stream, std::size_t index = 0, int streamVersion = 8)
{
    Imported result;
    const auto workbook = ReadBiffWorkbook(stream, streamVersion, result.failure);
    if (!workbook) return result;
    SheetWriter writer(result.sheet);
    result.ok = ReadBiffWorksheet(stream, *workbook, index, writer, result.failure);
    if (result.ok) result.dropped = writer.finish();
    return result;
}

std::vector<std::uint8_t> OneSheet(const std::function<void(Stream&)>& cells,
                                   const std::function<void(Stream&)>& globals = [](Stream& s) { StandardFormats(s); })
{
    return Workbook({{"Sheet1", cells}}, globals);
}

// The formula record's 8 result bytes for a result that is no number.
Body Formula(unsigned row, unsigned column, std::initializer_list<unsigned> result, unsigned xf = 0)
{
    Body body;
    body.cell(row, column, xf);
    for (const unsigned b : result) body.u8(b);
    return body.u16(0).u32(0).u16(0);
}

std::uint32_t RkInteger(std::int32_t value, bool hundredths = false)
{
    return static_cast<std::uint32_t>(value) << 2 | 2u | (hundredths ? 1u : 0u);
}

} // namespace

TEST(ReadBiffWorkbook, ListsWorksheetsInOrderHiddenOnesToo)
{
    const auto stream = Workbook({
        {"1995", [](Stream& s) { s.record(kNumberRecord, Body().cell(0, 0).f64(1995)); }},
        {"Chart1", {}, 2},
        {"1996", [](Stream& s) { s.record(kNumberRecord, Body().cell(0, 0).f64(1996)); }, 0, 1},
        {"Macro1", {}, 1},
        {"Data", [](Stream& s) { s.record(kNumberRecord, Body().cell(0, 0).f64(7)); }},
    });
    std::string failure;
    const auto workbook = ReadBiffWorkbook(stream, 8, failure);
    ASSERT_TRUE(workbook) << failure;
    ASSERT_EQ(workbook->sheets.size(), 3u);
    EXPECT_EQ(workbook->sheets[0].name, "1995");
    EXPECT_EQ(workbook->sheets[1].name, "1996");
    EXPECT_EQ(workbook->sheets[2].name, "Data");
    EXPECT_EQ(Import(stream, 1).cell(1, 1), "1996");
    EXPECT_EQ(Import(stream, 2).cell(1, 1), "7");
    const Imported past = Import(stream, 3);
    EXPECT_FALSE(past.ok);
    EXPECT_EQ(past.failure, "the workbook has no sheet 4");
}

TEST(ReadBiffWorkbook, RefusesWhatItCannotRead)
{
    const auto good = OneSheet([](Stream& s) { s.record(kNumberRecord, Body().cell(0, 0).f64(1)); });
    const auto withoutLast = [](std::vector<std::uint8_t> bytes, std::size_t n) {
        bytes.resize(bytes.size() - n);
        return bytes;
    };
    Stream chart;
    chart.record(kBofRecord, Body().u16(0x0600).u16(0x0020).u32(0).u32(0).u32(0));
    chart.record(kEofRecord);
    Stream biff4Workbook;
    biff4Workbook.record(0x0409, Body().u16(0).u16(0x0100).u16(0));
    biff4Workbook.record(kEofRecord);
    Stream globalsOnly; // cut before the EOF of the globals
    globalsOnly.record(kBofRecord, Body().u16(0x0600).u16(0x0005).u32(0).u32(0).u32(0));
    Stream farSheet; // a sheet said to start far beyond the stream
    farSheet.record(kBofRecord, Body().u16(0x0600).u16(0x0005).u32(0).u32(0).u32(0));
    farSheet.record(kBoundSheetRecord, Body().u32(1u << 30).u8(0).u8(0).narrow("far", 1));
    farSheet.record(kEofRecord);
    const std::pair<std::vector<std::uint8_t>, const char*> cases[] = {
        {{}, "it does not start with a BIFF record"},
        {std::vector<std::uint8_t>{'P', 'K', 3, 4, 0, 0, 0, 0}, "it does not start with a BIFF record"},
        {chart.data, "it holds a chart or macros, not worksheets"},
        {biff4Workbook.data, "it is a BIFF4 workbook of several sheets"},
        {globalsOnly.data, "it is cut short"},
        {farSheet.data, "its sheet \"far\" is damaged or cut short"},
        {withoutLast(good, 4), "its sheet \"Sheet1\" is damaged or cut short"},  // its EOF record
        {withoutLast(good, 10), "its sheet \"Sheet1\" is damaged or cut short"}, // inside a cell
    };
    for (const auto& [stream, reason] : cases) {
        std::string failure;
        EXPECT_FALSE(ReadBiffWorkbook(stream, 8, failure)) << reason;
        EXPECT_EQ(failure, reason);
    }
}

// XOR obfuscation and RC4 alike start with FILEPASS: nothing after it can be read.
TEST(ReadBiffWorkbook, EncryptedWorkbooksAreRefused)
{
    const auto stream = OneSheet([](Stream&) {}, [](Stream& s) { s.record(0x002F, Body().u16(1).u16(1)); });
    std::string failure;
    EXPECT_FALSE(ReadBiffWorkbook(stream, 8, failure));
    EXPECT_EQ(failure, "it is encrypted");
}

TEST(ReadBiffWorksheet, NumbersRkValuesAndRunsOfThem)
{
    const auto stream = OneSheet([](Stream& s) {
        s.record(kNumberRecord, Body().cell(0, 0).f64(12.5));
        s.record(kRkRecord, Body().cell(0, 1).u32(RkInteger(-7)));
        s.record(kRkRecord, Body().cell(0, 2).u32(RkInteger(1250, true)));
        s.record(kRkRecord, Body().cell(0, 3).u32(0x3FF80000));     // the high bits of 1.5
        s.record(kRkRecord, Body().cell(0, 4).u32(0x40590000 | 1)); // 100 / 100
        s.record(kMulRkRecord, Body().u16(1).u16(2).u16(0).u32(RkInteger(3)).u16(0).u32(RkInteger(-45, true)).u16(0).u32(
                                   RkInteger(6)).u16(4));
    });
    const Imported imported = Import(stream);
    ASSERT_TRUE(imported.ok) << imported.failure;
    const char* row1[] = {"12.5", "-7", "12.5", "1.5", "1"};
    for (int c = 1; c <= 5; ++c) EXPECT_EQ(imported.cell(1, c), row1[c - 1]) << c;
    EXPECT_EQ(imported.cell(2, 2), "");
    EXPECT_EQ(imported.cell(2, 3), "3");
    EXPECT_EQ(imported.cell(2, 4), "-0.45");
    EXPECT_EQ(imported.cell(2, 5), "6");
}

TEST(ReadBiffWorksheet, DatesAndTimesThroughTheirFormats)
{
    const auto cells = [](Stream& s) {
        s.record(kNumberRecord, Body().cell(0, 0, 1).f64(34700));     // built-in 14: a date
        s.record(kRkRecord, Body().cell(0, 1, 2).u32(0x3FE20000));    // "h:mm" of 0.5625
        s.record(kNumberRecord, Body().cell(0, 2, 3).f64(34700));     // "0.0 \"days\"": a number
        s.record(kNumberRecord, Body().cell(0, 3, 999).f64(34700));   // no such XF: a number
        s.record(kNumberRecord, Body().cell(0, 4, 1).f64(34700.75));  // a date-time
    };
    const Imported imported = Import(OneSheet(cells));
    ASSERT_TRUE(imported.ok) << imported.failure;
    const char* expected[] = {"01/01/95", "13:30", "34700", "34700", "01/01/95"};
    for (int c = 1; c <= 5; ++c) EXPECT_EQ(imported.cell(1, c), expected[c - 1]) << c;

    const Imported in1904 = Import(OneSheet(cells, [](Stream& s) {
        s.record(0x0022, Body().u16(1));
        StandardFormats(s);
    }));
    EXPECT_EQ(in1904.cell(1, 1), "02/01/99");
}

// A string may break at a CONTINUE record, which then starts with its own flags.
TEST(ReadBiffWorksheet, SharedStringsAcrossContinueRecords)
{
    const auto stream = OneSheet([](Stream& s) {
        for (unsigned i = 0; i < 3; ++i) s.record(kLabelSstRecord, Body().cell(i, 0).u32(i));
    }, [](Stream& s) {
        StandardFormats(s);
        s.record(kSstRecord, Body().u32(3).u32(3).narrow("one").u16(5).u8(0).bytes("ab"));
        s.record(kContinueRecord, Body().u8(1).u16(u'Ж').u16('z').u16('z').narrow("three"));
    });
    const Imported imported = Import(stream);
    ASSERT_TRUE(imported.ok) << imported.failure;
    EXPECT_EQ(imported.cell(1, 1), "one");
    EXPECT_EQ(imported.cell(2, 1), "abЖzz");
    EXPECT_EQ(imported.cell(3, 1), "three");

    const Imported missing = Import(OneSheet([](Stream& s) { s.record(kLabelSstRecord, Body().cell(0, 0).u32(3)); }));
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.failure, "a cell refers to a shared string the workbook lacks");
}

// A formula keeps the result it had when saved: a number, or a text in the STRING record
// after it (perhaps behind its shared formula), a boolean, an error, an empty text.
TEST(ReadBiffWorksheet, FormulaResultsAsSaved)
{
    const auto stream = OneSheet([](Stream& s) {
        s.record(kFormulaRecord, Body().cell(0, 0).f64(0.1 + 0.2).u16(0).u32(0).u16(0));
        s.record(kFormulaRecord, Body().cell(0, 1, 1).f64(34701).u16(0).u32(0).u16(0)); // =A2+1 as a date
        s.record(kFormulaRecord, Formula(1, 0, {0, 0, 0, 0, 0, 0, 0xFF, 0xFF}));
        s.record(0x04BC, Body().bytes("shared formula"));
        s.record(kStringRecord, Body().narrow("HELLO"));
        s.record(kFormulaRecord, Formula(1, 1, {1, 0, 1, 0, 0, 0, 0xFF, 0xFF}));
        s.record(kFormulaRecord, Formula(1, 2, {1, 0, 0, 0, 0, 0, 0xFF, 0xFF}));
        s.record(kFormulaRecord, Formula(1, 3, {2, 0, 0x07, 0, 0, 0, 0xFF, 0xFF}));
        s.record(kFormulaRecord, Formula(1, 4, {3, 0, 0, 0, 0, 0, 0xFF, 0xFF}));
        s.record(kFormulaRecord, Formula(2, 0, {0, 0, 0, 0, 0, 0, 0xFF, 0xFF})); // its STRING is missing
        s.record(kNumberRecord, Body().cell(2, 1).f64(5));
        s.record(kStringRecord, Body().narrow("stray")); // belongs to no formula
    });
    const Imported imported = Import(stream);
    ASSERT_TRUE(imported.ok) << imported.failure;
    EXPECT_EQ(imported.cell(1, 1), "0.3");
    EXPECT_EQ(imported.cell(1, 2), "02/01/95");
    const char* row2[] = {"HELLO", "TRUE", "FALSE", "#DIV/0!", ""};
    for (int c = 1; c <= 5; ++c) EXPECT_EQ(imported.cell(2, c), row2[c - 1]) << c;
    EXPECT_EQ(imported.cell(3, 1), "");
    EXPECT_EQ(imported.cell(3, 2), "5");
    EXPECT_EQ(imported.sheet.lastNonEmptyRow(), 3);
}

TEST(ReadBiffWorksheet, TextCellsBooleansAndErrors)
{
    const auto stream = OneSheet([](Stream& s) {
        s.record(kLabelRecord, Body().cell(0, 0).wide(u"Temperatura °C"));
        s.record(0x00D6, Body().cell(0, 1).narrow("rich").u16(1).u32(0)); // RSTRING and its run
        s.record(kLabelRecord, Body().cell(0, 2).narrow("  padded  "));
        s.record(kBoolErrRecord, Body().cell(1, 0).u8(1).u8(0));
        s.record(kBoolErrRecord, Body().cell(1, 1).u8(0x2A).u8(1));
    });
    const Imported imported = Import(stream);
    ASSERT_TRUE(imported.ok) << imported.failure;
    EXPECT_EQ(imported.cell(1, 1), "Temperatura °C");
    EXPECT_EQ(imported.cell(1, 2), "rich");
    EXPECT_EQ(imported.cell(1, 3), "  padded  ");
    EXPECT_EQ(imported.cell(2, 1), "TRUE");
    EXPECT_EQ(imported.cell(2, 2), "#N/A");
}

TEST(ReadBiffWorksheet, DamagedCellRecordsFailTheImport)
{
    const std::pair<std::function<void(Stream&)>, const char*> cases[] = {
        {[](Stream& s) { s.record(kNumberRecord, Body().cell(0, 0).u32(0)); }, "a cell record is cut short"},
        {[](Stream& s) { s.record(kRkRecord, Body().cell(0, 0)); }, "a cell record is cut short"},
        {[](Stream& s) { s.record(kMulRkRecord, Body().u16(0).u16(0)); }, "a cell record is cut short"},
        {[](Stream& s) { s.record(kBoolErrRecord, Body().cell(0, 0).u8(1)); }, "a cell record is cut short"},
        {[](Stream& s) { s.record(kFormulaRecord, Body().cell(0, 0).u32(0)); }, "a cell record is cut short"},
        {[](Stream& s) { s.record(kLabelRecord, Body().cell(0, 0).u16(9).u8(0).bytes("ab")); }, "a text cell is damaged"},
        {[](Stream& s) {
             s.record(kFormulaRecord, Formula(0, 0, {0, 0, 0, 0, 0, 0, 0xFF, 0xFF}));
             s.record(kStringRecord, Body().u16(40).u8(0).bytes("x"));
         },
         "a formula's text is damaged"},
    };
    for (const auto& [cells, reason] : cases) {
        const Imported imported = Import(OneSheet(cells));
        EXPECT_FALSE(imported.ok) << reason;
        EXPECT_EQ(imported.failure, reason);
    }
}

// What a chart embedded in a worksheet holds is not the worksheet's.
TEST(ReadBiffWorksheet, EmbeddedChartsAreSkipped)
{
    const auto stream = OneSheet([](Stream& s) {
        s.record(kNumberRecord, Body().cell(0, 0).f64(1));
        s.record(kBofRecord, Body().u16(0x0600).u16(0x0020).u32(0).u32(0).u32(0));
        s.record(kNumberRecord, Body().cell(5, 0).f64(99));
        s.record(kEofRecord);
        s.record(kNumberRecord, Body().cell(1, 0).f64(2));
    });
    const Imported imported = Import(stream);
    ASSERT_TRUE(imported.ok) << imported.failure;
    EXPECT_EQ(imported.cell(2, 1), "2");
    EXPECT_EQ(imported.sheet.lastNonEmptyRow(), 2);
}

// A sheet that declares 65536 x 256 cells but holds ten costs what ten cells cost, and
// the data sheet keeps its size.
TEST(ReadBiffWorksheet, DeclaredSizeCostsNothing)
{
    const auto stream = OneSheet([](Stream& s) {
        s.record(kDimensionsRecord, Body().u32(0).u32(65536).u16(0).u16(256).u16(0));
        for (unsigned i = 0; i < 10; ++i) s.record(kNumberRecord, Body().cell(i, i).f64(i));
        s.record(0x0201, Body().cell(65535, 255));            // a blank cell with a format only
        s.record(0x00BE, Body().u16(65535).u16(0).u16(0).u16(0).u16(1)); // MULBLANK
    });
    const Imported imported = Import(stream);
    ASSERT_TRUE(imported.ok) << imported.failure;
    EXPECT_EQ(imported.cell(10, 10), "9");
    EXPECT_EQ(imported.sheet.rowCount(), MeteoSheet::kInitialRows);
    EXPECT_EQ(imported.sheet.columnCount(), MeteoSheet::kInitialColumns);
    EXPECT_LT(imported.sheet.memoryBytes(), 16u * 1024);
}

// A cell far down grows the sheet to hold it.
TEST(ReadBiffWorksheet, TheSheetGrowsToTheLastCell)
{
    const auto stream = OneSheet([](Stream& s) { s.record(kNumberRecord, Body().cell(65535, 40).f64(1)); });
    const Imported imported = Import(stream);
    ASSERT_TRUE(imported.ok) << imported.failure;
    EXPECT_EQ(imported.sheet.rowCount(), 65536);
    EXPECT_EQ(imported.sheet.columnCount(), 41);
    EXPECT_EQ(imported.cell(65536, 41), "1");
}

TEST(ReadBiffWorksheet, ColumnsBeyondOneHundredAreDroppedAndCounted)
{
    const auto stream = OneSheet([](Stream& s) {
        for (const unsigned column : {99u, 100u, 150u, 255u}) s.record(kNumberRecord, Body().cell(0, column).f64(column));
        s.record(kNumberRecord, Body().cell(1, 150).f64(1));
        s.record(kLabelRecord, Body().cell(2, 200).narrow("")); // empty: nothing is lost
    });
    const Imported imported = Import(stream);
    ASSERT_TRUE(imported.ok) << imported.failure;
    EXPECT_EQ(imported.cell(1, 100), "99");
    EXPECT_EQ(imported.dropped, 3);
    EXPECT_EQ(imported.sheet.columnCount(), 100);
}

// Excel 95 and earlier write byte strings in the workbook's code page.
TEST(ReadBiffWorksheet, Biff5TextsAndNamesInTheirCodePage)
{
    const auto stream = Workbook(
        {{"\xC4\xE0\xED\xED\xFB\xE5", [](Stream& s) { // "Данные"
              s.record(kLabelRecord, Body().cell(0, 0).counted("\xC4\xEE\xE6\xE4\xFC", 2));
              s.record(kFormulaRecord, Formula(0, 1, {0, 0, 0, 0, 0, 0, 0xFF, 0xFF}));
              s.record(kStringRecord, Body().counted("\xEC\xEC", 2));
              s.record(kNumberRecord, Body().cell(0, 2, 1).f64(34700));
          }}},
        [](Stream& s) {
            s.record(0x0042, Body().u16(1251));
            StandardFormats(s, false);
        },
        false);
    std::string failure;
    const auto workbook = ReadBiffWorkbook(stream, 8, failure);
    ASSERT_TRUE(workbook) << failure;
    EXPECT_EQ(workbook->version, 5);
    EXPECT_EQ(workbook->sheets.at(0).name, "Данные");
    const Imported imported = Import(stream);
    ASSERT_TRUE(imported.ok) << imported.failure;
    EXPECT_EQ(imported.cell(1, 1), "Дождь");
    EXPECT_EQ(imported.cell(1, 2), "мм");
    EXPECT_EQ(imported.cell(1, 3), "01/01/95");
}

// BIFF2: one worksheet, formats numbered by their order, each cell naming its format.
TEST(ReadBiffWorksheet, Biff2Worksheet)
{
    Stream s;
    s.record(0x0009, Body().u16(0x0002).u16(0x0010));
    s.record(0x001E, Body().counted("General", 1));
    s.record(0x001E, Body().counted("dd/mm/yy", 1));
    s.record(0x0042, Body().u16(1252));
    const auto attributes = [](Body& b, unsigned format) { b.u8(0).u8(format).u8(0); };
    Body integer;
    integer.u16(0).u16(0);
    attributes(integer, 1);
    s.record(0x0002, integer.u16(34700));
    Body number;
    number.u16(0).u16(1);
    attributes(number, 0);
    s.record(0x0003, number.f64(-3.2));
    Body label;
    label.u16(1).u16(0);
    attributes(label, 0);
    s.record(0x0004, label.counted("Temp\xB0", 1));
    Body boolean;
    boolean.u16(1).u16(1);
    attributes(boolean, 0);
    s.record(0x0005, boolean.u8(0x07).u8(1));
    Body formula;
    formula.u16(2).u16(0);
    attributes(formula, 0);
    s.record(0x0006, formula.u8(0).u8(0).u8(0).u8(0).u8(0).u8(0).u8(0xFF).u8(0xFF).u8(0).u8(0));
    s.record(0x0007, Body().counted("text result", 1));
    s.record(kEofRecord);

    const Imported imported = Import(s.data);
    ASSERT_TRUE(imported.ok) << imported.failure;
    EXPECT_EQ(imported.cell(1, 1), "01/01/95");
    EXPECT_EQ(imported.cell(1, 2), "-3.2");
    EXPECT_EQ(imported.cell(2, 1), "Temp°");
    EXPECT_EQ(imported.cell(2, 2), "#DIV/0!");
    EXPECT_EQ(imported.cell(3, 1), "text result");
}

// BIFF3 and BIFF4: XF records name formats by a byte; BIFF4 FORMAT records have two
// bytes before the code and are still numbered by their order.
TEST(ReadBiffWorksheet, Biff3And4FormatsThroughXf)
{
    for (const unsigned version : {3u, 4u}) {
        Stream s;
        s.record(version == 3 ? 0x0209 : 0x0409, Body().u16(0).u16(0x0010).u16(0));
        for (const char* code : {"General", "0.00", "d/m/yyyy"}) {
            Body body;
            if (version == 4) body.u16(0);
            s.record(version == 3 ? 0x001E : 0x041E, body.counted(code, 1));
        }
        s.record(version == 3 ? 0x0243 : 0x0443, Body().u8(0).u8(0).bytes(std::string(10, '\0')));
        s.record(version == 3 ? 0x0243 : 0x0443, Body().u8(0).u8(2).bytes(std::string(10, '\0')));
        s.record(kNumberRecord, Body().cell(0, 0, 1).f64(35065));
        s.record(kRkRecord, Body().cell(0, 1, 0).u32(RkInteger(35065)));
        s.record(kLabelRecord, Body().cell(0, 2, 0).counted("label", 2));
        s.record(0x0206, Formula(0, 3, {1, 0, 1, 0, 0, 0, 0xFF, 0xFF}));
        s.record(kEofRecord);
        const Imported imported = Import(s.data);
        ASSERT_TRUE(imported.ok) << version << imported.failure;
        EXPECT_EQ(imported.cell(1, 1), "01/01/96") << version;
        EXPECT_EQ(imported.cell(1, 2), "35065") << version;
        EXPECT_EQ(imported.cell(1, 3), "label") << version;
        EXPECT_EQ(imported.cell(1, 4), "TRUE") << version;
    }
}

TEST(ReadBiffWorksheet, CellsInAnyOrderAndTheLaterOfTwoWins)
{
    const auto stream = OneSheet([](Stream& s) {
        s.record(kNumberRecord, Body().cell(2, 0).f64(3));
        s.record(kNumberRecord, Body().cell(0, 1).f64(1));
        s.record(kNumberRecord, Body().cell(0, 0).f64(10));
        s.record(kNumberRecord, Body().cell(2, 0).f64(30));
    });
    const Imported imported = Import(stream);
    ASSERT_TRUE(imported.ok) << imported.failure;
    EXPECT_EQ(imported.sheet.blockText(1, 1, 100), "10\t1");
    EXPECT_EQ(imported.sheet.blockText(2, 1, 100), "");
    EXPECT_EQ(imported.cell(3, 1), "30");
}

} // namespace etp
