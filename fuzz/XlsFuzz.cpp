// libFuzzer target: any bytes as an .xls file, through the compound-file container (or as
// a bare BIFF stream), the workbook globals and the cells of every sheet.
//   fuzz/run.sh [SECONDS]
#include <cstddef>
#include <cstdint>
#include <string>

#include "import/BiffWorkbook.h"
#include "import/SheetWriter.h"
#include "import/XlsContainer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string failure;
    const auto stream = etp::ReadWorkbookStream(etp::biff::Bytes(data, size), failure);
    if (!stream) return 0;
    const auto workbook = etp::ReadBiffWorkbook(stream->bytes(), stream->version, failure);
    if (!workbook) return 0;
    // A few sheets are enough: a file may list thousands that all start at one offset.
    for (std::size_t i = 0; i < workbook->sheets.size() && i < 8; ++i) {
        etp::MeteoSheet sheet;
        etp::SheetWriter writer(sheet);
        if (etp::ReadBiffWorksheet(stream->bytes(), *workbook, i, writer, failure)) writer.finish();
    }
    return 0;
}
