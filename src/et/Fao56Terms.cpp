#include "et/Fao56Terms.h"

#include "base/CheckedMath.h"
#include "et/SolarGeometry.h"
#include "et/TermMemo.h"

namespace etp {

// Saturation vapour pressure e0(T) [kPa], FAO-56 Eq. 11.
double SaturationVapourPressure(double T)
{
    return 0.6108 * Exponential(Divide(17.27 * T, T + 237.3, "SaturationVapourPressure"), "SaturationVapourPressure");
}

namespace {

// Psychrometric constant gamma [kPa °C-1], FAO-56 Eqs. 7-8.
double PsychrometricConstantOf(double z)
{
    // Exponent 5.256 rather than FAO-56's 5.26. Beyond about 45 km the base turns negative.
    const double P = 101.3 * Power((293 - 0.0065 * z) / 293, 5.256, "PsychrometricConstant"); // [kPa]
    return 0.0016286 * P / 2.45; // 2.45 MJ kg-1: latent heat of vaporization
}

// Net longwave radiation Rnl [mm d-1] from the measured radiation, FAO-56 Eq. 39 form.
double NetLongwaveFao56Of(const DailyWeather& D, const SiteDay& S)
{
    const double ea = (SaturationVapourPressure(D.Tmin) * D.RHmax / 100
                       + SaturationVapourPressure(D.Tmax) * D.RHmin / 100) / 2; // actual vapour pressure [kPa]
    const double Ra = ExtraterrestrialRadiation(S);                 // [MJ m-2 d-1]
    const double Rso = (0.75 + 0.0001 * S.Altitude) * Ra;           // clear sky; 1e-4 per metre, not FAO-56's 2e-5
    const double Rs = double(D.Radiation) / 0.408;                  // mm -> MJ m-2 d-1
    const double f = Divide(1.35 * Rs, Rso, "NetLongwaveFao56") - 0.35;    // cloudiness; Rs / Rso not capped at 1
    const double ePrime = 0.34 - 0.14 * SquareRoot(ea, "NetLongwaveFao56"); // net emissivity
    const double Rnl = 4.903e-09 // Stefan-Boltzmann [MJ K-4 m-2 d-1]
                     * (FourthPower(double(D.Tmin) + 273.16, "NetLongwaveFao56")
                        + FourthPower(double(D.Tmax) + 273.16, "NetLongwaveFao56")) / 2
                     * ePrime * f;                                  // [MJ m-2 d-1]
    return Finite(Rnl * 0.408, "NetLongwaveFao56");                 // MJ m-2 d-1 -> mm
}

} // namespace

// The altitude is the station's: the same for every row.
double PsychrometricConstant(double z)
{
    thread_local TermMemo<std::array<double, 1>> memo;
    return memo({z}, [&] { return PsychrometricConstantOf(z); });
}

// Three methods of a row ask for it: computed once per day.
double NetLongwaveFao56(const DailyWeather& D, const SiteDay& S)
{
    thread_local TermMemo<DayKey> memo;
    return memo(KeyOf(D, S), [&] { return NetLongwaveFao56Of(D, S); });
}

// Wind speed at 2 m [unit of U] from wind U measured at height h [m], FAO-56 Eq. 47.
double WindAt2m(double U, double h)
{
    // ln(...) = 0 at h = 6.42 / 67.8 m; below that the factor is negative, then undefined.
    const double ln = Logarithm(67.8 * h - 5.42, "WindAt2m");
    return Divide(U * 4.87, ln, "WindAt2m");
}

} // namespace etp
