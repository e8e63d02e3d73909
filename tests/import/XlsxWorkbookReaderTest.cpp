#include <gtest/gtest.h>

#include "import/WorkbookReader.h"
#include "support/TempDir.h"
#include "support/WorkbookImport.h"
#include "support/ZipBuilder.h"

namespace etp {

namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::ZipBuilder;

using Imported = testing::ImportedSheet;

Imported ImportXlsx(const std::string& path, int index = 0)
{
    return testing::ImportSheet(*MakeXlsxWorkbookReader(), path, index);
}

const std::string kRoot = R"(<Relationships><Relationship Id="r1" Type="http://x/relationships/officeDocument" )"
                          R"(Target="xl/workbook.xml"/></Relationships>)";

// A package of one workbook of `sheets` worksheets, without the worksheets' own parts
// (xl/worksheets/sheetN.xml), which the caller adds.
ZipBuilder Package(const std::string& workbookPr, int sheets, const std::string& strings, const std::string& styles)
{
    std::string book = R"(<workbook xmlns:r="http://x/r">)" + workbookPr + "<sheets>", rels = "<Relationships>";
    for (int i = 1; i <= sheets; ++i) {
        const std::string n = std::to_string(i);
        book += "<sheet name=\"S" + n + "\" sheetId=\"" + n + "\" r:id=\"rs" + n + "\"/>";
        // The first by an absolute name, the others relative to the workbook.
        rels += "<Relationship Id=\"rs" + n + "\" Type=\"http://x/relationships/worksheet\" Target=\"" +
                (i == 1 ? "/xl/worksheets/sheet1.xml" : "worksheets/../worksheets/sheet" + n + ".xml") + "\"/>";
    }
    rels += R"(<Relationship Id="s" Type="http://x/relationships/sharedStrings" Target="sharedStrings.xml"/>)"
            R"(<Relationship Id="y" Type="http://x/relationships/styles" Target="styles.xml"/>)"
            R"(<Relationship Id="e" Type="http://x/relationships/hyperlink" Target="http://example.com/" TargetMode="External"/>)"
            "</Relationships>";
    ZipBuilder zip;
    zip.add("[Content_Types].xml", "<Types/>")
        .add("_rels/.rels", kRoot)
        .add("xl/workbook.xml", book + "</sheets></workbook>")
        .add("xl/_rels/workbook.xml.rels", rels)
        .add("xl/sharedStrings.xml", "<sst>" + strings + "</sst>")
        .add("xl/styles.xml", "<styleSheet>" + styles + "</styleSheet>");
    return zip;
}

std::string Worksheet(const std::string& sheetData)
{
    return "<worksheet><sheetData>" + sheetData + "</sheetData></worksheet>";
}

const std::string kStyles = R"(<numFmts><numFmt numFmtId="164" formatCode="yyyy\-mm\-dd"/></numFmts>)"
                            R"(<cellStyleXfs><xf numFmtId="14"/></cellStyleXfs>)"
                            R"(<cellXfs><xf numFmtId="0"/><xf numFmtId="164"/><xf numFmtId="20"/><xf numFmtId="14"/></cellXfs>)";

} // namespace

// What Excel and other writers put in a worksheet, each as the sheet shows it.
TEST(XlsxWorkbookReader, CellKindsAsTheSheetShowsThem)
{
    const std::string strings =
        R"(<si><t>DATE</t></si><si><r><t>T</t></r><r><rPr/><t xml:space="preserve">MAX </t></r><rPh><t>ti</t></rPh></si>)"
        R"(<si><t>a_x000D_b</t></si>)";
    const std::string sheet =
        R"(<row r="1"><c r="A1" t="s"><v>0</v></c><c t="s"><v>1</v></c><c r="D1" t="inlineStr"><is><r><t>in</t></r><r><t>line</t></r></is></c></row>)"
        R"(<row><c r="A2" s="1"><v>43101</v></c><c r="B2" s="2"><v>0.75</v></c><c r="C2"><v>0.30000000000000004</v></c>)"
        R"(<c r="D2" t="b"><v>1</v></c><c r="E2" t="e"><v>#DIV/0!</v></c><c r="F2" t="str"><f>A1</f><v>DATE</v></c>)"
        R"(<c r="G2" t="d" s="3"><v>2018-01-31T06:00:00</v></c><c r="H2" s="3"/><c r="I2" t="s"><v>2</v></c></row>)"
        R"(<row r="4"><c r="C4"><v>2</v></c><c r="B4"><v>1</v></c><c r="CW4"><v>101</v></c><c r="CV4"><v>100</v></c></row>)";
    const TempDir dir;
    const std::string path = dir.write("kinds.xlsx", Package("", 2, strings, kStyles)
                                                         .add("xl/worksheets/sheet1.xml", Worksheet(sheet))
                                                         .add("xl/worksheets/sheet2.xml", Worksheet("<row><c><v>1</v></c></row>"))
                                                         .bytes());
    const Imported got = ImportXlsx(path);
    ASSERT_TRUE(got.ok) << got.failure;
    EXPECT_EQ(got.names, (std::vector<std::string>{"S1", "S2"}));
    EXPECT_EQ(testing::Cells(got.cells), "DATE\tTMAX \t\tinline\n"
                         "01/01/18\t18:00\t0.3\tTRUE\t#DIV/0!\tDATE\t31/01/18\t\ta\rb\n"
                         "\n"
                         "\t1\t2" + std::string(97, '\t') + "100\n");
    EXPECT_EQ(got.dropped, 1);
    EXPECT_EQ(testing::Cells(ImportXlsx(path, 1).cells), "1\n");
    // The 1904 date system counts serial days from 1 January 1904.
    const std::string path1904 =
        dir.write("1904.xlsx", Package(R"(<workbookPr date1904="1"/>)", 1, "", kStyles)
                                   .add("xl/worksheets/sheet1.xml", Worksheet(R"(<row><c s="1"><v>1</v></c></row>)"))
                                   .bytes());
    EXPECT_EQ(testing::Cells(ImportXlsx(path1904).cells), "02/01/04\n");
}

// Damaged, cut short, bombs and packages that hold no workbook: refused with the reason,
// quickly, without reading more than the budget allows.
TEST(XlsxWorkbookReader, BadPackagesAreRefusedWithTheirReason)
{
    const TempDir dir;
    const std::string whole = ReadFile(ETP_TEST_DATA_DIR "/xls/weather.xlsx");
    const std::string laughs = R"(<?xml version="1.0"?><!DOCTYPE l [<!ENTITY a "aaaaaaaaaa">)"
                               R"(<!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;"><!ENTITY c "&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;">)"
                               R"(<!ENTITY d "&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;">]><worksheet><sheetData><row><c t="inlineStr"><is><t>&d;&d;&d;</t></is></c></row></sheetData></worksheet>)";
    const std::string external = R"(<?xml version="1.0"?><!DOCTYPE w [<!ENTITY x SYSTEM "file:///etc/passwd">]>)"
                                 R"(<worksheet><sheetData><row><c t="inlineStr"><is><t>&x;</t></is></c></row></sheetData></worksheet>)";
    const auto withSheet = [&](const std::string& name, const std::string& xml) {
        return dir.write(name, Package("", 1, "", kStyles).add("xl/worksheets/sheet1.xml", xml).bytes());
    };
    ZipBuilder bomb = Package("", 1, "", kStyles);
    bomb.addRepeated("xl/worksheets/sheet1.xml", "<worksheet><sheetData>", std::string(1 << 16, ' '), 2048,
                     "</sheetData></worksheet>"); // 128 MiB of blanks in a file of some hundred KiB
    const std::pair<std::string, const char*> cases[] = {
        {dir.write("cut.xlsx", whole.substr(0, whole.size() / 2)), "it is a damaged zip file, or one cut short"},
        {dir.write("other.xlsx", ZipBuilder().add("readme.txt", "hello").bytes()), "it is a zip file but no .xlsx workbook"},
        {withSheet("laughs.xlsx", laughs), "its part xl/worksheets/sheet1.xml declares a document type"},
        {withSheet("external.xlsx", external), "its part xl/worksheets/sheet1.xml declares a document type"},
        {withSheet("damaged.xlsx", "<worksheet><sheetData><row>"), "its part xl/worksheets/sheet1.xml is damaged (line 1: "},
        {withSheet("tall.xlsx", Worksheet(R"(<row r="1048577"><c><v>1</v></c></row>)")),
         "the sheet has more rows than a workbook may (1048576)"},
        {dir.write("bomb.xlsx", bomb.bytes()), "its part xl/worksheets/sheet1.xml would inflate to more than a workbook can hold"},
    };
    for (const auto& [path, reason] : cases) {
        const Imported got = ImportXlsx(path);
        EXPECT_FALSE(got.ok) << path;
        EXPECT_TRUE(got.failure.starts_with(reason)) << path << ": " << got.failure;
    }
    EXPECT_FALSE(ImportXlsx(ETP_TEST_DATA_DIR "/xls/weather.xlsx", 6).ok);
}

} // namespace etp
