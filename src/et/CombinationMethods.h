#pragma once
#include "et/DayTerms.h"
#include "et/MethodOptions.h"
#include "et/OtherMethods.h"
#include "et/Records.h"

namespace etp {

// Each returns the day's ET0 [mm d-1] of its result column.
double PenFao(DayTerms& day);             // "PenFAO"
double PenFaoNoCorrection(DayTerms& day); // "PFAOnocorr"
double PenFaoRadiation(DayTerms& day);    // "PFAOrad"
double PriestleyTaylor(DayTerms& day, double alpha); // "P-T", floor 0.01
inline double PriestleyTaylor(DayTerms& day) { return PriestleyTaylor(day, kPriestleyTaylorAlpha); }
double PenFaoSunshine(DayTerms& day);     // "PFAOsun", radiation from the sunshine
// "P-T extrad", radiation from the month's mean temperature range in the table with the
// given kRs [°C-0.5]; floor 0.01.
double PriestleyTaylorExtrad(DayTerms& day, const MonthlyTemperatureRange& table, double krs);

} // namespace etp
