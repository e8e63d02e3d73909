#include <gtest/gtest.h>
#include <chrono>
#include "import/WorkbookReader.h"
#include "support/TempDir.h"
#include "support/ZipBuilder.h"
namespace etp {
TEST(OdsScratch, WorstCase)
{
    const std::string head = R"(<?xml version="1.0"?><office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"><office:body><office:spreadsheet><table:table table:name="T">)";
    const std::string rows = R"(<table:table-row table:number-rows-repeated="1048576"><table:table-cell table:number-columns-repeated="16384" office:value-type="float" office:value="1"/></table:table-row>)";
    const std::string tail = "</table:table></office:spreadsheet></office:body></office:document-content>";
    testing::TempDir dir;
    auto path = dir.write("w.ods", testing::ZipBuilder().add("content.xml", head + rows + tail).bytes());
    auto reader = MakeOdsWorkbookReader();
    MeteoSheet sheet;
    auto t0 = std::chrono::steady_clock::now();
    bool ok = reader->isWorkbook(path) && reader->importSheet(path, 0, sheet);
    auto t1 = std::chrono::steady_clock::now();
    std::printf("ok=%d failure=%s rows=%d dropped=%d %.2fs\n", ok, reader->failure().c_str(), sheet.rowCount(), reader->droppedColumns(),
                std::chrono::duration<double>(t1 - t0).count());
}
}
