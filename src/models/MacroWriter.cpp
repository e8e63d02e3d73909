#include "models/MacroWriter.h"

#include <cmath>

#include "models/FixedWidth.h"
#include "models/ModelFile.h"
#include "sheet/PositionalDate.h"
#include "sheet/SheetQueries.h"

namespace etp {

std::string MacroDailyText(const MeteoSheet& sheet, const ColumnMap& columns, int valueColumn)
{
    const int last = LastDataRow(sheet, columns);
    const int dateColumn = columns.column(ColumnBox::Date);
    const NumberPattern twoDigits("00"), millimetres("000.0");
    std::string text;
    text.reserve(static_cast<std::size_t>(last) * 20);
    for (int r = 2; r <= last; ++r) {
        const PositionalDate date = ReadDateByPosition(sheet.cellText(r, dateColumn));
        text += '\'';
        twoDigits.append(text, std::nearbyint(date.year));
        twoDigits.append(text, std::nearbyint(date.month));
        twoDigits.append(text, std::nearbyint(date.day));
        text += "'  ";
        millimetres.appendFixedWidth(text, FiniteCellValue(sheet, r, valueColumn));
        text += "    ";
        text += kLineEnd;
    }
    return text;
}

} // namespace etp
