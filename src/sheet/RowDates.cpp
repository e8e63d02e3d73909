#include "sheet/RowDates.h"

#include <cmath>
#include <cstdio>

#include "sheet/DateParts.h"
#include "sheet/NumericValue.h"

namespace etp {

namespace {

// A whole number of a part's cell; empty for a text or a fraction.
std::optional<int> WholePart(std::string_view text)
{
    const auto value = MeasuredValue(text);
    if (!value || *value != std::nearbyint(*value) || std::fabs(*value) > 99999) return std::nullopt;
    return static_cast<int>(*value);
}

std::string DateText(const CalendarDate& date)
{
    char text[32];
    const int n = std::snprintf(text, sizeof text, date.Year < 100 ? "%02d/%02d/%02d" : "%02d/%02d/%d", date.Day,
                                date.Month, date.Year);
    return std::string(text, static_cast<std::size_t>(n));
}

} // namespace

RowDates::RowDates(const MeteoSheet& sheet, const ColumnMap& columns) : sheet_(sheet), form_(columns.dateForm())
{
    date_ = columns.column(ColumnBox::Date);
    year_ = columns.column(ColumnBox::Year);
    month_ = columns.column(ColumnBox::Month);
    day_ = columns.column(ColumnBox::Day);
    doy_ = columns.column(ColumnBox::Doy);
}

std::string RowWithDate(int row, std::string_view date)
{
    std::string text = std::to_string(row);
    if (!date.empty()) text += " (" + std::string(date) + ")";
    return text;
}

std::optional<CalendarDate> DateOfDayOfYear(int year, int J)
{
    if (J < 1) return std::nullopt;
    for (int month = 1; month <= 12; ++month) {
        const int days = DaysInMonth(month, year);
        if (J <= days) return CalendarDate{J, month, year};
        J -= days;
    }
    return std::nullopt;
}

std::string RowDates::text(int row) const
{
    switch (form_) {
    case DateForm::None: return {};
    case DateForm::Column: return std::string(sheet_.cellText(row, date_));
    case DateForm::YearMonthDay:
    case DateForm::YearDayOfYear: break;
    }
    const bool byDayOfYear = form_ == DateForm::YearDayOfYear;
    const std::string_view yearText = sheet_.cellText(row, year_);
    const std::string_view secondText = sheet_.cellText(row, byDayOfYear ? doy_ : month_);
    const std::string_view dayText = byDayOfYear ? std::string_view() : sheet_.cellText(row, day_);
    const auto year = WholePart(yearText), second = WholePart(secondText);
    const auto day = byDayOfYear ? std::optional<int>(0) : WholePart(dayText);
    if (year && *year >= 0 && second && day) {
        std::optional<CalendarDate> date;
        if (byDayOfYear) date = DateOfDayOfYear(*year, *second);
        else if (*second >= 1 && *second <= 12 && *day >= 1 && *day <= DaysInMonth(*second, *year))
            date = CalendarDate{*day, *second, *year};
        if (date) return DateText(*date);
    }
    std::string parts = std::string(yearText) + " / " + std::string(secondText);
    if (!byDayOfYear) parts += " / " + std::string(dayText);
    return parts;
}

} // namespace etp
