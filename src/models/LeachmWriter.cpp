#include "sheet/RowDates.h"
#include "models/LeachmWriter.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/Refusal.h"
#include "base/Messages.h"
#include "base/ToSingle.h"
#include "models/DayNumbers.h"
#include "models/FixedWidth.h"
#include "models/ModelFile.h"
#include "sheet/PositionalDate.h"
#include "sheet/NumericValue.h"
#include "sheet/SheetQueries.h"

namespace etp {

namespace {

constexpr std::string_view kGap = "    "; // between the fields of both files

struct Week {
    int days = 0;
    float temperature = 0; // sum of daily means [°C]
    float et = 0;          // [mm]
    float range = 0;       // sum of Tmax - Tmin [°C]
};

std::string RowText(int row) { return "row " + std::to_string(row); }

} // namespace

std::string LeachmRainText(const MeteoSheet& sheet, const ColumnMap& columns, int rainColumn, LeachmDateFormat dateFormat,
                           const std::array<double, 3>& nitrogen)
{
    for (const double concentration : nitrogen)
        if (!std::isfinite(concentration))
            throw RefusedInput("A concentration of nitrogen in rain is too large to be written.");
    // The end of every rain line is the same: the three concentrations.
    std::string concentrations;
    for (std::size_t i = 0; i < nitrogen.size(); ++i) {
        AppendNumberItem(concentrations, nitrogen[i]);
        concentrations += i + 1 < nitrogen.size() ? kGap : "          ";
    }
    concentrations += kLineEnd;

    const int last = LastDataRow(sheet, columns);
    RefuseMissingDays(sheet, columns, RainFileColumns(sheet, rainColumn), kLeachmRainNotWritten);
    const RowDates dates(sheet, columns);
    const double firstYear = ReadDateByPosition(dates.text(2)).year;
    const NumberPattern twoDigits("00"), dayNumber("000000"), millimetres("000.0");
    // Room for a line on every day: only the part the rainy days fill is ever touched.
    const std::size_t lineBytes = 14 + 3 + 2 * (kGap.size() + 5) + kGap.size() + concentrations.size();
    std::string text;
    text.reserve(static_cast<std::size_t>(std::max(last - 1, 0)) * lineBytes + 64);
    long rainyDays = 0;
    for (int r = 2; r <= last; ++r) {
        const double rain = FiniteCellValue(sheet, r, rainColumn); // [mm]
        if (!(rain > 0)) continue;
        if (!std::isfinite(3 * rain))
            throw RefusedInput("The rain in " + RowText(r) + " is too large to be written three times: \"" +
                               std::string(sheet.cellText(r, rainColumn)) + "\"");
        ++rainyDays;
        if (dateFormat == LeachmDateFormat::Ddmmaa) {
            const PositionalDate date = ReadDateByPosition(dates.text(r));
            twoDigits.append(text, std::nearbyint(date.day));
            twoDigits.append(text, std::nearbyint(date.month));
            twoDigits.append(text, std::nearbyint(date.year));
            text += "     ";
        } else {
            dayNumber.appendFixedWidth(text, RowDayNumber(dates.text(r), r, firstYear, true));
            text += "        ";
        }
        text += "0.2";
        text += kGap;
        millimetres.appendFixedWidth(text, rain);
        text += kGap;
        millimetres.appendFixedWidth(text, 3 * rain);
        text += kGap;
        text += concentrations;
    }
    text += "THERE ARE ";
    AppendNumberItem(text, static_cast<double>(rainyDays));
    text += "RAINY DAYS";
    text += kLineEnd;
    return text;
}

std::string LeachmEtpText(const MeteoSheet& sheet, const ColumnMap& columns, int etColumn, const UnitSelection& units)
{
    const int last = LastDataRow(sheet, columns);
    if (last - 1 > kLeachmMaxDays)
        throw RefusedInput("The LEACHM weekly file takes at most " + std::to_string(kLeachmMaxDays) +
                           " days; the data sheet has " + std::to_string(last - 1) + ".");
    const RowDates dates(sheet, columns);
    const int tminColumn = columns.column(ColumnBox::Tmin);
    const int tmaxColumn = columns.column(ColumnBox::Tmax);
    RefuseMissingDays(sheet, columns, LeachmEtpColumns(sheet, columns, etColumn), kLeachmEtpNotWritten);
    const double firstYear = ReadDateByPosition(dates.text(2)).year;

    std::vector<int> weekOfRow(static_cast<std::size_t>(std::max(last + 1, 2)));
    for (int r = 2; r <= last; ++r) {
        const std::string dateText = dates.text(r);
        const int w = WeekNumber(RowDayNumber(dateText, r, firstYear, true));
        if (w < 1 || w > kLeachmMaxWeeks)
            throw RefusedInput("The LEACHM weekly file has weeks 1 to " + std::to_string(kLeachmMaxWeeks) +
                               " only; the date in " + RowText(r) + " (\"" + dateText +
                               "\") falls in week " + std::to_string(w) + ".");
        weekOfRow[r] = w;
    }
    const int weeks = last >= 2 ? weekOfRow[last] : 0;

    std::vector<Week> table(kLeachmMaxWeeks + 1); // index = week number
    for (int r = 2; r <= last; ++r) {
        Week& week = table[weekOfRow[r]];
        const double Tmin = units.convert(UnitKind::Temperature, FiniteCellValue(sheet, r, tminColumn)); // [°C]
        const double Tmax = units.convert(UnitKind::Temperature, FiniteCellValue(sheet, r, tmaxColumn)); // [°C]
        const double ET = FiniteCellValue(sheet, r, etColumn);     // [mm d-1]
        try {
            week.temperature = ToSingleChecked(double(week.temperature) + (Tmin + Tmax) / 2, "the weekly temperature sum");
            week.et = ToSingleChecked(double(week.et) + ET, "the weekly ET sum");
            week.range = ToSingleChecked(double(week.range) + (Tmax - Tmin), "the weekly temperature range sum");
        } catch (const ArithmeticError& error) {
            throw RefusedInput("Arithmetic error in " + RowText(r) + ": " + error.what());
        }
        ++week.days;
    }

    const NumberPattern weekNumber("000"), millimetres("000.0"), temperature("000.0 ; -###.#"), range("000.0");
    std::string text;
    text.reserve(static_cast<std::size_t>(weeks) * 40);
    for (int w = 1; w <= weeks; ++w) {
        const Week& week = table[w];
        weekNumber.appendFixedWidth(text, w);
        text += kGap;
        if (week.days == 0) {
            text += "No data for this week!";
        } else {
            millimetres.appendFixedWidth(text, double(week.et) / week.days * 7); // [mm per week]
            text += kGap;
            text += "0";
            text += kGap;
            temperature.appendFixedWidth(text, double(week.temperature) / week.days);
            text += kGap;
            range.appendFixedWidth(text, double(week.range) / week.days);
        }
        text += kLineEnd;
    }
    return text;
}

std::array<double, 3> LeachmNitrogen(const LeachmSettings& settings)
{
    return {NumericValue(settings.urea), NumericValue(settings.ammonium), NumericValue(settings.nitrate)};
}

} // namespace etp
