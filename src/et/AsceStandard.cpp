#include "et/AsceStandard.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "base/CheckedMath.h"
#include "et/Fao56Terms.h"
#include "et/SolarGeometry.h"
#include "et/Units.h"
#include "sheet/DateParts.h"

namespace etp {

namespace {

constexpr double pi = std::numbers::pi;

} // namespace

int CalendarDayOfYear(const SiteDay& S)
{
    const int J = DayOfYear(S); // checks the month and day; February has 28 days there
    const int year = static_cast<int>(S.Year);
    return S.Month > 2 && DaysInMonth(2, year) == 29 ? J + 1 : J;
}

double AscePressure(double z)
{
    return 101.3 * Power((293 - 0.0065 * z) / 293, 5.26, "AscePressure"); // [kPa]
}

double AsceSlope(double T)
{
    constexpr const char* what = "AsceSlope";
    return Divide(2503 * Exponential(Divide(17.27 * T, T + 237.3, what), what), Power(T + 237.3, 2, what), what);
}

double AsceExtraterrestrialRadiation(int J, double latitude)
{
    // The standard's 365 in the sin and cos terms, in leap years too; J runs to 366 there.
    const double phi = latitude * pi / 180;                            // latitude [rad]
    const double dr = 1 + 0.033 * std::cos(2 * pi / 365 * J);          // inverse relative distance, Eq. 23
    const double delta = 0.409 * std::sin(2 * pi / 365 * J - 1.39);    // declination [rad], Eq. 24
    // Sunset hour angle [rad], Eqs. 26-27: X kept above 0, so polar days and nights have one.
    const double tanProduct = std::tan(phi) * std::tan(delta);
    const double X = std::max(1 - tanProduct * tanProduct, 0.00001);
    const double ws = pi / 2 - std::atan(-tanProduct / std::sqrt(X));
    return Finite(24 / pi * 4.92 * dr                                  // 4.92 MJ m-2 h-1: solar constant, Eq. 21
                      * (ws * std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::sin(ws)),
                  "AsceExtraterrestrialRadiation");
}

double AsceClearSkyFull(double Ra, double P, double ea, int J, double latitude)
{
    constexpr const char* what = "AsceClearSkyFull";
    const double phi = latitude * pi / 180; // [rad]
    // Sine of the sun's angle above the horizon, averaged over the day weighted by Ra,
    // Eq. D.5; kept at 0.1 or more, as the standard advises for high latitudes in winter.
    const double sinBeta = std::max(std::sin(0.85 + 0.3 * phi * std::sin(2 * pi / 365 * J - 1.39) - 0.42 * phi * phi), 0.1);
    const double W = 0.14 * ea * P + 2.1; // precipitable water [mm], Eq. D.3
    const double KT = 1;                  // turbidity, clean air
    // Clearness index of the direct beam [-], Eq. D.2.
    const double KB = 0.98 * Exponential(-0.00146 * P / (KT * sinBeta) - 0.075 * Power(W / sinBeta, 0.4, what), what);
    const double KD = KB >= 0.15 ? 0.35 - 0.36 * KB : 0.18 + 0.82 * KB; // diffuse index [-], Eq. D.4
    return (KB + KD) * Ra;                                               // Eq. D.1
}

double AsceCloudiness(double Rs, double Rso)
{
    const double ratio = std::clamp(Divide(Rs, Rso, "AsceCloudiness"), 0.3, 1.0); // Rs / Rso [-]
    return 1.35 * ratio - 0.35;
}

double AsceNetLongwave(double Tmin, double Tmax, double ea, double fcd)
{
    constexpr const char* what = "AsceNetLongwave";
    const double sigma = 4.901e-9; // Stefan-Boltzmann [MJ K-4 m-2 d-1], ASCE-EWRI (2005) Eq. 17
    return sigma * fcd * (0.34 - 0.14 * SquareRoot(ea, what)) *
           (Power(Tmax + 273.16, 4, what) + Power(Tmin + 273.16, 4, what)) / 2;
}

double AsceStandardized(const DailyWeather& D, const SiteDay& S, AsceSurface surface, AsceClearSky clearSky)
{
    constexpr const char* what = "AsceStandardized";
    const double Tmin = D.Tmin, Tmax = D.Tmax;                                      // [°C]
    const double T = (Tmin + Tmax) / 2;                                             // [°C], Eq. 2
    const double P = AscePressure(S.Altitude);                                      // [kPa], Eq. 3
    const double gamma = 0.000665 * P;                                              // [kPa °C-1], Eq. 4
    const double delta = AsceSlope(T);                                              // [kPa °C-1]
    const double e0Tmin = SaturationVapourPressure(Tmin);                           // [kPa], Eq. 7
    const double e0Tmax = SaturationVapourPressure(Tmax);                           // [kPa]
    const double es = (e0Tmin + e0Tmax) / 2;                                        // [kPa], Eq. 6
    const double ea = ActualVapourPressure(e0Tmin, e0Tmax, D);                      // [kPa], Eq. 11
    const double Rs = double(D.Radiation) / MmPerMJ;                                // mm -> MJ m-2 d-1
    const int J = CalendarDayOfYear(S);
    const double Ra = AsceExtraterrestrialRadiation(J, S.Latitude);                 // [MJ m-2 d-1]
    const double Rso = clearSky == AsceClearSky::Full ? AsceClearSkyFull(Ra, P, ea, J, S.Latitude)
                                                      : ClearSkyRadiation(Ra, S.Altitude, ClearSkyCoefficient::Fao56); // Eq. 19
    const double Rns = (1 - kGrassAlbedo) * Rs;                                     // [MJ m-2 d-1], Eq. 16
    const double Rnl = AsceNetLongwave(Tmin, Tmax, ea, AsceCloudiness(Rs, Rso));    // [MJ m-2 d-1]
    const double Rn = Rns - Rnl;                                                    // [MJ m-2 d-1], Eq. 15
    const double G = 0;                                                             // daily, Eq. 30
    const double u2 = double(D.Wind) * 1000 / SecondsPerDay;                        // km d-1 -> m s-1
    const double numerator = 0.408 * delta * (Rn - G) + gamma * Divide(surface.Cn, T + 273, what) * u2 * (es - ea);
    return Divide(numerator, delta + gamma * (1 + surface.Cd * u2), what);
}

} // namespace etp
