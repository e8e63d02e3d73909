#include "et/Fao56Terms.h"

#include "base/CheckedMath.h"
#include "et/Units.h"

namespace etp {

// Saturation vapour pressure e0(T) [kPa], FAO-56 Eq. 11.
double SaturationVapourPressure(double T)
{
    constexpr const char* what = "SaturationVapourPressure";
    return 0.6108 * Exponential(Divide(17.27 * T, T + 237.3, what), what);
}

// Actual vapour pressure ea [kPa], FAO-56 Eq. 17.
double ActualVapourPressure(double e0Tmin, double e0Tmax, const DailyWeather& D)
{
    return (e0Tmin * D.RHmax / 100 + e0Tmax * D.RHmin / 100) / 2;
}

// Psychrometric constant gamma [kPa °C-1], FAO-56 Eqs. 7-8.
double PsychrometricConstant(double z)
{
    // Exponent 5.256 rather than FAO-56's 5.26. Beyond about 45 km the base turns negative.
    const double P = 101.3 * Power((293 - 0.0065 * z) / 293, 5.256, "PsychrometricConstant"); // [kPa]
    return 0.0016286 * P / LatentHeat;
}

// Clear-sky radiation Rso [MJ m-2 d-1], FAO-56 Eq. 37.
double AngstromRadiation(double a, double b, double n, double N, double Ra, const char* what)
{
    return (a + b * Divide(n, N, what)) * Ra;
}

double ClearSkyRadiation(double Ra, double z, ClearSkyCoefficient coefficient)
{
    // The methods take 1e-4 per metre, not FAO-56's 2e-5; the data check takes the book's.
    const double perMetre = coefficient == ClearSkyCoefficient::Methods1e4 ? 0.0001 : 2e-5; // [m-1]
    return (0.75 + perMetre * z) * Ra;
}

// Net emissivity [-], FAO-56 Eq. 39.
double NetEmissivity(double ea, const char* what)
{
    return 0.34 - 0.14 * SquareRoot(ea, what);
}

// Cloudiness factor [-], FAO-56 Eq. 39; Rs / Rso is not capped at 1.
double CloudinessFactor(double Rs, double Rso, const char* what)
{
    return Divide(1.35 * Rs, Rso, what) - 0.35;
}

// Net long-wave radiation Rnl [MJ m-2 d-1], FAO-56 Eq. 39.
double NetLongwaveRadiation(double Tmin, double Tmax, double emissivity, double cloudiness, const char* what)
{
    return 4.903e-09 // Stefan-Boltzmann [MJ K-4 m-2 d-1], FAO-56 Eq. 39 (ASCE-EWRI 2005 takes 4.901e-9)
         * (Power(Tmin + 273.16, 4, what) + Power(Tmax + 273.16, 4, what)) / 2 * emissivity * cloudiness;
}

// Net long-wave radiation Rnl [mm d-1] from the measured radiation, FAO-56 Eq. 39.
double NetLongwaveFao56(const DailyWeather& D, double ea, double Rso)
{
    constexpr const char* what = "NetLongwaveFao56";
    const double Rs = double(D.Radiation) / MmPerMJ;     // mm -> MJ m-2 d-1
    const double f = CloudinessFactor(Rs, Rso, what);    // [-]
    const double ePrime = NetEmissivity(ea, what);       // [-]
    return Finite(NetLongwaveRadiation(D.Tmin, D.Tmax, ePrime, f, what) * MmPerMJ, what); // MJ m-2 d-1 -> mm
}

// Wind speed at 2 m [unit of U] from wind U measured at height h [m], FAO-56 Eq. 47.
double WindAt2m(double U, double h)
{
    // ln(...) = 0 at h = 6.42 / 67.8 m; below that the factor is negative, then undefined.
    const double ln = Logarithm(67.8 * h - 5.42, "WindAt2m");
    return Divide(U * 4.87, ln, "WindAt2m");
}

} // namespace etp
