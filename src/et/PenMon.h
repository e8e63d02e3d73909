#pragma once
#include "et/DayTerms.h"
#include "et/MethodOptions.h"

namespace etp {

// "PenMon", FAO-56 Penman-Monteith for grass, floor 0.01. The soil heat flux uses the
// mean temperature of the row computed before, which the caller keeps for the whole
// run of the program (0 at start) and which every call overwrites, whatever G is taken.
double PenMon(const DayTerms& day, double& previousMeanTemperature,
              SoilHeatFlux soilHeat = SoilHeatFlux::PreviousDayMean);

} // namespace etp
