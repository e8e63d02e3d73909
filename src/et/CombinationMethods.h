#pragma once
#include <optional>

#include "et/DayTerms.h"
#include "et/Records.h"

namespace etp {

// Each returns the day's ET0 [mm d-1] of its result column.
double PenFao(DayTerms& day);             // "PenFAO"
double PenFaoNoCorrection(DayTerms& day); // "PFAOnocorr"
double PenFaoRadiation(DayTerms& day);    // "PFAOrad"
double PriestleyTaylor(DayTerms& day, double alpha); // "P-T", floor 0.01
inline double PriestleyTaylor(DayTerms& day) { return PriestleyTaylor(day, 1.26); } // Priestley and Taylor's alpha
std::optional<double> PenFaoSunshine(const DailyWeather& D, const SiteDay& S); // "PFAOsun": never a value

} // namespace etp
