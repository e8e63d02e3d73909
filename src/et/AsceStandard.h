#pragma once
// The ASCE-EWRI (2005) standardized reference ET, daily time step, with the standard's own
// constants (exact pi, 2e-5 per metre in Rso, exponent 5.26, 0.000665 P, 4.901e-9, a bounded
// Rs / Rso, G = 0). The program's older Penman terms keep their historical constants and are
// not used here.
#include "et/MethodOptions.h"
#include "et/Records.h"

namespace etp {

// The two reference surfaces: the numerator constant Cn [K mm s3 Mg-1 d-1] and the
// denominator constant Cd [s m-1] of ASCE-EWRI (2005) Table 1, daily.
struct AsceSurface {
    double Cn;
    double Cd;
};
inline constexpr AsceSurface kAsceShort{900, 0.34}; // ETos, clipped grass
inline constexpr AsceSurface kAsceTall{1600, 0.38}; // ETrs, alfalfa

// Day of year J [day] of the real calendar: 1 March is day 61 in a leap year.
int CalendarDayOfYear(const SiteDay& S);

// Atmospheric pressure P [kPa] at altitude z [m], ASCE-EWRI Eq. 3.
double AscePressure(double z);
// Slope of the saturation vapour pressure curve delta [kPa °C-1] at T [°C], ASCE-EWRI Eq. 5.
double AsceSlope(double T);
// Extraterrestrial radiation Ra [MJ m-2 d-1] on calendar day J at a latitude [degrees],
// ASCE-EWRI Eqs. 21-27.
double AsceExtraterrestrialRadiation(int J, double latitude);
// Clear-sky radiation Rso [MJ m-2 d-1], ASCE-EWRI Appendix D (Eqs. D.1-D.5, daily), from Ra
// [MJ m-2 d-1], the air pressure P [kPa], the actual vapour pressure ea [kPa], calendar day J
// and latitude [degrees], for clean air (KT = 1).
double AsceClearSkyFull(double Ra, double P, double ea, int J, double latitude);
// Cloudiness function fcd [-] from Rs and Rso [MJ m-2 d-1], ASCE-EWRI Eq. 18.
double AsceCloudiness(double Rs, double Rso);
// Net long-wave radiation Rnl [MJ m-2 d-1], ASCE-EWRI Eq. 17.
double AsceNetLongwave(double Tmin, double Tmax, double ea, double fcd);

// Standardized reference ET [mm d-1] of a surface, ASCE-EWRI Eq. 1, from the day's
// temperatures, humidities, radiation and wind at 2 m. Not clipped at zero.
double AsceStandardized(const DailyWeather& D, const SiteDay& S, AsceSurface surface,
                        AsceClearSky clearSky = AsceClearSky::Simple);

} // namespace etp
