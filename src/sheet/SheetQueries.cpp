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

std::optional<MissingCell> FirstMissingCell(const MeteoSheet& sheet, std::initializer_list<ReadColumn> columns,
                                            int firstRow, int lastRow)
{
    for (int r = firstRow; r <= lastRow; ++r)
        for (const ReadColumn& read : columns) {
            if (read.column == 0) continue;
            const std::string_view text = sheet.cellText(r, read.column);
            if (read.rain ? !RainValue(text) : IsMissingValue(text)) return MissingCell{r, read.column};
        }
    return std::nullopt;
}

std::string MissingCellMessage(const MeteoSheet& sheet, const MissingCell& cell, std::string_view notDone)
{
    const std::string_view text = sheet.cellText(cell.row, cell.column);
    std::string kind;
    if (text.empty())
        kind = "empty cell";
    else if (IsNumberText(text))
        kind = "missing-value code " + std::string(text);
    else
        kind = "\"" + std::string(text) + "\"";
    return "Row " + std::to_string(cell.row) + ", column " + std::to_string(cell.column) + " \"" +
           std::string(sheet.cellText(1, cell.column)) + "\": no value (" + kind + "); " + std::string(notDone) + ".";
}

std::optional<double> RainValue(std::string_view text)
{
    if (text.empty()) return 0.0;
    return MeasuredValue(text);
}

} // namespace etp
