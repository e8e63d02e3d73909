#pragma once
#include <optional>
#include <string_view>

namespace etp {

struct CalendarDate {
    int Day = 0;
    int Month = 0;
    int Year = 0;
};

// The date of a date cell, written day, month, year (05/03/98, 5/3/1998) or year, month,
// day with a four-digit year (1998-03-05), separated by "/", "-" or ".". Two-digit years
// 00-29 are 2000-2029, 30-99 are 1930-1999. Empty when the text is not a calendar date
// (31/02/95 is not).
std::optional<CalendarDate> DateParts(std::string_view text);

// 28 to 31 days of month 1..12 in the proleptic Gregorian calendar.
int DaysInMonth(int month, int year);

} // namespace etp
