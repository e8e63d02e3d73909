#include "sheet/PositionalDate.h"

#include <cmath>

#include "sheet/DateParts.h"
#include "sheet/NumericValue.h"

namespace etp {

namespace {

std::string_view Characters(std::string_view text, std::size_t first, std::size_t count)
{
    return first < text.size() ? text.substr(first, count) : std::string_view();
}

} // namespace

PositionalDate ReadDateByPosition(std::string_view text)
{
    if (const auto date = DateParts(text))
        return {static_cast<double>(date->Day), static_cast<double>(date->Month), static_cast<double>(date->Year % 100)};
    return {NumericValue(Characters(text, 0, 2)), NumericValue(Characters(text, 3, 2)),
            NumericValue(Characters(text, 6, 2))};
}

std::optional<double> PositionalDayOfYear(double day, double month)
{
    const double whole = std::nearbyint(month);
    if (!(whole >= 0 && whole <= 12)) return std::nullopt;
    return day + DaysBefore365(static_cast<int>(whole));
}

} // namespace etp
