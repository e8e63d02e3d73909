#include "models/ModelFile.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "et/MethodTable.h"

#include "models/DayNumbers.h"
#include "sheet/NumericValue.h"
#include "sheet/PositionalDate.h"
#include "sheet/RowDates.h"

namespace etp {

std::vector<FileColumn> RainFileColumns(const MeteoSheet& sheet, int rainColumn)
{
    return {{{rainColumn, true}, std::string(sheet.cellText(1, rainColumn)), GapRemedy::Fill}};
}

std::vector<FileColumn> LeachmEtpColumns(const MeteoSheet& sheet, const ColumnMap& columns, int etColumn)
{
    return {{{columns.column(ColumnBox::Tmin)}, kVariableCaptions[ColumnBox::Tmin], GapRemedy::Fill},
            {{columns.column(ColumnBox::Tmax)}, kVariableCaptions[ColumnBox::Tmax], GapRemedy::Fill},
            {{etColumn}, std::string(sheet.cellText(1, etColumn)), GapRemedy::ComputeAgain}};
}

std::vector<FileColumn> MacroEtpColumns(const MeteoSheet& sheet, int etColumn)
{
    return {{{etColumn}, std::string(sheet.cellText(1, etColumn)), GapRemedy::ComputeAgain}};
}

std::optional<std::string> MissingDaysRefusal(const MeteoSheet& sheet, const ColumnMap& columns,
                                              const std::vector<FileColumn>& read, std::string_view notWritten)
{
    const RowDates dates(sheet, columns);
    MissingDays gaps(dates);
    const int last = LastDataRow(sheet, columns);
    for (const FileColumn& column : read) gaps.addCells(sheet, column.read, column.name, column.remedy, 2, last);
    if (gaps.empty()) return std::nullopt;
    return gaps.message(notWritten);
}

void RefuseMissingDays(const MeteoSheet& sheet, const ColumnMap& columns, const std::vector<FileColumn>& read,
                       std::string_view notWritten)
{
    if (auto refusal = MissingDaysRefusal(sheet, columns, read, notWritten)) throw MissingInput(*refusal);
}

int RunEstimatedColumn(const MeteoSheet& sheet, int etColumn)
{
    // Compute writes the labels of one run side by side, then its "Estimated" column.
    for (int c = etColumn + 1; c <= MeteoSheet::kMaxColumns; ++c) {
        const std::string_view title = sheet.cellText(1, c);
        if (title == kEstimatedLabel) return c;
        if (!MethodOfLabel(title)) return 0;
    }
    return 0;
}

EstimatedDays EstimatedEtDays(const MeteoSheet& sheet, int etColumn, int estimatedColumn, int lastRow)
{
    const auto method = MethodOfLabel(sheet.cellText(1, etColumn));
    EstimatedDays days;
    if (!method || estimatedColumn == 0) return days;
    const Inputs read = Info(*method).inputs;
    for (int r = 2; r <= lastRow; ++r)
        if (const Inputs inputs = EstimatedInputs(sheet.cellText(r, estimatedColumn)) & read; inputs != 0) {
            ++days.count;
            days.inputs |= inputs;
        }
    return days;
}

std::string EstimatedDaysLine(std::string_view file, const EstimatedDays& days)
{
    std::string line = std::string(file) + ": " + std::to_string(days.count) + (days.count == 1 ? " day" : " days") +
                       " estimated";
    std::string what;
    for (const auto& [input, name] : {std::pair{kRadiationInput, "radiation"}, std::pair{kHumidityInputs, "humidity"},
                                      std::pair{kWindInput, "wind"}})
        if (days.inputs & input) what += (what.empty() ? "" : ", ") + std::string(name);
    return what.empty() ? line : line + " (" + what + ")";
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
