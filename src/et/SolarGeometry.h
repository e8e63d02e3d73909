#pragma once
#include "et/Records.h"

namespace etp {

// Arc cosine [rad] as atan(-x / sqrt(1 - x^2)) + 1.5708; |x| >= 1 is an ArithmeticError.
double ArcCos(double x);
// Ordinal day [day] in a 365-day year: 29 February and 1 March are both day 60.
int DayOfYear(const SiteDay& S);
// Daylight hours N [h] on day J at a latitude [degrees], FAO-24 declination constants (0.4093, 1.405).
double DaylightHours(int J, double latitude);
inline double DaylightHours(const SiteDay& S) { return DaylightHours(DayOfYear(S), S.Latitude); }
// Daylight hours N [h] on day J at a latitude [degrees], FAO-56 Eq. 34 with the declination of Ra.
double DaylightHoursFao56(int J, double latitude);
// Extraterrestrial radiation Ra [MJ m-2 d-1] on day J at a latitude [degrees], FAO-56 Eqs. 21, 23-25.
double ExtraterrestrialRadiation(int J, double latitude);
inline double ExtraterrestrialRadiation(const SiteDay& S) { return ExtraterrestrialRadiation(DayOfYear(S), S.Latitude); }

} // namespace etp
