#include "base/CheckedMath.h"
#include "base/ToSingle.h"
#include "et/CombinationMethods.h"
#include "et/Fao56Terms.h"
#include "et/SolarGeometry.h"
#include "et/TermMemo.h"

namespace etp {

// "PenMon": ET0 [mm d-1], FAO-56 Penman-Monteith for grass (Eq. 6 in its parts).
double PenMon(const DailyWeather& D, const SiteDay& S, double& PreviousMeanTemperature)
{
    const double u2 = double(D.Wind) * 1000 / 86400;                // km d-1 -> m s-1
    const double T = ToSingle((double(D.Tmin) + D.Tmax) / 2);       // [°C], 32-bit mean
    const double gamma = PsychrometricConstant(S.Altitude);         // [kPa °C-1]
    const double gammaStar = gamma * (1 + 0.34 * u2);               // [kPa °C-1]
    const double e0Tmin = SaturationVapourPressure(D.Tmin);         // [kPa]
    const double e0Tmax = SaturationVapourPressure(D.Tmax);         // [kPa]
    const double ea = (e0Tmin * D.RHmax / 100 + e0Tmax * D.RHmin / 100) / 2; // actual [kPa]
    const double es = (e0Tmin + e0Tmax) / 2;                        // saturation [kPa]
    // Slope from es, the mean of the two saturation pressures, not from e0(T).
    const double delta = Divide(4098 * es, Power(T + 237.3, 2, "PenMon"), "PenMon"); // [kPa °C-1]
    const double Ea = Divide(Divide(gamma, delta + gammaStar, "PenMon") * 900, T + 273, "PenMon")
                    * u2 * (es - ea);                               // aerodynamic term [mm d-1]
    const double Rns = 0.77 * D.Radiation / 0.408;                  // albedo 0.23, mm -> MJ m-2 d-1
    const double Ra = ExtraterrestrialRadiation(S);                 // [MJ m-2 d-1]
    const double Rso = (0.75 + 0.0001 * S.Altitude) * Ra;           // [MJ m-2 d-1]; 1e-4 per metre, not 2e-5
    const double Rnl = 4.903e-09
                     * (FourthPower(double(D.Tmax) + 273.16, "PenMon") + FourthPower(double(D.Tmin) + 273.16, "PenMon")) / 2
                     * (0.34 - 0.14 * SquareRoot(ea, "PenMon"))
                     * (Divide(1.35 * (double(D.Radiation) / 0.408), Rso, "PenMon") - 0.35); // [MJ m-2 d-1]
    const double Rn = Rns - Rnl;                                    // [MJ m-2 d-1]
    // Soil heat flux from the row computed before, whatever its date; none on 1 January.
    const double G = DayOfYear(S) == 1 ? 0 : 0.38 * (T - PreviousMeanTemperature); // [MJ m-2 d-1]
    PreviousMeanTemperature = T;
    const double Er = Divide(delta, delta + gammaStar, "PenMon") * (Rn - G) / 2.45; // radiation term [mm d-1]
    const double ET = Finite(Ea + Er, "PenMon");
    return ET < 0 ? 0.01 : ET;
}

} // namespace etp
