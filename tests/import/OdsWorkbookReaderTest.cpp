#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "import/WorkbookReader.h"
#include "support/TempDir.h"
#include "support/WorkbookImport.h"
#include "support/ZipBuilder.h"

namespace etp {

namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::ZipBuilder;

// Saved as .ods by a spreadsheet program from the .xls fixtures; see tests/data/xls/README.md.
const std::string kData = ETP_TEST_DATA_DIR "/xls/";
// Real workbooks of public spreadsheet test corpora; present where CI has them.
const std::string kShared = ETP_SHARED_DATA_DIR "/xls/";

using Sheet = testing::ImportedSheet;
using testing::Cells;

Sheet Import(const std::string& path, int index = 0) { return testing::ImportSheet(*MakeOdsWorkbookReader(), path, index); }

bool StartsWith(const std::string& text, const std::string& start) { return text.substr(0, start.size()) == start; }

constexpr std::string_view kMimetype = "application/vnd.oasis.opendocument.spreadsheet";

const std::string kHead = R"(<?xml version="1.0" encoding="UTF-8"?>
<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0"
 xmlns:number="urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0">)";
const std::string kBody = "<office:body><office:spreadsheet>";
const std::string kTail = "</office:spreadsheet></office:body></office:document-content>";

// An .ods package of this content.xml, as the spreadsheet programs lay it out.
std::string Package(std::string_view content)
{
    return ZipBuilder().add("mimetype", kMimetype, ZipBuilder::Method::Stored).add("content.xml", content).bytes();
}

// A package holding one table of these rows.
std::string OneTable(std::string_view rows)
{
    return Package(kHead + kBody + "<table:table table:name=\"T\">" + std::string(rows) + "</table:table>" + kTail);
}

std::string Repeat(std::string_view text, int times)
{
    std::string repeated;
    for (int i = 0; i < times; ++i) repeated += text;
    return repeated;
}

std::string TextCell(std::string_view text)
{
    return "<table:table-cell office:value-type=\"string\"><text:p>" + std::string(text) + "</text:p></table:table-cell>";
}

} // namespace

// Texts as a person sees them: paragraphs, spaces, tabs and breaks; values rather than
// the shown text or the formula (a string's own value, not its padded display); dates and times through their data styles (the cell's
// own, its parent's, its column's); a merged area's text at its first cell; repeated
// cells and rows written each time. An annotation, a drawing and a chart's table are no
// cells, and a chart's table is no sheet.
TEST(OdsWorkbookReader, TextsAsAPersonSeesThem)
{
    const std::string styles = R"(<office:automatic-styles>
 <number:time-style style:name="Nhm"><number:hours/><number:text>:</number:text><number:minutes/></number:time-style>
 <number:time-style style:name="Nhms"><number:hours/><number:minutes/><number:seconds/></number:time-style>
 <number:time-style style:name="Nlong" number:truncate-on-overflow="false"><number:hours/><number:minutes/></number:time-style>
 <number:date-style style:name="Nclock"><number:hours/><number:minutes/><number:seconds/></number:date-style>
 <number:date-style style:name="Nday"><number:day/><number:month/><number:year/><number:hours/></number:date-style>
 <style:style style:name="hm" style:family="table-cell" style:data-style-name="Nhm"/>
 <style:style style:name="hms" style:family="table-cell" style:data-style-name="Nhms"/>
 <style:style style:name="long" style:family="table-cell" style:data-style-name="Nlong"/>
 <style:style style:name="longer" style:family="table-cell" style:parent-style-name="long"/>
 <style:style style:name="clock" style:family="table-cell" style:data-style-name="Nclock"/>
 <style:style style:name="day" style:family="table-cell" style:data-style-name="Nday"/>
</office:automatic-styles>)";
    const auto time = [](const char* value, const char* style) {
        return std::string("<table:table-cell office:value-type=\"time\" office:time-value=\"") + value + "\"" +
               (*style ? std::string(" table:style-name=\"") + style + "\"" : "") + "><text:p>x</text:p></table:table-cell>";
    };
    const auto date = [](const char* value, const char* style) {
        return std::string("<table:table-cell office:value-type=\"date\" office:date-value=\"") + value +
               "\" table:style-name=\"" + style + "\"><text:p>x</text:p></table:table-cell>";
    };
    const std::string texts =
        "<table:table table:name=\"Texts\"><table:table-column table:number-columns-repeated=\"2\"/>"
        "<table:table-column table:default-cell-style-name=\"hm\"/>"
        "<table:shapes><draw:frame><draw:text-box><text:p>drawn</text:p></draw:text-box></draw:frame></table:shapes>"
        "<table:table-row>"
        "<table:table-cell office:value-type=\"string\"><office:annotation><text:p>note</text:p></office:annotation>"
        "<text:p><text:s text:c=\"2\"/>a<text:tab/>b<text:line-break/>c <text:span>d</text:span><text:a>e</text:a></text:p>"
        "<text:p><text:span>second </text:span> line</text:p></table:table-cell>"
        "<table:table-cell table:formula=\"of:=1/0\"><text:p>Err:502</text:p></table:table-cell>"
        "<table:table-cell table:formula=\"of:=1+1\" office:value-type=\"float\" office:value=\"2\"><text:p>2.00</text:p></table:table-cell>"
        "<table:table-cell office:value-type=\"currency\" office:value=\"1234.5\"><text:p>1,234.50 EUR</text:p></table:table-cell>"
        "<table:table-cell office:value-type=\"percentage\" office:value=\"0.25\"><text:p>25%</text:p></table:table-cell>"
        "<table:table-cell office:value-type=\"boolean\" office:boolean-value=\"true\"><text:p>VERO</text:p></table:table-cell>"
        "<table:table-cell table:number-columns-spanned=\"2\" office:value-type=\"string\"><text:p>merged</text:p></table:table-cell>"
        "<table:covered-table-cell office:value-type=\"string\"><text:p>covered</text:p></table:covered-table-cell>" +
        TextCell("after") +
        "<table:table-cell office:value-type=\"string\" office:string-value=\"Taxable\"><text:p>   Taxable</text:p></table:table-cell>"
        "</table:table-row>"
        "<table:table-row table:number-rows-repeated=\"2\"><table:table-cell table:number-columns-repeated=\"3\" "
        "office:value-type=\"float\" office:value=\"7\"><text:p>7</text:p></table:table-cell></table:table-row>"
        "<table:table-row>" +
        time("PT13H30M15S", "hm") + time("PT13H30M15S", "hms") + time("PT13H30M15S", "") + time("PT36H5M", "long") +
        time("PT36H5M", "longer") + time("PT36H5M", "unknown") + date("1995-03-05T06:30:15", "clock") +
        date("1995-03-05T06:30:15", "hm") + date("1995-03-05T06:30:15", "day") +
        "</table:table-row></table:table>";
    const std::string chart = "<table:table table:name=\"Chart\"><table:table-row>" + TextCell("caption") +
                              "</table:table-row><table:shapes><draw:frame><draw:object><office:document><office:body>"
                              "<office:chart><table:table table:name=\"local-table\"><table:table-row>" +
                              TextCell("chart data") + "</table:table-row></table:table></office:chart></office:body>"
                              "</office:document></draw:object></draw:frame></table:shapes></table:table>";
    const TempDir dir;
    const std::string path = dir.write("texts.ods", Package(kHead + styles + kBody + texts + chart + kTail));
    const Sheet sheet = Import(path);
    ASSERT_TRUE(sheet.ok) << sheet.failure;
    EXPECT_EQ(sheet.names, (std::vector<std::string>{"Texts", "Chart"}));
    EXPECT_EQ(Cells(sheet.cells), "  a\tb\nc de\nsecond  line\tErr:502\t2\t1234.5\t0.25\tTRUE\tmerged\t\tafter\tTaxable\n"
                                  "7\t7\t7\n7\t7\t7\n"
                                  "13:30\t13:30:15\t13:30\t36:05\t36:05\t12:05:00\t06:30:15\t06:30\t05/03/95\n");
    EXPECT_EQ(Cells(Import(path, 1).cells), "caption\n");
}

// LibreOffice ends every sheet with a million empty rows and each row with thousands of
// empty cells: they cost nothing. A repeated row of text past the last row is refused
// at once rather than written a million times.
TEST(OdsWorkbookReader, RepeatsOfEmptyCellsCostNothing)
{
    const TempDir dir;
    const std::string sparse = dir.write(
        "sparse.ods",
        OneTable("<table:table-row>" + TextCell("A") + "<table:table-cell table:number-columns-repeated=\"16000\"/>" + TextCell("B") +
                 "</table:table-row><table:table-row table:number-rows-repeated=\"1048000\"><table:table-cell "
                 "table:number-columns-repeated=\"16384\"/></table:table-row><table:table-row>" +
                 TextCell("C") + "</table:table-row>"));
    const Sheet sheet = Import(sparse);
    ASSERT_TRUE(sheet.ok) << sheet.failure;
    EXPECT_EQ(sheet.cells.cellText(1, 1), "A");
    EXPECT_EQ(sheet.cells.cellText(1048002, 1), "C");
    EXPECT_EQ(sheet.cells.lastNonEmptyColumn(1), 1);
    EXPECT_EQ(sheet.dropped, 1); // B
    const std::string full = dir.write(
        "full.ods", OneTable("<table:table-row table:number-rows-repeated=\"1048577\"><table:table-cell "
                             "table:number-columns-repeated=\"16384\" office:value-type=\"float\" office:value=\"1\"/></table:table-row>"));
    EXPECT_EQ(Import(full).failure, "the sheet has more rows than a workbook may (1048576)");
}

// Files that are no spreadsheet, damaged ones and bombs are refused, each with its
// reason, and quickly.
TEST(OdsWorkbookReader, RefusesWithTheReason)
{
    const TempDir dir;
    const std::string weather = ReadFile(kData + "weather.ods");
    const std::string laughs = R"(<?xml version="1.0"?><!DOCTYPE lolz [<!ENTITY lol "lol">
<!ENTITY lol2 "&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;"><!ENTITY lol3 "&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;">
<!ENTITY lol4 "&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;">]>)";
    const std::pair<std::string, const char*> cases[] = {
        {dir.write("cut.ods", weather.substr(0, weather.size() / 2)), "it is a damaged zip file, or one cut short"},
        {dir.write("text.ods", "DATE\tTMIN\r\n"), "it is a damaged zip file, or one cut short"},
        {dir.write("nocontent.ods", ZipBuilder().add("mimetype", kMimetype).add("styles.xml", "<a/>").bytes()),
         "it has no part content.xml"},
        {dir.write("text.odt", ZipBuilder().add("mimetype", "application/vnd.oasis.opendocument.text").add("content.xml", kHead + kTail).bytes()),
         "it is a zip file but no OpenDocument spreadsheet"},
        {dir.write("other.zip", ZipBuilder().add("readme.txt", "hello").bytes()), "it is a zip file but no OpenDocument spreadsheet"},
        {dir.write("nosheets.ods", Package(kHead + "<office:body><office:text/></office:body></office:document-content>")),
         "it is a zip file but no OpenDocument spreadsheet"},
        {dir.write("laughs.ods", Package(laughs + "<lolz>&lol4;</lolz>")),
         // libxml2 stops at the entities' growth, or at the document type: nothing is expanded.
         "its part content.xml "},
        {dir.write("damaged.ods", Package(kHead + kBody + "<table:table table:name=\"T\"><table:table-row>")),
         "its part content.xml is damaged"},
        {dir.write("bomb.ods", ZipBuilder()
                                   .add("mimetype", kMimetype, ZipBuilder::Method::Stored)
                                   .addRepeated("content.xml", kHead + kBody, std::string(1 << 20, ' '), 300, kTail)
                                   .bytes()),
         "its part content.xml would inflate to more than a workbook can hold"},
        {dir.write("spaces.ods", OneTable("<table:table-row><table:table-cell><text:p><text:s text:c=\"300000000\"/>"
                                          "</text:p></table:table-cell></table:table-row>")),
         "the sheet holds more text than an import may (128 MB)"},
        // One cell repeated along a whole row, and the row down the whole sheet: refused
        // before a row is written.
        {dir.write("repeats.ods", OneTable("<table:table-row table:number-rows-repeated=\"1048576\"><table:table-cell "
                                           "table:number-columns-repeated=\"16384\" office:value-type=\"float\" "
                                           "office:value=\"1\"/></table:table-row>")),
         "the sheet holds more cells than an import may (20000000)"},
        {dir.write("deep.ods", OneTable("<table:table-row><table:table-cell><text:p>" + Repeat("<text:span>", 300) +
                                        Repeat("</text:span>", 300) + "</text:p></table:table-cell></table:table-row>")),
         "its part content.xml nests elements deeper than a workbook does (256)"},
    };
    for (const auto& [path, reason] : cases) {
        const Sheet sheet = Import(path);
        EXPECT_FALSE(sheet.ok) << path;
        EXPECT_TRUE(StartsWith(sheet.failure, reason)) << path << ": " << sheet.failure;
    }
    for (const int index : {6, -1})
        EXPECT_EQ(Import(kData + "weather.ods", index).failure, "the workbook has no sheet " + std::to_string(index + 1));
}

// The list and the import that follow a workbook test reuse what it opened, but only for
// the same file.
TEST(OdsWorkbookReader, ListAndImportFollowTheFileTheyAreGiven)
{
    const auto reader = MakeOdsWorkbookReader();
    ASSERT_TRUE(reader->isWorkbook(kData + "weather.ods"));
    EXPECT_EQ(reader->sheetNames(kData + "dates1904.ods"), std::vector<std::string>{"1904"});
    MeteoSheet sheet;
    ASSERT_TRUE(reader->importSheet(kData + "weather.ods", 0, sheet)) << reader->failure();
    EXPECT_EQ(sheet.cellText(1, 2), "Ferrara");
}

} // namespace etp
