#include "sheet/TextImport.h"

namespace etp {

TextImportReport ReadTextLines(MeteoSheet& sheet, std::string_view bytes)
{
    TextImportReport report;
    std::size_t start = 0;
    const std::size_t n = bytes.size();
    while (start < n) {
        std::size_t end = bytes.find('\r', start);
        const std::size_t lineEnd = end == std::string_view::npos ? n : end;
        ++report.lines;
        const int dropped = sheet.setBlockText(report.lines, 1, MeteoSheet::kMaxColumns,
                                               bytes.substr(start, lineEnd - start));
        if (dropped > 0) {
            report.droppedFields += dropped;
            ++report.linesWithDroppedFields;
        }
        if (end == std::string_view::npos) break;
        start = end + 1;
        if (start < n && bytes[start] == '\n') ++start;
    }
    if (report.lines > sheet.rowCount()) sheet.growRows(report.lines);
    return report;
}

} // namespace etp
