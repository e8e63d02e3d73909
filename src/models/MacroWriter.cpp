#include "models/MacroWriter.h"

#include <algorithm>
#include <cmath>

#include "base/Messages.h"
#include "models/FixedWidth.h"
#include "models/ModelFile.h"
#include "sheet/RowDates.h"
#include "sheet/PositionalDate.h"
#include "sheet/SheetQueries.h"

namespace etp {

std::string MacroDailyText(const MeteoSheet& sheet, const ColumnMap& columns, int valueColumn, MacroFile file)
{
    const int last = LastDataRow(sheet, columns);
    if (file == MacroFile::Rain)
        RefuseMissingDays(sheet, columns, RainFileColumns(sheet, valueColumn), kMacroRainNotWritten);
    else
        RefuseMissingDays(sheet, columns, MacroEtpColumns(sheet, valueColumn), kMacroEtpNotWritten);
    const RowDates dates(sheet, columns);
    const NumberPattern twoDigits("00"), millimetres("000.0");
    // Every line is 'yymmdd', two blanks, 000.0, four blanks and the line end.
    constexpr std::size_t kLineBytes = 8 + 2 + 5 + 4 + kLineEnd.size();
    std::string text;
    text.reserve(static_cast<std::size_t>(std::max(last - 1, 0)) * kLineBytes);
    for (int r = 2; r <= last; ++r) {
        const PositionalDate date = ReadDateByPosition(dates.text(r));
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
