#include "sheet/TextImport.h"

namespace etp {

TextImportReport ReadTextLines(MeteoSheet& sheet, std::string_view bytes)
{
    TextImportReport report;
    std::size_t start = 0;
    const std::size_t n = bytes.size();
    while (start < n) {
        ++report.lines;
        const int dropped = sheet.setLineText(report.lines, bytes, start);
        if (dropped > 0) {
            report.droppedFields += dropped;
            ++report.linesWithDroppedFields;
        }
        if (start == n) break;
        ++start; // the CR
        if (start < n && bytes[start] == '\n') ++start;
    }
    if (report.lines > sheet.rowCount()) sheet.growRows(report.lines);
    return report;
}

} // namespace etp
