#include "et/CombinationMethods.h"

#include "base/CheckedMath.h"
#include "et/Fao24Terms.h"
#include "et/Fao56Terms.h"

// The FAO-24 Penman family in mm d-1, and Priestley-Taylor on the same radiation terms.
// PenMon, which keeps a value between days, is in PenMon.cpp.

namespace etp {

namespace {

// The FAO-24 Penman bracket W (Rns - Rnl) + (1 - W) f(u) (ea - ed) [mm d-1], for a given
// net longwave radiation Rnl [mm d-1].
double PenmanFao24(const DailyWeather& D, const SiteDay& S, double Rnl)
{
    const double W = WeightingFactor(D, S);             // [-]
    const double Rns = NetShortwaveFao24(D);            // [mm d-1]
    const double fu = WindFunction(D);                  // [mm d-1 mbar-1]
    const double eaed = VapourPressureDeficitMbar(D);   // ea - ed [mbar]
    return W * (Rns - Rnl) + (1 - W) * fu * eaed;
}

} // namespace

// "PenFAO": ET0 [mm d-1], FAO-24 Penman with adjustment factor, longwave from sunshine.
double PenFao(const DailyWeather& D, const SiteDay& S)
{
    const double c = AdjustmentFactor(D); // [-]
    return Finite(c * PenmanFao24(D, S, NetLongwaveFao24(D, S)), "PenFao"); // may be negative
}

// "PFAOnocorr": ET0 [mm d-1], FAO-24 Penman without c, longwave from the measured radiation.
double PenFaoNoCorrection(const DailyWeather& D, const SiteDay& S)
{
    return Finite(PenmanFao24(D, S, NetLongwaveFao56(D, S)), "PenFaoNoCorrection"); // may be negative
}

// "PFAOrad": ET0 [mm d-1], FAO-24 Penman with c, longwave from the measured radiation.
double PenFaoRadiation(const DailyWeather& D, const SiteDay& S)
{
    const double c = AdjustmentFactor(D); // [-]
    return Finite(c * PenmanFao24(D, S, NetLongwaveFao56(D, S)), "PenFaoRadiation"); // may be negative
}

// "P-T": ET0 [mm d-1], Priestley-Taylor with alpha 1.26 and no soil heat flux.
double PriestleyTaylor(const DailyWeather& D, const SiteDay& S)
{
    const double W = WeightingFactor(D, S);             // [-]
    const double Rns = NetShortwaveFao24(D);            // [mm d-1]
    const double Rnl56 = NetLongwaveFao56(D, S);        // [mm d-1]
    const double ET = Finite(1.26 * W * (Rns - Rnl56), "PriestleyTaylor");
    return ET < 0 ? 0.01 : ET; // a negative day shows as 0.01; 0 stays 0
}

// "PFAOsun": the sunshine-only variant has no formula; it never yields a number.
std::optional<double> PenFaoSunshine(const DailyWeather&, const SiteDay&)
{
    return std::nullopt;
}

} // namespace etp
