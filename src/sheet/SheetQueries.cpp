#include "sheet/SheetQueries.h"

#include <string>

#include "base/Text.h"
#include "sheet/AutoFind.h"
#include "sheet/NumericValue.h"

namespace etp {

int LastDataRow(const MeteoSheet& sheet, const ColumnMap& columns)
{
    const int c = columns.daysColumn();
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
    for (int c = 1; c <= kTitleScanColumns; ++c) {
        const std::string title = UpperCase(sheet.cellText(1, c));
        if (title.find("PRE") != std::string::npos || title.find("PIO") != std::string::npos ||
            title.find("RAI") != std::string::npos || IsKnownRainTitle(title))
            return c;
    }
    return 0;
}

std::optional<double> RainValue(std::string_view text)
{
    if (text.empty()) return 0.0;
    return MeasuredValue(text);
}

} // namespace etp
