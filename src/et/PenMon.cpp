#include "et/PenMon.h"

#include "base/CheckedMath.h"
#include "et/Fao56Terms.h"
#include "et/SolarGeometry.h"
#include "et/Units.h"

namespace etp {

// "PenMon": ET0 [mm d-1], FAO-56 Penman-Monteith for grass (Eq. 6 in its parts).
double PenMon(const DayTerms& day, double& previousMeanTemperature, SoilHeatFlux soilHeat)
{
    constexpr const char* what = "PenMon";
    const DailyWeather& D = day.weather();
    const SiteDay& S = day.site();
    const double u2 = double(D.Wind) * 1000 / SecondsPerDay;        // km d-1 -> m s-1
    const double T = MeanTemperature(D);                            // [°C]
    const double gamma = day.PsychrometricConstant();               // [kPa °C-1]
    const double gammaStar = gamma * (1 + 0.34 * u2);               // [kPa °C-1]
    const double e0Tmin = SaturationVapourPressure(D.Tmin);         // [kPa]
    const double e0Tmax = SaturationVapourPressure(D.Tmax);         // [kPa]
    const double ea = ActualVapourPressure(e0Tmin, e0Tmax, D);      // [kPa]
    const double es = (e0Tmin + e0Tmax) / 2;                        // saturation [kPa]
    // Slope from es, the mean of the two saturation pressures, not from e0(T).
    const double delta = Divide(4098 * es, Power(T + 237.3, 2, what), what); // [kPa °C-1]
    const double Ea = Divide(Divide(gamma, delta + gammaStar, what) * 900, T + 273, what)
                    * u2 * (es - ea);                               // aerodynamic term [mm d-1]
    const double Rns = (1 - kGrassAlbedo) * D.Radiation / MmPerMJ;  // mm -> MJ m-2 d-1
    const double Ra = day.ExtraterrestrialRadiation();              // [MJ m-2 d-1]
    const double Rso = ClearSkyRadiation(Ra, S.Altitude, ClearSkyCoefficient::Methods1e4); // [MJ m-2 d-1]
    // The emissivity is checked before the cloudiness here, the other way round in
    // NetLongwaveFao56: a day that fails both names the failure its method meets first.
    const double ePrime = NetEmissivity(ea, what);                  // [-]
    const double f = CloudinessFactor(double(D.Radiation) / MmPerMJ, Rso, what); // [-]
    const double Rnl = NetLongwaveRadiation(D.Tmin, D.Tmax, ePrime, f, what);    // [MJ m-2 d-1]
    const double Rn = Rns - Rnl;                                    // [MJ m-2 d-1]
    // Soil heat flux [MJ m-2 d-1]: FAO-56 Eq. 41 over one day with cs dz = 0.38 MJ m-2 °C-1,
    // from the mean of the row computed before, whatever its date; none on 1 January.
    // FAO-56 Eq. 42 takes G = 0 for daily steps: the Option menu's other choice.
    const bool noFlux = soilHeat == SoilHeatFlux::Zero || DayOfYear(S) == 1;
    const double G = noFlux ? 0 : 0.38 * (T - previousMeanTemperature);
    previousMeanTemperature = T;
    const double Er = Divide(delta, delta + gammaStar, what) * (Rn - G) / LatentHeat; // radiation term [mm d-1]
    const double ET = Finite(Ea + Er, what);
    return ET < 0 ? 0.01 : ET;
}

} // namespace etp
