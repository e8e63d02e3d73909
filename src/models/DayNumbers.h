#pragma once
// Day and week numbers of the LEACHM files and the CREAMS rain file, counted from
// 1 January of the first year of the series in years of 365 days.
#include <optional>

#include "sheet/PositionalDate.h"

namespace etp {

// (year - first year) * 365 + day of year, the day and the years as whole numbers
// (halves to even); 29 February and 1 March share a number. None for a month beyond
// 0..12. The first year is the two-digit year of the first day of the series.
std::optional<int> DayNumber(const PositionalDate& date, double firstYear);

// Week 1 holds days 1-7; weeks run on across the years and are never re-aligned at a
// year's end (31 December and 1 January of the next year both fall in week 53).
int WeekNumber(int dayNumber);

} // namespace etp
