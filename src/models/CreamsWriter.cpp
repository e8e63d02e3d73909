#include "models/CreamsWriter.h"

#include "base/Messages.h"
#include "models/FixedWidth.h"
#include "models/ModelFile.h"
#include "sheet/RowDates.h"
#include "sheet/PositionalDate.h"
#include "sheet/NumericValue.h"
#include "sheet/SheetQueries.h"

namespace etp {

namespace {

constexpr int kMonthsPerLine = 10;
constexpr int kMonthsPerYear = 12;
constexpr std::string_view kNoDataField = "    0.00";
constexpr std::string_view kRainLineStart = "          ";                  // 10 blanks
constexpr std::string_view kRainLineEnd = "                    ";           // 20 blanks
constexpr double kMillimetresPerInch = 25.4;

void AppendMonthlyBlock(std::string& out, const CreamsTable& table, int column)
{
    const NumberPattern pattern("00000.00");
    int k = 0;
    for (int r = 2;; ++r) {
        ++k;
        const std::string_view t = table.text(r, column);
        if (r > CreamsTable::kRows || t.empty()) {
            if (k != 1) out += kExplicitCrLineEnd;
            return;
        }
        if (t == "no data")
            out += kNoDataField;
        else
            pattern.appendFixedWidth(out, NumericValue(t));
        if (k == kMonthsPerLine) out += kExplicitCrLineEnd;
        if (k == kMonthsPerYear) {
            out += kExplicitCrLineEnd;
            k = 0;
        }
    }
}

} // namespace

std::string CreamsTemperatureRadiationText(const CreamsTable& table)
{
    std::string text;
    AppendMonthlyBlock(text, table, 1);
    AppendMonthlyBlock(text, table, 2);
    return text;
}

bool CreamsRainLineBreak(long fields)
{
    if (fields % 365 == 0) return true;
    if (fields > 5 * 365) return false;
    const bool oddYear = (fields / 365) % 2 == 0; // first, third, fifth year of fields
    return fields % 10 == (oddYear ? 0 : 5);
}

std::string CreamsRainText(const MeteoSheet& sheet, const ColumnMap& columns, int rainColumn)
{
    const int last = LastDataRow(sheet, columns);
    RefuseMissingDays(sheet, columns, RainFileColumns(sheet, rainColumn), kCreamsRainNotWritten);
    const RowDates dates(sheet, columns);
    const NumberPattern inches("00.00");
    const std::string filler = FixedWidthText("00.00");

    std::string text(kRainLineStart);
    text.reserve(static_cast<std::size_t>(last) * 6 + 64);
    long fields = 0;
    const auto endField = [&] {
        if (!CreamsRainLineBreak(++fields)) return;
        text += kRainLineEnd;
        text += kExplicitCrLineEnd;
        text += kRainLineStart;
    };
    const double firstYear = ReadDateByPosition(dates.text(2)).year;
    int previousDay = 0;
    for (int r = 2; r <= last; ++r) {
        // A year passing from 99 to 00 only makes the day numbers go back: no filler.
        const std::string dateText = dates.text(r);
        const int day = RowDayNumber(dateText, r, firstYear, false);
        if (r > 2 && day - previousDay > 1) {
            if (fields + (day - previousDay - 1) > kCreamsMaxRainFields)
                throw RefusedInput("The CREAMS rain file would hold more than " + std::to_string(kCreamsMaxRainFields) +
                                   " days: the dates jump at row " + std::to_string(r) + " (\"" +
                                   dateText + "\").");
            for (int missing = previousDay + 1; missing < day; ++missing) {
                text += filler;
                endField();
            }
        }
        previousDay = day;
        inches.appendFixedWidth(text, FiniteCellValue(sheet, r, rainColumn) / kMillimetresPerInch);
        endField();
    }
    return text;
}

} // namespace etp
