#pragma once
#include "et/Records.h"

namespace etp {

// Psychrometric constant gamma [kPa °C-1] at altitude z [m]; pressure exponent 5.256.
double PsychrometricConstant(double z);
// Saturation vapour pressure e0(T) [kPa], FAO-56 Eq. 11.
double SaturationVapourPressure(double T);
// Net longwave radiation from measured radiation [mm d-1], FAO-56 Eq. 39 form.
double NetLongwaveFao56(const DailyWeather& D, const SiteDay& S);
// Wind speed at 2 m from wind U measured at height h [m], in U's unit, FAO-56 Eq. 47.
double WindAt2m(double U, double h);

} // namespace etp
