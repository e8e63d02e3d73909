#include "sheet/TextImport.h"

#include <algorithm>
#include <limits>

namespace etp {

TextImportReport ReadTextLines(MeteoSheet& sheet, std::string_view bytes)
{
    TextImportReport report;
    std::size_t start = 0;
    const std::size_t n = bytes.size();
    // The row table up to the line of the last byte that can be in a cell (not a TAB, a
    // CR or the LF of a CR LF), allocated once rather than doubled line by line.
    std::size_t last = n;
    while (last > 0 && (bytes[last - 1] == '\t' || bytes[last - 1] == '\r' ||
                        (bytes[last - 1] == '\n' && last >= 2 && bytes[last - 2] == '\r')))
        --last;
    if (last > 0) {
        // memchr strides over a line at a time, far faster than a byte-by-byte count.
        long lines = 1;
        for (std::size_t cr = bytes.find('\r'); cr < last; cr = bytes.find('\r', cr + 1)) ++lines;
        sheet.reserveRows(static_cast<int>(std::min<long>(lines, std::numeric_limits<int>::max())));
    }
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
