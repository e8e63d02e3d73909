#include "models/CreamsTable.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "base/Refusal.h"
#include "base/Messages.h"
#include "base/ToSingle.h"
#include "et/DayReader.h"
#include "et/Units.h"
#include "models/FixedWidth.h"
#include "models/ModelFile.h"
#include "sheet/RowDates.h"
#include "sheet/DateParts.h"
#include "sheet/MissingDays.h"
#include "sheet/NumericValue.h"
#include "sheet/SheetQueries.h"

namespace etp {

namespace {

// Mean daily radiation in the sheet's unit -> langleys (cal cm-2 d-1): the unit table's
// evaporation equivalent [mm] at 59 cal cm-2 per mm, so the same energy gives the same
// langleys in every unit.
double LangleyFactor(const UnitSelection& units) { return units.factor(UnitKind::Radiation) * CalPerMm; }

struct Month {
    int days = 0;
    float temperature = 0; // sum of daily means [°C]
    float radiation = 0;   // sum [sheet unit]
};

std::string ArithmeticRefusal(int r, const ArithmeticError& error)
{
    return "Arithmetic error in row " + std::to_string(r) + ": " + error.what();
}

// The radiation of each row 2..last in the sheet's unit: the cell's value, or with the
// estimates on, Compute's estimate for a day without it (index = row). Days without T min,
// T max or a radiation are refused together, per column; `estimated` counts the others.
std::vector<std::optional<double>> DailyRadiation(const MeteoSheet& sheet, const ColumnMap& columns,
                                                  const UnitSelection& units, const RowDates& dates,
                                                  const ModelEstimates* estimates, EstimatedDays* estimated)
{
    const int last = LastDataRow(sheet, columns);
    const int radiationColumn = columns.column(ColumnBox::Radiation);
    MissingDays gaps(dates);
    for (const ColumnBox box : {ColumnBox::Tmin, ColumnBox::Tmax})
        gaps.addCells(sheet, {columns.column(box)}, kVariableCaptions[box], GapRemedy::Fill, 2, last);

    const bool estimating = estimates && estimates->settings.radiation;
    // Made at the first day to estimate: complete data need no station.
    std::optional<DayReader> reader;
    SiteDay S;
    std::optional<StationTerms> station;
    const auto startEstimates = [&] {
        if (const auto problem = CheckStation(estimates->station)) throw RefusedInput(problem->message);
        if (const auto problem = CheckEstimateSettings(estimates->settings)) throw RefusedInput(*problem);
        const StationValues values = ReadStationValues(estimates->station);
        ReadStation(values, S);
        reader.emplace(sheet, columns, units, values, estimates->settings);
        station.emplace(S.Latitude, S.Altitude);
    };
    std::vector<std::optional<double>> radiation(static_cast<std::size_t>(std::max(last + 1, 2)));
    std::string words;
    for (int r = 2; r <= last; ++r) {
        auto& value = radiation[static_cast<std::size_t>(r)];
        if (radiationColumn == 0 && !estimating) {
            value = 0; // no radiation measured reads as 0
        } else if (radiationColumn != 0 && !IsMissingValue(sheet.cellText(r, radiationColumn))) {
            value = FiniteCellValue(sheet, r, radiationColumn);
        } else if (estimating) {
            if (!reader) startEstimates();
            DailyWeather D;
            try {
                const DayGaps day = reader->read(r, D, S);
                if (!(reader->estimate(day, kTemperatureInputs | kRadiationInput, D, S, *station, words) & kRadiationInput)) {
                    value = double(D.Radiation) / units.factor(UnitKind::Radiation); // mm d-1 -> the sheet's unit
                    if (estimated) {
                        ++estimated->count;
                        estimated->inputs |= kRadiationInput;
                    }
                }
            } catch (const UnreadableDate& date) {
                throw RefusedInput(date.what());
            } catch (const ArithmeticError& error) {
                throw RefusedInput(ArithmeticRefusal(r, error));
            }
        }
        if (!value) gaps.add(kVariableCaptions[ColumnBox::Radiation], GapRemedy::Estimate, r);
    }
    if (!gaps.empty()) throw MissingInput(gaps.message(kCreamsTemperatureRadiationNotWritten));
    return radiation;
}

} // namespace

std::string_view CreamsTable::text(int row, int column) const
{
    if (row < 1 || row > kRows || column < 1 || column > kColumns) return {};
    return cells_[row - 1][column - 1];
}

void CreamsTable::fill(const std::vector<CreamsLine>& lines, EstimatedDays estimated)
{
    for (auto& row : cells_)
        for (auto& cell : row) cell.clear();
    for (std::size_t c = 0; c < kColumns; ++c) cells_[0][c] = kCreamsHeaders[c];
    for (std::size_t i = 0; i < lines.size() && i + 1 < cells_.size(); ++i) cells_[i + 1] = lines[i];
    refusal_.clear();
    estimated_ = estimated;
}

void CreamsTable::refuse(std::string missingValue)
{
    fill({});
    refusal_ = std::move(missingValue);
}

std::vector<CreamsLine> CreamsMonthlyLines(const MeteoSheet& sheet, const ColumnMap& columns, const UnitSelection& units,
                                           const ModelEstimates* estimates, EstimatedDays* estimated)
{
    const int last = LastDataRow(sheet, columns);
    if (last - 1 > kCreamsMaxDays)
        throw RefusedInput("The CREAMS table holds at most " + std::to_string(kCreamsMaxDays) + " days; the data sheet has " +
                           std::to_string(last - 1) + ".");
    const RowDates dates(sheet, columns);
    const int tminColumn = columns.column(ColumnBox::Tmin);
    const int tmaxColumn = columns.column(ColumnBox::Tmax);
    const std::vector<std::optional<double>> radiation = DailyRadiation(sheet, columns, units, dates, estimates, estimated);

    std::vector<Month> months(kCreamsMaxMonths + 1); // index = month number
    int lastMonth = 0, year = 0, previousYear = 0;
    for (int r = 2; r <= last; ++r) {
        const std::string dateText = dates.text(r);
        const auto date = DateParts(dateText);
        if (!date)
            throw RefusedInput("The date in row " + std::to_string(r) + " is not a date: \"" + dateText +
                               "\"." + kDateAdvice);
        if (r > 2 && date->Year != previousYear) ++year;
        previousYear = date->Year;
        lastMonth = 12 * year + date->Month;
        if (lastMonth > kCreamsMaxMonths)
            throw RefusedInput("The CREAMS table holds at most " + std::to_string(kCreamsMaxMonths) +
                               " months (100 years); row " + std::to_string(r) + " (\"" + dateText +
                               "\") falls in month " + std::to_string(lastMonth) + ".");
        Month& month = months[lastMonth];
        try {
            const double mean = (units.convert(UnitKind::Temperature, FiniteCellValue(sheet, r, tminColumn)) +
                                 units.convert(UnitKind::Temperature, FiniteCellValue(sheet, r, tmaxColumn))) /
                                2;
            month.temperature = ToSingleChecked(double(month.temperature) + mean, "the monthly temperature sum");
            month.radiation = ToSingleChecked(double(month.radiation) + *radiation[static_cast<std::size_t>(r)],
                                              "the monthly radiation sum");
        } catch (const ArithmeticError& error) {
            throw RefusedInput(ArithmeticRefusal(r, error));
        }
        ++month.days;
    }

    const NumberPattern display("###.#");
    const double F = LangleyFactor(units);
    std::vector<CreamsLine> lines;
    lines.reserve(static_cast<std::size_t>(lastMonth));
    std::string yearLabel;
    for (int m = 1; m <= lastMonth; ++m) {
        const Month& month = months[m];
        CreamsLine line;
        if (month.days > 0) {
            display.append(line[0], double(month.temperature) / month.days * 9 / 5 + 32); // [°F]
            display.append(line[1], double(month.radiation) / month.days * F);             // [langley]
            const int label = m % 12 == 0 ? 12 : m % 12;
            line[2] = std::to_string(label);
            yearLabel = std::to_string((m - label) / 12 + 1);
        } else {
            line[0] = line[1] = "no data";
            line[2] = "-";
        }
        line[3] = yearLabel;
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace etp
