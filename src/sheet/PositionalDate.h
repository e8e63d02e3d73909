#pragma once
// Dates as the model files and the irrigation schedulers read them, with a two-digit
// year: a date DateParts reads gives its day, month and year modulo 100 ("05/03/98",
// "5/3/1998" and "1998-03-05" are all 5 March 98). Any other text is read by character
// position, day = characters 1-2, month = 4-5, year = 7-8, each through NumericValue,
// so "31/02/95" is day 31 of month 2 of 95 and an empty cell is day 0 of month 0.
#include <optional>
#include <string_view>

namespace etp {

struct PositionalDate {
    double day = 0;
    double month = 0;
    double year = 0; // two digits
};

PositionalDate ReadDateByPosition(std::string_view text);

// Day of year in a 365-day year (no leap day: 29 February and 1 March are both 60).
// Month 0 counts no month before the day; a month beyond 0..12 has no day of year.
std::optional<double> PositionalDayOfYear(double day, double month);

} // namespace etp
