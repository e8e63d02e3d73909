#include "import/BiffWorkbook.h"

#include <gtest/gtest.h>

#include <tuple>

#include "import/SheetWriter.h"
#include "support/BiffBuilder.h"

namespace etp {

namespace {

using namespace testing; // the builder and its record ids

struct Imported {
    bool ok = false;
    std::string failure;
    std::vector<std::string> names;
    MeteoSheet sheet;
};

Imported Import(const std::vector<std::uint8_t>& stream, std::size_t index = 0)
{
    Imported result;
    const auto workbook = ReadBiffWorkbook(stream, 8, result.failure);
    if (!workbook) return result;
    for (const auto& sheet : workbook->sheets) result.names.push_back(sheet.name);
    SheetWriter writer(result.sheet);
    result.ok = ReadBiffWorksheet(stream, *workbook, index, writer, result.failure);
    writer.finish();
    return result;
}

std::vector<std::uint8_t> OneSheet(const std::function<void(Stream&)>& cells,
                                   const std::function<void(Stream&)>& globals = [](Stream& s) { StandardFormats(s); })
{
    return Workbook({{"Sheet1", cells}}, globals);
}

// A formula record whose 8 result bytes hold no number.
Body Formula(unsigned row, unsigned column, unsigned kind, unsigned value = 0)
{
    return Body().cell(row, column).u8(kind).u8(0).u8(value).u8(0).u16(0).u16(0xFFFF).u16(0).u32(0).u16(0);
}

std::uint32_t RkInteger(std::int32_t value, bool hundredths = false)
{
    return static_cast<std::uint32_t>(value) << 2 | 2u | (hundredths ? 1u : 0u);
}

void ExpectCells(const Imported& imported, const std::vector<std::tuple<int, int, const char*>>& cells)
{
    ASSERT_TRUE(imported.ok) << imported.failure;
    for (const auto& [row, column, text] : cells)
        EXPECT_EQ(imported.sheet.cellText(row, column), text) << row << "," << column;
}

} // namespace

// Chart and macro sheets are not offered; the sheet index counts worksheets only.
TEST(ReadBiffWorkbook, ListsWorksheetsInOrderHiddenOnesToo)
{
    const auto number = [](double value) { return [value](Stream& s) { s.record(kNumberRecord, Body().cell(0, 0).f64(value)); }; };
    const auto stream = Workbook({{"1995", number(1995)}, {"Chart1", {}, 2}, {"1996", number(1996), 0, 1},
                                  {"Macro1", {}, 1}, {"Data", number(7)}});
    const Imported data = Import(stream, 2);
    EXPECT_EQ(data.names, (std::vector<std::string>{"1995", "1996", "Data"}));
    ExpectCells(data, {{1, 1, "7"}});
    EXPECT_EQ(Import(stream, 3).failure, "the workbook has no sheet 4");
}

TEST(ReadBiffWorkbook, RefusesWhatItCannotRead)
{
    const auto good = OneSheet([](Stream& s) { s.record(kNumberRecord, Body().cell(0, 0).f64(1)); });
    const auto withoutLast = [&good](long n) { return std::vector<std::uint8_t>(good.begin(), good.end() - n); };
    const auto bof = [](Stream& s, unsigned type) { s.record(kBofRecord, Body().u16(0x0600).u16(type).u32(0).u32(0).u32(0)); };
    Stream chart, biff4Workbook, globalsOnly, farSheet;
    bof(chart, 0x0020);
    chart.record(kEofRecord);
    biff4Workbook.record(0x0409, Body().u16(0).u16(0x0100).u16(0));
    bof(globalsOnly, 0x0005); // cut before the EOF of the globals
    bof(farSheet, 0x0005);    // a sheet said to start far beyond the stream
    farSheet.record(kBoundSheetRecord, Body().u32(1u << 30).u8(0).u8(0).narrow("far", 1));
    farSheet.record(kEofRecord);
    // XOR obfuscation and RC4 alike start with FILEPASS: nothing after it can be read.
    const auto encrypted = OneSheet([](Stream&) {}, [](Stream& s) { s.record(0x002F, Body().u16(1).u16(1)); });
    const std::pair<std::vector<std::uint8_t>, const char*> cases[] = {
        {{}, "it does not start with a BIFF record"},
        {chart.data, "it holds a chart or macros, not worksheets"},
        {biff4Workbook.data, "it is a BIFF4 workbook of several sheets"},
        {globalsOnly.data, "it is cut short"},
        {farSheet.data, "its sheet \"far\" is damaged or cut short"},
        {withoutLast(4), "its sheet \"Sheet1\" is damaged or cut short"},  // its EOF record
        {withoutLast(10), "its sheet \"Sheet1\" is damaged or cut short"}, // inside a cell
        {encrypted, "it is protected by a password"},
    };
    for (const auto& [stream, reason] : cases) {
        std::string failure;
        EXPECT_FALSE(ReadBiffWorkbook(stream, 8, failure)) << reason;
        EXPECT_EQ(failure, reason);
    }
}

// Every kind of BIFF8 cell record as a spreadsheet shows it. XF 1 is a date, XF 2 "h:mm",
// XF 3 a number format with a quoted d. A formula keeps the result it had when saved: a
// number, or a text in the STRING record after it (perhaps behind its shared formula),
// a boolean, an error, an empty text; a STRING record of no formula is ignored, and so are
// the records of a chart drawn on the sheet. A shared string may break at a CONTINUE
// record, which then starts with its own flags. A sheet that declares 65536 x 256 cells
// (and formats a blank far down) costs only the cells it holds.
TEST(ReadBiffWorksheet, EachCellRecordAsItsText)
{
    const auto stream = OneSheet([](Stream& s) {
        s.record(kDimensionsRecord, Body().u32(0).u32(65536).u16(0).u16(256).u16(0));
        s.record(0x0201, Body().cell(65535, 255));                       // a blank cell with a format only
        s.record(0x00BE, Body().u16(65535).u16(0).u16(0).u16(0).u16(1)); // MULBLANK
        s.record(kNumberRecord, Body().cell(0, 0).f64(12.5));
        s.record(kRkRecord, Body().cell(0, 1).u32(RkInteger(-7)));
        s.record(kRkRecord, Body().cell(0, 2).u32(RkInteger(1250, true)));
        s.record(kRkRecord, Body().cell(0, 3).u32(0x3FF80000)); // the high bits of 1.5
        s.record(kMulRkRecord, Body().u16(1).u16(2).u16(0).u32(RkInteger(3)).u16(0).u32(RkInteger(-45, true)).u16(3));
        s.record(kNumberRecord, Body().cell(2, 0, 1).f64(34700));
        s.record(kRkRecord, Body().cell(2, 1, 2).u32(0x3FE20000)); // 0.5625
        s.record(kNumberRecord, Body().cell(2, 2, 3).f64(34700));
        s.record(kNumberRecord, Body().cell(2, 3, 999).f64(34700)); // no such XF
        s.record(kFormulaRecord, Formula(4, 0, 0));
        s.record(0x04BC, Body().bytes("shared formula"));
        s.record(kStringRecord, Body().narrow("HELLO"));
        s.record(kFormulaRecord, Formula(4, 1, 1, 1));
        s.record(kFormulaRecord, Formula(4, 2, 2, 0x07));
        s.record(kFormulaRecord, Formula(4, 3, 3));
        s.record(kFormulaRecord, Formula(5, 0, 0)); // its STRING is missing
        s.record(kNumberRecord, Body().cell(5, 1).f64(5));
        s.record(kStringRecord, Body().narrow("stray"));
        s.record(kBofRecord, Body().u16(0x0600).u16(0x0020).u32(0).u32(0).u32(0)); // a chart drawn on the sheet
        s.record(kNumberRecord, Body().cell(5, 2).f64(99));
        s.record(kEofRecord);
        s.record(kLabelRecord, Body().cell(6, 0).wide(u"Temperatura °C"));
        s.record(0x00D6, Body().cell(6, 1).narrow("rich").u16(1).u32(0)); // RSTRING and its run
        s.record(kBoolErrRecord, Body().cell(7, 0).u8(1).u8(0));
        s.record(kBoolErrRecord, Body().cell(7, 1).u8(0x2A).u8(1));
        for (unsigned i = 0; i < 3; ++i) s.record(kLabelSstRecord, Body().cell(8, i).u32(i));
    }, [](Stream& s) {
        StandardFormats(s);
        s.record(kSstRecord, Body().u32(3).u32(3).narrow("one").u16(5).u8(0).bytes("ab"));
        s.record(kContinueRecord, Body().u8(1).u16(u'Ж').u16('z').u16('z').narrow("three"));
    });
    const Imported imported = Import(stream);
    ExpectCells(imported, {
        {1, 1, "12.5"}, {1, 2, "-7"}, {1, 3, "12.5"}, {1, 4, "1.5"}, {2, 2, ""}, {2, 3, "3"}, {2, 4, "-0.45"},
        {3, 1, "01/01/95"}, {3, 2, "13:30"}, {3, 3, "34700"}, {3, 4, "34700"},
        {5, 1, "HELLO"}, {5, 2, "TRUE"}, {5, 3, "#DIV/0!"}, {5, 4, ""}, {6, 1, ""}, {6, 2, "5"}, {6, 3, ""},
        {7, 1, "Temperatura °C"}, {7, 2, "rich"}, {8, 1, "TRUE"}, {8, 2, "#N/A"},
        {9, 1, "one"}, {9, 2, "abЖzz"}, {9, 3, "three"},
    });
    EXPECT_EQ(imported.sheet.rowCount(), MeteoSheet::kInitialRows);
    EXPECT_EQ(imported.sheet.columnCount(), MeteoSheet::kInitialColumns);
}

TEST(ReadBiffWorksheet, DamagedCellRecordsFailTheImport)
{
    const auto one = [](std::uint16_t id, const Body& body) { return [=](Stream& s) { s.record(id, body); }; };
    const std::pair<std::function<void(Stream&)>, const char*> cases[] = {
        {one(kMulRkRecord, Body().u16(0).u16(0)), "a cell record is cut short"},
        {one(kLabelRecord, Body().cell(0, 0).u16(9).u8(0).bytes("ab")), "a text cell is damaged"},
        {one(kLabelSstRecord, Body().cell(0, 0).u32(3)), "a cell refers to a shared string the workbook lacks"},
        {[](Stream& s) {
             s.record(kFormulaRecord, Formula(0, 0, 0));
             s.record(kStringRecord, Body().u16(40).u8(0).bytes("x"));
         },
         "a formula's text is damaged"},
    };
    for (const auto& [cells, reason] : cases) EXPECT_EQ(Import(OneSheet(cells)).failure, reason);
}

// BIFF5 and earlier workbooks hold byte strings in the workbook's code page.
TEST(ReadBiffWorksheet, Biff5TextsAndNamesInTheirCodePage)
{
    const auto stream = Workbook(
        {{"\xC4\xE0\xED\xED\xFB\xE5", [](Stream& s) { // "Данные"
              s.record(kLabelRecord, Body().cell(0, 0).counted("\xC4\xEE\xE6\xE4\xFC", 2));
              s.record(kFormulaRecord, Formula(0, 1, 0));
              s.record(kStringRecord, Body().counted("\xEC\xEC", 2));
              s.record(kNumberRecord, Body().cell(0, 2, 1).f64(34700));
          }}},
        [](Stream& s) {
            s.record(0x0042, Body().u16(1251));
            StandardFormats(s, false);
        },
        false);
    const Imported imported = Import(stream);
    EXPECT_EQ(imported.names, std::vector<std::string>{"Данные"});
    ExpectCells(imported, {{1, 1, "Дождь"}, {1, 2, "мм"}, {1, 3, "01/01/95"}});
}

} // namespace etp
