#pragma once
#include <array>
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

// The calendar of 365 days, February always of 28: the day of the year of the solar terms
// (so of PenMon and every other method) and of the dates read by character position
// counts in it, and 1 March is day 60 in every year.
inline constexpr std::array<int, 12> kMonthLengths365 = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Days of the 365-day calendar before the first of month 0..12 (0 and 1: none), summed
// once from kMonthLengths365.
inline constexpr std::array<int, 13> kDaysBefore365 = [] {
    std::array<int, 13> before{};
    for (std::size_t m = 2; m <= 12; ++m) before[m] = before[m - 1] + kMonthLengths365[m - 2];
    return before;
}();
constexpr int DaysBefore365(int month) { return kDaysBefore365[static_cast<std::size_t>(month)]; }

} // namespace etp
