#include "et/CombinationMethods.h"

#include "base/CheckedMath.h"
#include "base/ToSingle.h"
#include "et/Fao24Terms.h"
#include "et/Fao56Terms.h"
#include "et/MonthlyTable.h"
#include "et/SolarGeometry.h"
#include "et/Units.h"

// The FAO-24 Penman family in mm d-1, and Priestley-Taylor on the same radiation terms, with
// the measured radiation or one estimated from the sunshine or the temperature range.
// PenMon, which keeps a value between days, is in PenMon.cpp.

namespace etp {

namespace {

// The FAO-24 Penman bracket W (Rns - Rnl) + (1 - W) f(u) (ea - ed) [mm d-1], for a given
// net longwave radiation Rnl [mm d-1]; D is the day's weather with the global radiation the
// method takes.
double PenmanFao24(DayTerms& day, const DailyWeather& D, double Rnl)
{
    const double W = day.WeightingFactor();              // [-]
    const double Rns = NetShortwaveFao24(D);             // [mm d-1]
    const double fu = WindFunction(D);                   // [mm d-1 mbar-1]
    const double eaed = day.VapourPressureDeficitMbar(); // ea - ed [mbar]
    return W * (Rns - Rnl) + (1 - W) * fu * eaed;
}

double PenmanFao24(DayTerms& day, double Rnl)
{
    return PenmanFao24(day, day.weather(), Rnl);
}

} // namespace

// "PenFAO": ET0 [mm d-1], FAO-24 Penman with adjustment factor, longwave from sunshine.
double PenFao(DayTerms& day)
{
    const double c = AdjustmentFactor(day.weather()); // [-]
    return Finite(c * PenmanFao24(day, NetLongwaveFao24(day)), "PenFao"); // may be negative
}

// "PFAOnocorr": ET0 [mm d-1], FAO-24 Penman without c, longwave from the measured radiation.
double PenFaoNoCorrection(DayTerms& day)
{
    return Finite(PenmanFao24(day, day.NetLongwaveFao56()), "PenFaoNoCorrection"); // may be negative
}

// "PFAOrad": ET0 [mm d-1], FAO-24 Penman with c, longwave from the measured radiation.
double PenFaoRadiation(DayTerms& day)
{
    const double c = AdjustmentFactor(day.weather()); // [-]
    return Finite(c * PenmanFao24(day, day.NetLongwaveFao56()), "PenFaoRadiation"); // may be negative
}

// "P-T": ET0 [mm d-1], Priestley and Taylor (1972) with their alpha 1.26 unless the Option
// menu sets another, and no soil heat flux.
double PriestleyTaylor(DayTerms& day, double alpha)
{
    const double W = day.WeightingFactor();                // [-]
    const double Rns = NetShortwaveFao24(day.weather());   // [mm d-1]
    const double Rnl56 = day.NetLongwaveFao56();           // [mm d-1]
    const double ET = Finite(alpha * W * (Rns - Rnl56), "PriestleyTaylor");
    return ET < 0 ? 0.01 : ET; // a negative day shows as 0.01; 0 stays 0
}

// "PFAOsun": ET0 [mm d-1], FAO-24 Penman with c, global radiation from the sunshine alone by
// Angstrom's Rs = (0.25 + 0.50 n/N) Ra with FAO-24's coefficients; a radiation column is not read.
double PenFaoSunshine(DayTerms& day)
{
    constexpr const char* what = "PenFaoSunshine";
    DailyWeather D = day.weather();
    const SiteDay& S = day.site();
    // N of FAO-56 Eq. 34, as the estimate of a missing radiation from the sunshine takes it: with
    // that estimate's default coefficients, "PenFAO" gives this method's value.
    const double N = DaylightHoursFao56(DayOfYear(S), S.Latitude);      // [h]
    const double Ra = day.ExtraterrestrialRadiation();                  // [MJ m-2 d-1]
    const double Rs = AngstromRadiation(0.25, 0.50, D.Sunshine, N, Ra, what); // [MJ m-2 d-1]
    D.Radiation = ToSingleChecked(Rs * MmPerMJ, what); // MJ m-2 d-1 -> mm d-1, held as a measured value is
    const double c = AdjustmentFactor(D);               // [-], on the estimated Rs
    return Finite(c * PenmanFao24(day, D, NetLongwaveFao24(day)), what); // may be negative
}

// "P-T extrad": ET0 [mm d-1], "P-T" on the global radiation from the month's mean temperature
// range, Rs = kRs sqrt(Tmax - Tmin) Ra (FAO-56 Eq. 50). Without humidity the net longwave
// takes ea = e0(Tmin) (FAO-56 Eq. 48): the dew point at the day's minimum. Its alpha is
// always Priestley and Taylor's: the Option menu's alpha is "P-T"'s alone, as its dialog
// says; the kRs of that dialog is this method's.
double PriestleyTaylorExtrad(DayTerms& day, const MonthlyTemperatureRange& table, double krs)
{
    constexpr const char* what = "PriestleyTaylorExtrad";
    const DailyWeather& D = day.weather();
    const SiteDay& S = day.site();
    const double range = MonthlyMeanRange(table, S);                 // [°C]
    const double Ra = day.ExtraterrestrialRadiation();               // [MJ m-2 d-1]
    const double Rs = krs * SquareRoot(range, what) * Ra;            // [MJ m-2 d-1]
    const double Rso = ClearSkyRadiation(Ra, S.Altitude, ClearSkyCoefficient::Methods1e4); // [MJ m-2 d-1]
    const double ea = SaturationVapourPressure(D.Tmin);              // [kPa]
    const double f = CloudinessFactor(Rs, Rso, what);                // [-]
    const double ePrime = NetEmissivity(ea, what);                   // [-]
    const double Rnl = NetLongwaveRadiation(D.Tmin, D.Tmax, ePrime, f, what) * MmPerMJ; // MJ m-2 d-1 -> mm
    const double Rns = (1 - kFao24Albedo) * Rs * MmPerMJ;            // [mm d-1]
    const double W = day.WeightingFactor();                          // [-]
    const double ET = Finite(kPriestleyTaylorAlpha * W * (Rns - Rnl), what);
    return ET < 0 ? 0.01 : ET; // a negative day shows as 0.01, as in "P-T"
}

} // namespace etp
