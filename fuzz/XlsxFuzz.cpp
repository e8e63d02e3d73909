// libFuzzer target: any bytes as an .xlsx file. Half the inputs are the file itself (zip
// directory, inflation, every part); the other half are a worksheet's XML, packed with a
// fixed workbook, shared strings and styles so that the fuzzer works on the cells rather
// than on the zip around them.
//   fuzz/run.sh xlsx [SECONDS]
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "import/WorkbookReader.h"
#include "support/ZipBuilder.h"

namespace {

std::string Package(std::string_view worksheet)
{
    using etp::testing::ZipBuilder;
    return ZipBuilder()
        .add("[Content_Types].xml", "<Types/>", ZipBuilder::Method::Stored)
        .add("_rels/.rels", R"(<Relationships><Relationship Id="a" Type="x/officeDocument" Target="xl/workbook.xml"/></Relationships>)",
             ZipBuilder::Method::Stored)
        .add("xl/workbook.xml", R"(<workbook xmlns:r="r"><sheets><sheet name="S" r:id="s"/></sheets></workbook>)",
             ZipBuilder::Method::Stored)
        .add("xl/_rels/workbook.xml.rels",
             R"(<Relationships><Relationship Id="s" Type="x/worksheet" Target="worksheets/sheet1.xml"/>)"
             R"(<Relationship Id="t" Type="x/sharedStrings" Target="sharedStrings.xml"/>)"
             R"(<Relationship Id="y" Type="x/styles" Target="styles.xml"/></Relationships>)",
             ZipBuilder::Method::Stored)
        .add("xl/sharedStrings.xml", "<sst><si><t>DATE</t></si><si><r><t>T</t></r><r><t>MAX</t></r></si></sst>",
             ZipBuilder::Method::Stored)
        .add("xl/styles.xml",
             R"(<styleSheet><numFmts><numFmt numFmtId="164" formatCode="[h]:mm:ss"/></numFmts>)"
             R"(<cellXfs><xf numFmtId="0"/><xf numFmtId="14"/><xf numFmtId="164"/><xf numFmtId="20"/></cellXfs></styleSheet>)",
             ZipBuilder::Method::Stored)
        .add("xl/worksheets/sheet1.xml", worksheet, ZipBuilder::Method::Stored)
        .bytes();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string file = data[0] & 1 ? std::string(rest) : Package(rest);
    // The reader opens a path: the bytes go to a file in memory.
    const int fd = memfd_create("xlsx", 0);
    if (fd < 0 || write(fd, file.data(), file.size()) != static_cast<ssize_t>(file.size())) return 0;
    const std::string path = "/proc/self/fd/" + std::to_string(fd);
    const auto reader = etp::MakeXlsxWorkbookReader();
    if (reader->isWorkbook(path)) {
        etp::MeteoSheet sheet;
        reader->importSheet(path, 0, sheet);
    }
    close(fd);
    return 0;
}
