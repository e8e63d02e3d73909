#pragma once
// The FAO-56 family in kPa and MJ m-2 d-1.
#include "et/Records.h"

namespace etp {

// Psychrometric constant gamma [kPa °C-1] at altitude z [m]; pressure exponent 5.256.
double PsychrometricConstant(double z);
// Saturation vapour pressure e0(T) [kPa], FAO-56 Eq. 11.
double SaturationVapourPressure(double T);
// Actual vapour pressure ea [kPa] from e0(Tmin), e0(Tmax) and the day's humidity extremes, FAO-56 Eq. 17.
double ActualVapourPressure(double e0Tmin, double e0Tmax, const DailyWeather& D);

// The albedo of the grass reference surface [-], FAO-56 Eq. 38 (and ASCE-EWRI 2005 Eq. 16).
inline constexpr double kGrassAlbedo = 0.23;

// Global radiation Rs from the sunshine duration, Angstrom's (a + b n/N) Ra, FAO-56 Eq. 35:
// n and N [h], Ra in Rs's unit; what names the caller in an error.
double AngstromRadiation(double a, double b, double n, double N, double Ra, const char* what);

// The altitude coefficient of the clear-sky radiation: the older methods' 1e-4 per metre, or FAO-56's 2e-5.
enum class ClearSkyCoefficient { Methods1e4, Fao56 };
// Clear-sky radiation Rso [MJ m-2 d-1] from Ra [MJ m-2 d-1] at altitude z [m], FAO-56 Eq. 37.
double ClearSkyRadiation(double Ra, double z, ClearSkyCoefficient coefficient);

// The factors of the net long-wave radiation, FAO-56 Eq. 39; what names the caller in an error.
// Net emissivity 0.34 - 0.14 sqrt(ea) [-] from the actual vapour pressure ea [kPa].
double NetEmissivity(double ea, const char* what);
// Cloudiness factor 1.35 Rs / Rso - 0.35 [-], Rs and Rso in MJ m-2 d-1; Rs / Rso is not capped at 1.
double CloudinessFactor(double Rs, double Rso, const char* what);
// Net long-wave radiation Rnl [MJ m-2 d-1] from Tmin, Tmax [°C] and the two factors above.
double NetLongwaveRadiation(double Tmin, double Tmax, double emissivity, double cloudiness, const char* what);
// Net long-wave radiation Rnl [mm d-1] from the measured radiation, ea [kPa] and Rso [MJ m-2 d-1].
double NetLongwaveFao56(const DailyWeather& D, double ea, double Rso);

// Wind speed at 2 m from wind U measured at height h [m], in U's unit, FAO-56 Eq. 47.
double WindAt2m(double U, double h);

} // namespace etp
