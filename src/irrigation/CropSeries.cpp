#include "irrigation/CropSeries.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "sheet/NumericValue.h"
#include "sheet/SheetQueries.h"

namespace etp {

namespace {

std::chrono::sys_days Days(const CalendarDate& d)
{
    using namespace std::chrono;
    return sys_days{year{d.Year} / month{unsigned(d.Month)} / day{unsigned(d.Day)}};
}

// The pieces between separators, a trailing CR of each piece dropped.
std::vector<std::string> Split(std::string_view text, char separator)
{
    std::vector<std::string> pieces;
    for (std::size_t start = 0;;) {
        const std::size_t end = std::min(text.find(separator, start), text.size());
        std::string piece(text.substr(start, end - start));
        if (!piece.empty() && piece.back() == '\r') piece.pop_back();
        pieces.push_back(std::move(piece));
        if (end == text.size()) return pieces;
        start = end + 1;
    }
}

std::string Where(const CropDay& day) { return "Row " + std::to_string(day.row) + ", " + DateText(day.date) + ": "; }

// The day's ET, rain, RH min and wind, or the message for the first missing one.
std::optional<std::string> ReadDay(const MeteoSheet& sheet, const CropColumns& c, CropDay& day)
{
    const auto et = MeasuredValue(sheet.cellText(day.row, c.et));
    if (!et) return Where(day) + "no reference ET in column " + std::to_string(c.et) + " \"" +
                    std::string(sheet.cellText(1, c.et)) + "\"";
    const auto rain = RainValue(sheet.cellText(day.row, c.rain));
    if (!rain) return Where(day) + "no rain in column " + std::to_string(c.rain) + " \"" +
                      std::string(sheet.cellText(1, c.rain)) + "\"";
    day.ETref = *et;
    day.rain = *rain;
    if (c.rhMin > 0)
        if (const auto RH = MeasuredValue(sheet.cellText(day.row, c.rhMin))) day.RHmin = *RH * c.humidityFactor;
    if (c.wind > 0)
        if (const auto u = MeasuredValue(sheet.cellText(day.row, c.wind))) day.u2 = *u * c.windFactor;
    return std::nullopt;
}

} // namespace

// Dates are read here only, so that a new way of writing them changes one function.
std::optional<CalendarDate> SeriesDate(const RowDates& dates, int row)
{
    return DateParts(dates.text(row));
}

std::string DateText(const CalendarDate& date)
{
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", date.Day, date.Month, date.Year);
    return text;
}

CalendarDate NextDay(const CalendarDate& date)
{
    const std::chrono::year_month_day next{Days(date) + std::chrono::days{1}};
    return {int(unsigned(next.day())), int(unsigned(next.month())), int(next.year())};
}

int DaysBetween(const CalendarDate& a, const CalendarDate& b) { return int((Days(b) - Days(a)).count()); }

SeasonRead ReadSeason(const MeteoSheet& sheet, const CropColumns& columns, const CalendarDate& planting, int length)
{
    const RowDates dates(sheet, columns.dates);
    int row = 2;
    while (row <= columns.lastRow && DaysBetween(SeriesDate(dates, row).value_or(CalendarDate{1, 1, 1}),
                                                 planting) != 0)
        ++row;
    if (row > columns.lastRow) {
        const auto first = SeriesDate(dates, 2), last = SeriesDate(dates, columns.lastRow);
        std::string series = first && last ? " (" + DateText(*first) + " to " + DateText(*last) + ")" : "";
        return {Outcome::Refused("planting: " + DateText(planting) + " is not a day of the series" + series), {}};
    }
    CalendarDate end = planting; // the last day of the season
    for (int k = 1; k < length; ++k) end = NextDay(end);
    SeasonRead read;
    CalendarDate expected = planting;
    for (int k = 0; k < length; ++k, ++row, expected = NextDay(expected)) {
        if (row > columns.lastRow)
            return {Outcome::Refused("The season ends on " + DateText(end) + ", after the last day of the series, " +
                                     read.days.back().dateText),
                    {}};
        CropDay day;
        day.row = row;
        day.dateText = dates.text(row);
        day.date = expected;
        const auto date = SeriesDate(dates, row);
        if (!date || DaysBetween(*date, expected) != 0)
            return {Outcome::Refused("Row " + std::to_string(row) + ": \"" + day.dateText + "\" where " +
                                     DateText(expected) + " should follow: the balance needs every day of the season"),
                    {}};
        if (auto problem = ReadDay(sheet, columns, day)) return {Outcome::Refused(*problem), {}};
        read.days.push_back(std::move(day));
    }
    return read;
}

IrrigationFileRead ReadIrrigationFile(std::string_view text)
{
    IrrigationFileRead read;
    const std::vector<std::string> lines = Split(text, '\n');
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const std::string content = lines[k].substr(0, lines[k].find('#'));
        if (content.find_first_not_of(" \t\r") == std::string::npos) continue;
        const int line = int(k) + 1;
        const auto where = "line " + std::to_string(line) + ": ";
        const std::vector<std::string> fields = Split(content, '\t');
        const auto date = DateParts(fields[0]);
        const double depth = fields.size() > 1 && IsFiniteNumberText(fields[1]) ? NumericValue(fields[1]) : -1;
        if (fields.size() < 2 || fields.size() > 3 || !date || !(depth >= 0))
            return {{}, where + "not date<TAB>depth mm[<TAB>fw] with a depth not below 0: \"" + content + "\""};
        GivenIrrigation given{*date, depth, std::nullopt, line};
        if (fields.size() == 3) {
            const double fw = NumericValue(fields[2]);
            if (!IsFiniteNumberText(fields[2]) || fw < 0.01 || fw > 1)
                return {{}, where + "fw must be a fraction from 0.01 to 1: \"" + fields[2] + "\""};
            given.fw = fw;
        }
        for (const GivenIrrigation& earlier : read.irrigations)
            if (DaysBetween(earlier.date, given.date) == 0)
                return {{}, where + DateText(given.date) + " is already on line " + std::to_string(earlier.line)};
        read.irrigations.push_back(given);
    }
    return read;
}

std::optional<std::string> IrrigationOutsideSeason(const std::vector<GivenIrrigation>& irrigations,
                                                   const CalendarDate& first, const CalendarDate& last)
{
    for (const GivenIrrigation& given : irrigations)
        if (DaysBetween(first, given.date) < 0 || DaysBetween(given.date, last) < 0)
            return "line " + std::to_string(given.line) + ": " + DateText(given.date) + " is outside the season, " +
                   DateText(first) + " to " + DateText(last);
    return std::nullopt;
}

} // namespace etp
