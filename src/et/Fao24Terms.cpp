#include "et/Fao24Terms.h"

#include "base/CheckedMath.h"
#include "et/Fao56Terms.h"
#include "et/Units.h"

namespace etp {

// Vapour pressure deficit ea - ed [mbar], FAO-24, at the daily mean temperature.
double VapourPressureDeficitMbar(const DailyWeather& D)
{
    const double T = MeanTemperature(D);          // [°C]
    const double RHmean = MeanHumidity(D);        // [%]
    const double es = SaturationVapourPressure(T); // [kPa]
    const double ed = es * RHmean / 100;          // [kPa]
    return (es - ed) * 10;                        // kPa -> mbar
}

// Weighting factor W = delta / (delta + gamma) [-], FAO-24, all in mbar.
double WeightingFactor(const DailyWeather& D, const SiteDay& S)
{
    constexpr const char* what = "WeightingFactor";
    const double T = MeanTemperature(D); // [°C]
    // Slope of the saturation curve delta [mbar °C-1]: the derivative of Tetens's
    // e = 6.1078 * 10^(7.5 T / (T + 237.3)) [mbar], with 17.2694 = 7.5 ln 10 and
    // 25029.9221 = 6.1078 * 7.5 ln 10 * 237.3.
    const double delta = Divide(25029.9221, Power(T + 237.3, 2, what), what)
                       * Exponential(Divide(17.2694 * T, T + 237.3, what), what);
    // Air pressure [mbar]: 1013 at sea level, falling linearly by 0.1093 per metre.
    const double P = 1013 - 0.1093 * S.Altitude;
    // Latent heat of vaporization [J g-1]: 2500.8 at 0 °C, falling linearly by 2.3668 per °C.
    const double lambda = 2500.8 - 2.3668 * T;
    // gamma = cp P / (epsilon lambda) [mbar °C-1]: cp = 1.0042 J g-1 °C-1, the specific heat of
    // air; epsilon = 0.62189, the ratio of the molar masses of water and dry air (18.016 / 28.97).
    const double gamma = Divide(1.0042 * P, 0.62189 * lambda, what);
    return Divide(delta, Finite(delta + gamma, what), what);
}

// Net shortwave radiation Rns [mm d-1], FAO-24.
double NetShortwaveFao24(const DailyWeather& D)
{
    return (1 - kFao24Albedo) * D.Radiation;
}

// Net longwave radiation Rnl [mm d-1], FAO-24, f(T) f(ed) f(n/N) from the sunshine duration.
double NetLongwaveFao24(const DayTerms& day)
{
    constexpr const char* what = "NetLongwaveFao24";
    const DailyWeather& D = day.weather();
    const double T = MeanTemperature(D);                                  // [°C]
    const double RHmean = MeanHumidity(D);                                // [%]
    const double ed = SaturationVapourPressure(T) * RHmean / 100 * 10;    // [mbar]
    // 1.171e-07 cal cm-2 d-1 K-4: Stefan-Boltzmann; 273, not 273.16.
    const double fT = 1.171e-07 * Power(T + 273, 4, what) / CalPerMm;    // cal cm-2 -> mm d-1
    const double fed = 0.34 - 0.044 * SquareRoot(ed, what);               // [-]
    const double N = day.DaylightHours();                                 // [h], after the checks above
    const double n = D.Sunshine;                                          // [h]
    const double fnN = 0.1 + Divide(0.9 * n, N, what);                    // [-]
    return Finite(fT * fed * fnN, what);
}

// Wind function f(u) [mm d-1 mbar-1], FAO-24, wind run at 2 m in km d-1.
double WindFunction(const DailyWeather& D)
{
    return 0.27 * (1 + double(D.Wind) / 100);
}

// Adjustment factor c [-] of FAO-24: Frevert et al.'s (1983) regression of FAO-24's table
// of c on RHmax [%], Rs [mm d-1], the daytime wind Ud [m s-1] and the day/night wind ratio r.
double AdjustmentFactor(const DailyWeather& D)
{
    const double r = 1.5;                     // Uday / Unight, fixed
    const double U = D.Wind;                  // [km d-1]
    const double RHmax = D.RHmax;             // [%]
    const double Rs = D.Radiation;            // [mm d-1]
    // Daytime wind [m s-1]: the share r / (1 + r) of the run blown in 12 hours, = U / 72.
    const double Ud = 2000 * (U - U / (1 + r)) / SecondsPerDay;
    // The last term has no factor Ud.
    return 0.6817006 + 0.0027864 * RHmax + 0.0181768 * Rs - 0.0682501 * Ud + 0.0126514 * r
         + 0.0097297 * Ud * r + 4.3205e-05 * RHmax * Rs * Ud - 9.2118e-08 * RHmax * Rs * r;
}

} // namespace etp
