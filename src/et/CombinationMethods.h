#pragma once
#include <optional>

#include "et/Records.h"

namespace etp {

// Each returns the day's ET0 [mm d-1] of its result column.
double PenFao(const DailyWeather& D, const SiteDay& S);             // "PenFAO"
double PenFaoNoCorrection(const DailyWeather& D, const SiteDay& S); // "PFAOnocorr"
double PenFaoRadiation(const DailyWeather& D, const SiteDay& S);    // "PFAOrad"
double PriestleyTaylor(const DailyWeather& D, const SiteDay& S);    // "P-T", floor 0.01
std::optional<double> PenFaoSunshine(const DailyWeather& D, const SiteDay& S); // "PFAOsun": never a value

// "PenMon", FAO-56 Penman-Monteith for grass, floor 0.01. The soil heat flux uses the
// mean temperature of the row computed before, which the caller keeps for the whole
// run of the program (0 at start) and which every call overwrites.
double PenMon(const DailyWeather& D, const SiteDay& S, double& PreviousMeanTemperature);

} // namespace etp
