#include "et/CombinationMethods.h"

#include "base/CheckedMath.h"
#include "et/Fao24Terms.h"

// The FAO-24 Penman family in mm d-1, and Priestley-Taylor on the same radiation terms.
// PenMon, which keeps a value between days, is in PenMon.cpp.

namespace etp {

namespace {

// The FAO-24 Penman bracket W (Rns - Rnl) + (1 - W) f(u) (ea - ed) [mm d-1], for a given
// net longwave radiation Rnl [mm d-1].
double PenmanFao24(DayTerms& day, double Rnl)
{
    const DailyWeather& D = day.weather();
    const double W = day.WeightingFactor();              // [-]
    const double Rns = NetShortwaveFao24(D);             // [mm d-1]
    const double fu = WindFunction(D);                   // [mm d-1 mbar-1]
    const double eaed = day.VapourPressureDeficitMbar(); // ea - ed [mbar]
    return W * (Rns - Rnl) + (1 - W) * fu * eaed;
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

// "PFAOsun": the sunshine-only variant has no formula; it never yields a number.
std::optional<double> PenFaoSunshine(const DailyWeather&, const SiteDay&)
{
    return std::nullopt;
}

} // namespace etp
