#include "analysis/DataCheck.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <algorithm>

#include "base/Refusal.h"
#include "base/ToSingle.h"
#include "et/DayTerms.h"
#include "et/Fao56Terms.h"
#include "et/Units.h"
#include "sheet/DateParts.h"
#include "sheet/DecimalText.h"
#include "sheet/NumericValue.h"
#include "sheet/RowDates.h"
#include "sheet/SheetQueries.h"

namespace etp {

namespace {

constexpr std::size_t kFirstRowsShown = 5;
constexpr double kHumidityTolerance = 1;   // [%]: sensors read a little beyond 0..100
constexpr double kClearSkyTolerance = 1.1; // radiation up to 10 % above clear sky passes

// Findings collected by (variable, problem), in the order first seen: one line per
// kind, however many rows. A problem with details of its own row (the day's daylight
// hours) shows them when it is the only row of its kind.
class Findings {
public:
    explicit Findings(const RowDates& dates) : dates_(dates) {}

    // A finding about a box's variable; about the station when there is no box.
    void add(std::optional<ColumnBox> box, const std::string& problem, int row, const std::string& details = {})
    {
        const std::size_t line = find(box, problem);
        CheckFinding& finding = list_[line];
        if (finding.count == 0) details_[line] = details;
        ++finding.count;
        if (finding.firstRows.size() < kFirstRowsShown) {
            finding.firstRows.push_back(row);
            finding.firstDates.push_back(dates_.text(row));
        }
        finding.rows.push_back(row);
    }
    void note(std::optional<ColumnBox> box, const std::string& text, bool isProblem = false)
    {
        list_.push_back({VariableOf(box), text, 0, {}, isProblem, {}, {}, box});
        details_.emplace_back();
    }
    std::vector<CheckFinding> take()
    {
        for (std::size_t line = 0; line < list_.size(); ++line)
            if (list_[line].count == 1 && !details_[line].empty()) list_[line].problem += " " + details_[line];
        return std::move(list_);
    }

private:
    static std::string VariableOf(std::optional<ColumnBox> box) { return box ? kVariableCaptions[*box] : "Station"; }

    std::size_t find(std::optional<ColumnBox> box, const std::string& problem)
    {
        const std::string variable = VariableOf(box);
        const auto [it, added] = index_.try_emplace(variable + '\t' + problem, list_.size());
        if (added) {
            list_.push_back({variable, problem, 0, {}, true, {}, {}, box});
            details_.emplace_back();
        }
        return it->second;
    }

    const RowDates& dates_;
    std::vector<CheckFinding> list_;
    std::vector<std::string> details_; // per line: its first row's own details
    std::map<std::string, std::size_t> index_;
};

// Days since 1 March of year 0, so that consecutive calendar days differ by 1.
long SerialDay(const CalendarDate& date)
{
    const long y = date.Month <= 2 ? date.Year - 1 : date.Year;
    const long m = date.Month <= 2 ? date.Month + 12 : date.Month;
    return 365 * y + y / 4 - y / 100 + y / 400 + (153 * (m - 3) + 2) / 5 + date.Day;
}

std::string OneDecimal(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

// The unit list a box's values are read with; none for the date and its parts.
std::optional<UnitKind> UnitOfBox(ColumnBox box)
{
    switch (box) {
    case ColumnBox::Tmin:
    case ColumnBox::Tmax:
    case ColumnBox::Tdew: return UnitKind::Temperature;
    case ColumnBox::RHmin:
    case ColumnBox::RHmax:
    case ColumnBox::RHmean: return UnitKind::Humidity;
    case ColumnBox::Radiation: return UnitKind::Radiation;
    case ColumnBox::Wind: return UnitKind::Wind;
    case ColumnBox::Sunshine: return UnitKind::Sunshine;
    case ColumnBox::Ea: return UnitKind::VapourPressure;
    case ColumnBox::Date:
    case ColumnBox::Year:
    case ColumnBox::Month:
    case ColumnBox::Day:
    case ColumnBox::Doy: break;
    }
    return std::nullopt;
}

// The lowest and highest value of each box as the cells hold them, before any unit.
class RawExtremes {
public:
    void add(ColumnBox box, double value)
    {
        low_[box] = low_[box] ? std::min(*low_[box], value) : value;
        high_[box] = high_[box] ? std::max(*high_[box], value) : value;
    }
    // A temperature series whose extremes in the chosen unit leave -90 to 60 °C, where
    // no station has measured, is in another unit: the first of the list that brings
    // them inside. None when the chosen unit fits, or none does.
    std::optional<std::string> likelyTemperatureUnit(ColumnBox box, const UnitSelection& units) const
    {
        if (!low_[box]) return std::nullopt;
        const auto fits = [&](const UnitEntry& unit) {
            const auto celsius = [&unit](double t) { return unit.factor * t + unit.offset; };
            return celsius(*low_[box]) >= -90 && celsius(*high_[box]) <= 60;
        };
        if (fits(units.entry(UnitKind::Temperature))) return std::nullopt;
        for (const UnitEntry& unit : kTemperatureUnits)
            if (fits(unit)) return std::string(unit.text);
        return std::nullopt;
    }

private:
    PerColumnBox<std::optional<double>> low_{}, high_{};
};

struct Row {
    PerColumnBox<std::optional<double>> value; // in the internal units; empty when not a number
};

// The values and their sums, box by box, as the rows are read.
struct SeriesValues {
    RawExtremes raw;
    PerColumnBox<double> sum{};
    PerColumnBox<int> numbers{};
};

// The measured boxes' columns (not the date's, which is read as a date); 0 for none.
PerColumnBox<int> MeasuredColumns(const ColumnMap& columns)
{
    PerColumnBox<int> column{};
    for (const ColumnBox box : kAllColumnBoxes) column[box] = UnitOfBox(box) ? columns.column(box) : 0;
    return column;
}

// Row r's measured cells in the internal units; a cell that is empty, a missing-value
// code or no clean number is a finding and no value.
Row ReadRow(const StationSeries& series, const PerColumnBox<int>& column, int r, Findings& findings, SeriesValues& values)
{
    Row row;
    for (const ColumnBox box : kAllColumnBoxes) {
        if (column[box] == 0) continue;
        const std::string_view text = series.sheet.cellText(r, column[box]);
        const auto value = MeasuredValue(text);
        if (text.empty())
            findings.add(box, "empty cell: missing", r);
        else if (!value)
            findings.add(box, IsNumberText(text) ? "code " + DecimalText(NumericValue(text)) + ": missing" : "no number: missing",
                         r);
        else if (!IsNumberText(text))
            findings.add(box, "not a number, read as its leading number", r,
                         "(\"" + std::string(text) + "\" as " + DecimalText(*value) + ")");
        else {
            row.value[box] = series.units.convert(*UnitOfBox(box), *value);
            values.raw.add(box, *value);
            values.sum[box] += *row.value[box];
            ++values.numbers[box];
        }
    }
    return row;
}

// A date that repeats, goes back or skips days after the row before.
void CheckDateOrder(long day, std::optional<long>& previousDay, int r, Findings& findings)
{
    if (previousDay) {
        if (day == *previousDay)
            findings.add(ColumnBox::Date, "the same date as the row before", r);
        else if (day < *previousDay)
            findings.add(ColumnBox::Date, "earlier than the row before", r);
        else if (day > *previousDay + 1)
            findings.add(ColumnBox::Date, "days missing before this row", r);
    }
    previousDay = day;
}

// Values no day can have: a dew point above the maximum, humidity beyond 0-100 %, the
// minimum above the maximum, a negative radiation, wind or sunshine.
void CheckDayValues(const Row& row, int r, Findings& findings)
{
    const auto& v = row.value;
    if (v[ColumnBox::Tdew] && v[ColumnBox::Tmax] && *v[ColumnBox::Tdew] > *v[ColumnBox::Tmax])
        findings.add(ColumnBox::Tdew, "above T° max: no humidity on that day", r);
    for (const ColumnBox box : {ColumnBox::RHmin, ColumnBox::RHmax, ColumnBox::RHmean})
        if (v[box] && (*v[box] < -kHumidityTolerance || *v[box] > 100 + kHumidityTolerance))
            findings.add(box, "outside 0-100 %", r);
    if (v[ColumnBox::Tmin] && v[ColumnBox::Tmax] && *v[ColumnBox::Tmin] > *v[ColumnBox::Tmax])
        findings.add(ColumnBox::Tmin, "above T° max", r);
    for (const ColumnBox box : {ColumnBox::Radiation, ColumnBox::Wind, ColumnBox::Sunshine})
        if (v[box] && *v[box] < 0) findings.add(box, "negative", r);
}

// Sunshine beyond the day's daylight hours and radiation beyond the clear sky, at the
// station as typed.
void CheckAgainstTheSky(const Row& row, const CalendarDate& date, const StationValues& values,
                        const StationTerms& station, int r, Findings& findings)
{
    const auto& v = row.value;
    const SiteDay S{ToSingle(values.altitude), ToSingle(values.latitude), ToSingle(date.Month), ToSingle(date.Day),
                    ToSingle(date.Year)};
    try {
        const double N = station.DaylightHours(S); // [h]
        if (v[ColumnBox::Sunshine] && *v[ColumnBox::Sunshine] > N + 0.05)
            findings.add(ColumnBox::Sunshine, "above the day's daylight hours", r, "(" + OneDecimal(N) + " h)");
        // FAO-56's altitude coefficient 2e-5, at the altitude as typed: a check against the book.
        const double Ra = station.ExtraterrestrialRadiation(S);                                   // [MJ m-2 d-1]
        const double Rso = ClearSkyRadiation(Ra, values.altitude, ClearSkyCoefficient::Fao56); // [MJ m-2 d-1]
        if (v[ColumnBox::Radiation] && *v[ColumnBox::Radiation] / MmPerMJ > kClearSkyTolerance * Rso)
            findings.add(ColumnBox::Radiation, "above the clear-sky radiation: check the unit and the latitude", r);
    } catch (const ArithmeticError&) {
        findings.add(std::nullopt, "polar day or night at this latitude: the radiation formulas have no value", r);
    }
}

// What the units and the station make of the whole series.
void NoteUnitsAndStation(const StationSeries& series, const SeriesValues& values, const StationValues& station,
                         Findings& findings)
{
    const UnitSelection& units = series.units;
    for (const ColumnBox box : {ColumnBox::Tmin, ColumnBox::Tmax, ColumnBox::Tdew})
        if (const auto likely = values.raw.likelyTemperatureUnit(box, units))
            findings.note(box,
                          "unit? read as " + units.text(UnitKind::Temperature) +
                              ", the values leave -90 to 60 °C: likely " + *likely,
                          true);
    const int radiation = series.columns.column(ColumnBox::Radiation);
    if (radiation != 0 && values.numbers[ColumnBox::Radiation] > 0) {
        const double meanMJ = values.sum[ColumnBox::Radiation] / values.numbers[ColumnBox::Radiation] / MmPerMJ;
        findings.note(ColumnBox::Radiation, std::string(series.sheet.cellText(1, radiation)) + " read as " +
                                                units.text(UnitKind::Radiation) + ": mean " + OneDecimal(meanMJ) +
                                                " MJ m-2 d-1");
    }
    const int wind = series.columns.column(ColumnBox::Wind);
    if (wind != 0 && values.numbers[ColumnBox::Wind] > 0) {
        const double meanMetresPerSecond = values.sum[ColumnBox::Wind] / values.numbers[ColumnBox::Wind] /
                                           KmPerDayPerMetrePerSecond;
        findings.note(ColumnBox::Wind, std::string(series.sheet.cellText(1, wind)) + " read as " +
                                           units.text(UnitKind::Wind) + ": mean " + OneDecimal(meanMetresPerSecond) +
                                           " m s-1");
    }
    const double height = station.windHeight;
    findings.note(ColumnBox::Wind, height == 2 ? "measured at 2 m: used as it is"
                                               : "measured at " + DecimalText(height) + " m: converted to 2 m");
    if (station.latitude == 0 && station.altitude == 0)
        findings.note(std::nullopt, "latitude and altitude are both 0: were they entered?");
}

} // namespace

bool DataCheckReport::hasProblems() const
{
    for (const auto& finding : findings)
        if (finding.isProblem) return true;
    return false;
}

DataCheckReport CheckData(const StationSeries& series)
{
    const MeteoSheet& sheet = series.sheet;
    const ColumnMap& columns = series.columns;
    const RowDates dates(sheet, columns);
    Findings findings(dates);
    DataCheckReport report;

    if (sheet.lastNonEmptyRow() == 0) {
        report.nothing = "No data to check: open a station file first (File > Open).";
        return report;
    }
    if (columns.dateForm() == DateForm::None) {
        findings.note(ColumnBox::Date,
                      "no date column assigned: type its number in the Date box, or press Try auto finding", true);
        report.findings = findings.take();
        return report;
    }
    const StationValues station = ReadStationValues(series.station);
    const StationTerms terms(ToSingle(station.latitude), ToSingle(station.altitude));
    const int last = LastDataRow(sheet, columns);
    report.rows = last >= 2 ? last - 1 : 0;

    const PerColumnBox<int> column = MeasuredColumns(columns);
    SeriesValues values;
    std::optional<long> previousDay;
    for (int r = 2; r <= last; ++r) {
        const Row row = ReadRow(series, column, r, findings, values);
        const auto date = DateParts(dates.text(r));
        if (!date) {
            findings.add(ColumnBox::Date, "not a date", r);
            continue;
        }
        CheckDateOrder(SerialDay(*date), previousDay, r, findings);
        CheckDayValues(row, r, findings);
        CheckAgainstTheSky(row, *date, station, terms, r, findings);
    }
    NoteUnitsAndStation(series, values, station, findings);
    report.findings = findings.take();
    return report;
}

int FindingColumn(const CheckFinding& finding, const ColumnMap& columns)
{
    return finding.box ? columns.column(*finding.box) : 0;
}

std::string FirstRowsText(const CheckFinding& finding)
{
    std::string text;
    for (std::size_t k = 0; k < finding.firstRows.size(); ++k)
        text += (k == 0 ? "" : ", ") +
                RowWithDate(finding.firstRows[k], k < finding.firstDates.size() ? finding.firstDates[k] : std::string());
    return text;
}

std::string CheckReportText(const DataCheckReport& report)
{
    if (!report.nothing.empty()) return report.nothing + "\n";
    std::string text = "variable\tproblem\tcount\tfirst rows\n";
    for (const auto& finding : report.findings) {
        text += finding.variable + '\t' + finding.problem + '\t' + (finding.isProblem ? std::to_string(finding.count) : "") +
                '\t' + FirstRowsText(finding) + '\n';
    }
    text += std::to_string(report.rows) + " days checked, " +
            (report.hasProblems() ? std::string("problems found") : std::string("no problems found")) + "\n";
    return text;
}

} // namespace etp
