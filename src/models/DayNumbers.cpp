#include "models/DayNumbers.h"

#include <cmath>

namespace etp {

std::optional<int> DayNumber(const PositionalDate& date, double firstYear)
{
    // Two characters hold at most "99" and at least "-9", so every part is small.
    const auto J = PositionalDayOfYear(std::nearbyint(date.day), date.month);
    if (!J) return std::nullopt;
    const double years = std::nearbyint(date.year) - std::nearbyint(firstYear);
    return static_cast<int>(years * 365 + *J);
}

int WeekNumber(int dayNumber) { return (dayNumber - 1) / 7 + 1; }

} // namespace etp
