#pragma once
// Small sheets for tests, written as the text file the person would open.
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/MeteoSheet.h"
#include "import/TextImport.h"
#include "sheet/ColumnMap.h"

namespace etp::testing {

// Column boxes holding the given texts from the date box on, the others as a new sheet
// has them.
inline ColumnMap BoxesOf(std::initializer_list<std::string> texts)
{
    ColumnMap columns;
    std::size_t i = 0;
    for (const std::string& text : texts) columns.set(kAllColumnBoxes[i++], text);
    return columns;
}
// The eight classic boxes naming columns 1 to 8.
inline ColumnMap FirstEightColumns() { return BoxesOf({"1", "2", "3", "4", "5", "6", "7", "8"}); }

inline MeteoSheet SheetOf(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    MeteoSheet sheet;
    ReadTextLines(sheet, text);
    return sheet;
}

// The fields of a TAB-separated line into one row from column 1, each field one cell.
inline void SetRow(MeteoSheet& sheet, int row, std::string_view line)
{
    std::vector<std::string_view> cells;
    for (std::size_t start = 0, tab = 0; tab != std::string_view::npos; start = tab + 1) {
        tab = line.find('\t', start);
        cells.push_back(line.substr(start, tab - start)); // the rest of the line when no TAB follows
    }
    sheet.setCells(row, 1, cells);
}

// The cells of one row from firstColumn to the last non-empty one up to lastColumn,
// joined by TAB.
inline std::string RowText(const MeteoSheet& sheet, int row, int firstColumn = 1, int lastColumn = MeteoSheet::kMaxColumns)
{
    while (lastColumn >= firstColumn && sheet.cellText(row, lastColumn).empty()) --lastColumn;
    std::string text;
    for (int c = firstColumn; c <= lastColumn; ++c) {
        if (c > firstColumn) text += '\t';
        text += sheet.cellText(row, c);
    }
    return text;
}

inline const char* kStationTitles = "DATE\tTMIN\tTMAX\tRHMIN\tRHMAX\tRAD\tWIND\tELIOF\tRAIN";

} // namespace etp::testing
