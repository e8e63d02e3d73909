#include "models/ModelFile.h"

#include <cmath>

#include "models/DayNumbers.h"
#include "sheet/NumericValue.h"
#include "sheet/PositionalDate.h"

namespace etp {

void RefuseMissingCells(const MeteoSheet& sheet, std::initializer_list<ReadColumn> columns, int lastRow,
                        std::string_view notWritten)
{
    if (const auto cell = FirstMissingCell(sheet, columns, 2, lastRow))
        throw MissingInput(MissingCellMessage(sheet, *cell, notWritten));
}

double FiniteCellValue(const MeteoSheet& sheet, int row, int column)
{
    const std::string_view text = sheet.cellText(row, column);
    const double value = NumericValue(text);
    if (!std::isfinite(value))
        throw RefusedInput("The value in row " + std::to_string(row) + ", column " + std::to_string(column) +
                           " is too large to be written: \"" + std::string(text) + "\"");
    return value;
}

int RowDayNumber(std::string_view text, int row, double firstYear, bool refuseEarlierYear)
{
    const PositionalDate date = ReadDateByPosition(text);
    if (refuseEarlierYear && std::nearbyint(date.year) < std::nearbyint(firstYear))
        throw RefusedInput("The dates go back to an earlier year at row " + std::to_string(row) + " (\"" +
                           std::string(text) + "\"): day and week numbers cannot run on from year 99 into year 00.");
    const auto day = DayNumber(date, firstYear);
    if (!day)
        throw RefusedInput("The date in row " + std::to_string(row) + " has no month from 1 to 12 in characters 4-5: \"" +
                           std::string(text) + "\"");
    return *day;
}

} // namespace etp
