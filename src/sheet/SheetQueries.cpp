#include "sheet/SheetQueries.h"

#include <string>
#include <string_view>

namespace etp {

namespace {

std::string UpperCase(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

constexpr int kLabelScanColumns = 30;

} // namespace

int LastDataRow(const MeteoSheet& sheet, const ColumnMap& columns)
{
    const int c = columns.column(DateBox);
    if (c == 0) return 0;
    int row = 1;
    while (row <= sheet.rowCount() && !sheet.cellText(row, c).empty()) ++row;
    return row - 1;
}

int UsedColumnCount(const MeteoSheet& sheet)
{
    const int last = sheet.lastNonEmptyColumn(1);
    return last < 1 ? 1 : (last > MeteoSheet::kMaxColumns ? MeteoSheet::kMaxColumns : last);
}

int FindRainColumn(const MeteoSheet& sheet)
{
    for (int c = 1; c <= kLabelScanColumns; ++c) {
        const std::string title = UpperCase(sheet.cellText(1, c));
        if (title.find("PRE") != std::string::npos || title.find("PIO") != std::string::npos ||
            title.find("RAI") != std::string::npos)
            return c;
    }
    return 0;
}

EtColumns FindEtColumns(const MeteoSheet& sheet)
{
    EtColumns found;
    for (int c = 1; c <= kLabelScanColumns; ++c) {
        const std::string_view title = sheet.cellText(1, c);
        for (int k = 0; k < static_cast<int>(kEtLabels.size()); ++k) {
            if (title != kEtLabels[static_cast<std::size_t>(k)] || found.count == 6) continue;
            ++found.count;
            found.labels.push_back(k + 1);
            found.column[static_cast<std::size_t>(k + 1)] = c;
        }
    }
    return found;
}

} // namespace etp
