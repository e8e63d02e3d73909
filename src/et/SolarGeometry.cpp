#include "et/SolarGeometry.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "base/Refusal.h"
#include "base/CheckedMath.h"
#include "et/Constants.h"
#include "sheet/DateParts.h"

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

// Ordinal day J [day] in the calendar of 365 days (kMonthLengths365).
int DayOfYear(const SiteDay& S)
{
    const double month = S.Month;
    const double day = S.Day;
    // The month indexes the table, so a date that is not a date has no day of year.
    if (!(month >= 1 && month <= 12 && month == std::floor(month)))
        throw ArithmeticError("DayOfYear: month not a whole number in 1..12");
    if (!(day >= 1 && day <= 31 && day == std::floor(day)))
        throw ArithmeticError("DayOfYear: day not a whole number in 1..31");
    return DaysBefore365(static_cast<int>(month)) + static_cast<int>(day);
}

// Daylight hours N [h], FAO-24; declination with 0.4093 and 1.405, its own constants.
double DaylightHours(int day, double latitude)
{
    const double J = day;                                        // [day]
    const double d = 0.4093 * std::sin(TwoPi * J / 365 - 1.405); // declination [rad]
    const double phi = latitude * Pi / 180;                      // latitude [rad]
    const double ws = ArcCos(-std::tan(phi) * std::tan(d));      // sunset hour angle [rad]
    return 24 * ws / Pi;
}

namespace {

// Solar declination [rad], FAO-56 Eq. 24.
double Declination(double J) { return 0.409 * std::sin(TwoPi * J / 365 - 1.39); }

} // namespace

double DaylightHoursFao56(int day, double latitude)
{
    const double phi = latitude * Pi / 180;                                  // latitude [rad]
    const double ws = ArcCos(-std::tan(phi) * std::tan(Declination(day)));  // sunset hour angle [rad], Eq. 25
    return 24 * ws / Pi;
}

// Extraterrestrial radiation Ra [MJ m-2 d-1], FAO-56 Eqs. 21, 23-25.
double ExtraterrestrialRadiation(int day, double latitude)
{
    const double J = day;                                        // [day]
    const double d = Declination(J);                             // declination [rad]
    const double phi = latitude * Pi / 180;                      // latitude [rad]
    const double ws = ArcCos(-std::tan(phi) * std::tan(d));      // sunset hour angle [rad]
    const double dr = 1 + 0.033 * std::cos(TwoPi * J / 365);     // inverse relative Earth-Sun distance
    return Finite(1440 / Pi * 0.082 * dr                         // 0.082 MJ m-2 min-1: solar constant
                      * (ws * std::sin(phi) * std::sin(d) + std::cos(phi) * std::cos(d) * std::sin(ws)),
                  "ExtraterrestrialRadiation");
}

} // namespace etp
