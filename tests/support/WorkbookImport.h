#pragma once
// Workbooks imported as File > Open imports them, and the cells where two imports of one
// workbook differ, for the readers' tests.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "import/WorkbookReader.h"
#include "support/SheetBuilder.h"

namespace etp::testing {

struct ImportedSheet {
    bool ok = false;
    std::vector<std::string> names;
    MeteoSheet cells;
    int dropped = 0;
    std::string failure;
};

// The sheet names, then sheet `index`, as the import command reads them.
inline ImportedSheet ImportSheet(WorkbookReader& reader, const std::string& path, int index = 0)
{
    ImportedSheet sheet;
    if (reader.isWorkbook(path)) {
        sheet.names = reader.sheetNames(path).value_or(std::vector<std::string>{"no list"});
        sheet.ok = reader.importSheet(path, index, sheet.cells);
    }
    sheet.dropped = reader.droppedColumns();
    sheet.failure = reader.failure();
    return sheet;
}

// Every row of the sheet, "\n" after each.
inline std::string Cells(const MeteoSheet& sheet)
{
    std::string text;
    for (int r = 1; r <= sheet.lastNonEmptyRow(); ++r) text += RowText(sheet, r) + "\n";
    return text;
}

// What a spreadsheet program's .xlsx or .ods of an .xls workbook may show otherwise:
// it has no boolean cells (TRUE and FALSE become the numbers 1 and 0), and it saves
// numbers in .ods rounded to 15 significant digits, which shown with 15 digits again may
// move the last one (0.514589473684211 for 0.5145894736842105).
inline bool SavedAsTheSameValue(const std::string& saved, const std::string& xls)
{
    if ((saved == "1" && xls == "TRUE") || (saved == "0" && xls == "FALSE")) return true;
    char* end = nullptr;
    const double x = std::strtod(saved.c_str(), &end);
    if (saved.empty() || *end) return false;
    const double y = std::strtod(xls.c_str(), &end);
    if (xls.empty() || *end) return false;
    const double largest = std::max(std::abs(x), std::abs(y));
    return largest > 0 && std::abs(x - y) <= 1.01 * std::pow(10.0, std::floor(std::log10(largest)) - 14);
}

// The cells where a saved copy differs from the .xls import, "row,column: saved | xls" a
// line, but for values saved as the same value.
inline std::string Differences(const MeteoSheet& saved, const MeteoSheet& xls)
{
    std::string lines;
    for (int r = 1; r <= std::max(saved.lastNonEmptyRow(), xls.lastNonEmptyRow()); ++r)
        for (int c = 1; c <= MeteoSheet::kMaxColumns; ++c) {
            const std::string x(saved.cellText(r, c)), y(xls.cellText(r, c));
            if (x != y && !SavedAsTheSameValue(x, y))
                lines += std::to_string(r) + "," + std::to_string(c) + ": " + x + " | " + y + "\n";
        }
    return lines;
}

} // namespace etp::testing
