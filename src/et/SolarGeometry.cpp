#include "et/SolarGeometry.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <cstring>
#include <cmath>
#include <cstddef>

#include "base/ArithmeticError.h"
#include "base/CheckedMath.h"
#include "et/Constants.h"

namespace etp {

// Arc cosine [rad] through the arc tangent, with pi/2 as 1.5708.
double ArcCos(double x)
{
    // 1 - x^2 = 0 divides by zero and 1 - x^2 < 0 has no root; atan(-x / sqrt(0.0)) would
    // still be a finite -pi/2, so the domain is checked here. !(r > 0) also catches NaN.
    const double r = 1 - x * x;
    if (!(r > 0)) throw ArithmeticError("ArcCos: argument not inside -1..1 (polar day or night)");
    return std::atan(-x / std::sqrt(r)) + HalfPi;
}

// Ordinal day J [day] in a year of 365 days: February always has 28 days.
int DayOfYear(const SiteDay& S)
{
    static constexpr std::array<int, 12> kMonthLength{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const double month = S.Month;
    const double day = S.Day;
    // The month indexes the table, so a date that is not a date has no day of year.
    if (!(month >= 1 && month <= 12 && month == std::floor(month)))
        throw ArithmeticError("DayOfYear: month not a whole number in 1..12");
    if (!(day >= 1 && day <= 31 && day == std::floor(day)))
        throw ArithmeticError("DayOfYear: day not a whole number in 1..31");
    int J = static_cast<int>(day);
    for (std::size_t m = 1; m < static_cast<std::size_t>(month); ++m) J += kMonthLength[m - 1];
    return J;
}

namespace {

// Ra and N depend on the latitude and the calendar day alone, so a year of rows asks for
// each of them 365 times with the same arguments. A table per thread keeps the value of
// every day of the year at one latitude, each computed the first time it is asked for;
// a new latitude (compared bit for bit) starts the table again. Days that are not whole
// days of a month, and days whose formula fails, are never kept.
class SolarTable {
public:
    template <typename Formula>
    double operator()(const SiteDay& S, Formula&& formula)
    {
        const int slot = Slot(S);
        if (slot < 0) return formula();
        std::uint32_t latitude;
        std::memcpy(&latitude, &S.Latitude, sizeof latitude);
        if (!started_ || latitude != latitude_) {
            known_.reset();
            latitude_ = latitude;
            started_ = true;
        }
        const auto k = static_cast<std::size_t>(slot);
        if (!known_.test(k)) {
            values_[k] = formula();
            known_.set(k);
        }
        return values_[k];
    }

private:
    static int Slot(const SiteDay& S)
    {
        const float month = S.Month;
        const float day = S.Day;
        if (!(month >= 1 && month <= 12 && day >= 1 && day <= 31)) return -1;
        const int m = static_cast<int>(month);
        const int d = static_cast<int>(day);
        if (static_cast<float>(m) != month || static_cast<float>(d) != day) return -1;
        return (m - 1) * 31 + (d - 1);
    }

    static constexpr std::size_t kSlots = 12 * 31;
    std::array<double, kSlots> values_{};
    std::bitset<kSlots> known_;
    std::uint32_t latitude_ = 0;
    bool started_ = false;
};

thread_local SolarTable daylightTable;
thread_local SolarTable radiationTable;

} // namespace

// Daylight hours N [h], FAO-24; declination with 0.4093 and 1.405, its own constants.
double DaylightHours(const SiteDay& S)
{
    return daylightTable(S, [&S] {
        const double J = DayOfYear(S);                               // [day]
        const double d = 0.4093 * std::sin(TwoPi * J / 365 - 1.405); // declination [rad]
        const double phi = double(S.Latitude) * Pi / 180;            // latitude [rad]
        const double ws = ArcCos(-std::tan(phi) * std::tan(d));      // sunset hour angle [rad]
        return 24 * ws / Pi;
    });
}

// Extraterrestrial radiation Ra [MJ m-2 d-1], FAO-56 Eqs. 21, 23-25.
double ExtraterrestrialRadiation(const SiteDay& S)
{
    return radiationTable(S, [&S] {
        const double J = DayOfYear(S);                               // [day]
        const double d = 0.409 * std::sin(TwoPi * J / 365 - 1.39);   // declination [rad]
        const double phi = double(S.Latitude) * Pi / 180;            // latitude [rad]
        const double ws = ArcCos(-std::tan(phi) * std::tan(d));      // sunset hour angle [rad]
        const double dr = 1 + 0.033 * std::cos(TwoPi * J / 365);     // inverse relative Earth-Sun distance
        return Finite(1440 / Pi * 0.082 * dr                         // 0.082 MJ m-2 min-1: solar constant
                          * (ws * std::sin(phi) * std::sin(d) + std::cos(phi) * std::cos(d) * std::sin(ws)),
                      "ExtraterrestrialRadiation");
    });
}

// "PotRad": extraterrestrial radiation Ra [MJ m-2 d-1], not converted to mm; no weather needed.
double PotentialRadiation(const DailyWeather&, const SiteDay& S)
{
    return ExtraterrestrialRadiation(S);
}

} // namespace etp
