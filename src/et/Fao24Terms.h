#pragma once
// The FAO-24 family in mbar and in mm of evaporation per day.
#include "et/DayTerms.h"
#include "et/Records.h"

namespace etp {

// Vapour pressure deficit ea - ed [mbar].
double VapourPressureDeficitMbar(const DailyWeather& D);
// The albedo of FAO-24's Penman [-].
inline constexpr double kFao24Albedo = 0.25;

// Net shortwave radiation Rns [mm d-1], albedo kFao24Albedo.
double NetShortwaveFao24(const DailyWeather& D);
// Net longwave radiation from sunshine Rnl [mm d-1]; the day's daylight hours N come from its terms.
double NetLongwaveFao24(const DayTerms& day);
// Weighting factor W = delta / (delta + gamma) [-].
double WeightingFactor(const DailyWeather& D, const SiteDay& S);
// Wind function f(u) [mm d-1 mbar-1].
double WindFunction(const DailyWeather& D);
// Adjustment factor c [-] (regression, day/night wind ratio 1.5).
double AdjustmentFactor(const DailyWeather& D);

} // namespace etp
