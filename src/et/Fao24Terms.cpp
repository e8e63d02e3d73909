#include "et/Fao24Terms.h"

#include "base/CheckedMath.h"
#include "base/ToSingle.h"
#include "et/Fao56Terms.h"
#include "et/SolarGeometry.h"
#include "et/TermMemo.h"

// The FAO-24 family works in mbar and in mm of evaporation per day.

namespace etp {

namespace {

// Vapour pressure deficit ea - ed [mbar], FAO-24, at the daily mean temperature.
double VapourPressureDeficitMbarOf(const DailyWeather& D)
{
    const double T = ToSingle((double(D.Tmin) + D.Tmax) / 2);       // [°C], 32-bit mean
    const double RHmean = ToSingle((double(D.RHmax) + D.RHmin) / 2); // [%], 32-bit mean
    const double es = SaturationVapourPressure(T);                   // [kPa]
    const double ed = es * RHmean / 100;                             // [kPa]
    return (es - ed) * 10;                                           // kPa -> mbar
}

// Weighting factor W = delta / (delta + gamma) [-], FAO-24, all in mbar.
double WeightingFactorOf(const DailyWeather& D, const SiteDay& S)
{
    const double T = ToSingle((double(D.Tmin) + D.Tmax) / 2); // [°C], 32-bit mean
    const double delta = Divide(25029.9221, Power(T + 237.3, 2, "WeightingFactor"), "WeightingFactor")
                       * Exponential(Divide(17.2694 * T, T + 237.3, "WeightingFactor"), "WeightingFactor");
    // [mbar °C-1]
    const double P = 1013 - 0.1093 * S.Altitude;                                   // [mbar]
    const double lambda = 2500.8 - 2.3668 * T;                                     // [J g-1]
    const double gamma = Divide(1.0042 * P, 0.62189 * lambda, "WeightingFactor"); // [mbar °C-1]
    return Divide(delta, Finite(delta + gamma, "WeightingFactor"), "WeightingFactor");
}

} // namespace

// Four methods of a row ask for W and three for ea - ed: computed once per day.
double VapourPressureDeficitMbar(const DailyWeather& D)
{
    thread_local TermMemo<DayKey> memo;
    return memo(KeyOf(D, SiteDay{}), [&] { return VapourPressureDeficitMbarOf(D); });
}

double WeightingFactor(const DailyWeather& D, const SiteDay& S)
{
    thread_local TermMemo<DayKey> memo;
    return memo(KeyOf(D, S), [&] { return WeightingFactorOf(D, S); });
}

// Net shortwave radiation Rns [mm d-1], FAO-24, albedo 0.25.
double NetShortwaveFao24(const DailyWeather& D)
{
    return (1 - 0.25) * D.Radiation;
}

// Net longwave radiation Rnl [mm d-1], FAO-24, from the sunshine duration.
double NetLongwaveFao24(const DailyWeather& D, const SiteDay& S)
{
    const double T = ToSingle((double(D.Tmin) + D.Tmax) / 2);       // [°C], 32-bit mean
    const double RHmean = ToSingle((double(D.RHmax) + D.RHmin) / 2); // [%], 32-bit mean
    const double ed = SaturationVapourPressure(T) * RHmean / 100 * 10; // [mbar]
    // 1.171e-07 cal cm-2 d-1 K-4: Stefan-Boltzmann; / 59: cal cm-2 -> mm; 273, not 273.16.
    const double fT = 1.171e-07 * FourthPower(T + 273, "NetLongwaveFao24") / 59; // [mm d-1]
    const double fed = 0.34 - 0.044 * SquareRoot(ed, "NetLongwaveFao24");     // [-]
    const double N = DaylightHours(S);                                         // [h]
    const double n = D.Sunshine;                                               // [h]
    const double fnN = 0.1 + Divide(0.9 * n, N, "NetLongwaveFao24");           // [-]
    return Finite(fT * fed * fnN, "NetLongwaveFao24");
}

// Wind function f(u) [mm d-1 mbar-1], FAO-24, wind run at 2 m in km d-1.
double WindFunction(const DailyWeather& D)
{
    return 0.27 * (1 + double(D.Wind) / 100);
}

// Adjustment factor c [-] of FAO-24 (regression on RHmax, Rs, Uday and Uday/Unight).
double AdjustmentFactor(const DailyWeather& D)
{
    const double r = 1.5;                                                     // Uday / Unight, fixed
    const double U = D.Wind;                                                  // [km d-1]
    const double RHmax = D.RHmax;                                             // [%]
    const double Rs = D.Radiation;                                            // [mm d-1]
    const double Ud = 2000 * (U - U / (1 + r)) / 86400;                       // daytime wind [m s-1], = U / 72
    // The last term has no factor Ud.
    return 0.6817006 + 0.0027864 * RHmax + 0.0181768 * Rs - 0.0682501 * Ud + 0.0126514 * r
         + 0.0097297 * Ud * r + 4.3205e-05 * RHmax * Rs * Ud - 9.2118e-08 * RHmax * Rs * r;
}

} // namespace etp
