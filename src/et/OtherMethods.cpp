#include "et/OtherMethods.h"

#include <cmath>

#include "base/CheckedMath.h"
#include "base/ToSingle.h"
#include "et/Units.h"

namespace etp {

// "Hargr.": ET0 [mm d-1], Hargreaves and Samani (1985), a Ra (T + b) (Tmax - Tmin)^c.
double Hargreaves(const DayTerms& day, const HargreavesCoefficients& k)
{
    const DailyWeather& D = day.weather();
    const double Ra = day.ExtraterrestrialRadiation() * MmPerMJ;                   // MJ m-2 d-1 -> mm d-1
    const double T = MeanTemperature(D);                                           // [°C]
    const double dT = ToSingleChecked(double(D.Tmax) - D.Tmin, "Hargreaves");      // [°C], 32-bit range
    // Tmax < Tmin has no fractional power: an error, not a NaN.
    const double range = Power(dT, k.c, "Hargreaves");
    // At or below T = -b the formula would turn negative: no evaporation then.
    if (T + k.b <= 0) return 0;
    return Finite(k.a * Ra * (T + k.b) * range, "Hargreaves");
}

// "Turc": ET0 [mm d-1], Turc (1961), with the humidity correction below 50 % unless the
// Option menu turns it off.
double Turc(const DailyWeather& D, const SiteDay&, TurcHumidity humidity)
{
    const double T = MeanTemperature(D);                                           // [°C]
    // T / (T + 15) is negative between -15 and 0 °C and undefined at -15: no evaporation at
    // or below 0 °C.
    if (T <= 0) return 0;
    const double Rc = ToSingleChecked(double(D.Radiation) * CalPerMm, "Turc");     // mm d-1 -> cal cm-2 d-1, 32 bits
    const double RHmean = MeanHumidity(D);                                         // [%]
    // A humidity of 0 is a missing value and turns the correction off.
    const bool dry = humidity == TurcHumidity::Below50 && RHmean <= 50 && RHmean != 0 && D.RHmax != 0 && D.RHmin != 0;
    const double k = dry ? 1 + (50 - RHmean) / 70 : 1;                             // [-]
    return Finite(Divide(0.013 * T, T + 15, "Turc") * (Rc + 50) * k, "Turc");
}

// "PotRad": extraterrestrial radiation Ra [MJ m-2 d-1], not converted to mm; no weather needed.
double PotentialRadiation(const DayTerms& day)
{
    return day.ExtraterrestrialRadiation();
}

} // namespace etp
