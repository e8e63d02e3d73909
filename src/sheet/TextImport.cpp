#include "sheet/TextImport.h"

#include <algorithm>
#include <span>
#include <vector>

namespace etp {

namespace {

// The fields of one line, split at TAB: one more than the line has TABs.
void SplitAtTabs(std::string_view line, std::vector<std::string_view>& fields)
{
    fields.clear();
    std::size_t start = 0;
    for (std::size_t i = 0; i < line.size(); ++i)
        if (line[i] == '\t') {
            fields.push_back(line.substr(start, i - start));
            start = i + 1;
        }
    fields.push_back(line.substr(start));
}

} // namespace

TextImportReport ReadTextLines(MeteoSheet& sheet, std::string_view bytes)
{
    TextImportReport report;
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = std::min(bytes.find('\r', start), bytes.size());
        SplitAtTabs(bytes.substr(start, end - start), fields);
        ++report.lines;
        const std::size_t kept = std::min(fields.size(), static_cast<std::size_t>(MeteoSheet::kMaxColumns));
        const auto dropped = std::count_if(fields.begin() + static_cast<std::ptrdiff_t>(kept), fields.end(),
                                           [](std::string_view field) { return !field.empty(); });
        if (dropped > 0) {
            report.droppedFields += static_cast<int>(dropped);
            ++report.linesWithDroppedFields;
        }
        sheet.setCells(report.lines, 1, std::span(fields).first(kept));
        start = end + 1; // past the CR
        if (start < bytes.size() && bytes[start] == '\n') ++start;
    }
    if (report.lines > sheet.rowCount()) sheet.growRows(report.lines);
    return report;
}

} // namespace etp
