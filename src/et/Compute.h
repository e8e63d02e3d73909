#pragma once
#include "base/Outcome.h"
#include "et/Estimates.h"
#include "et/MethodOptions.h"
#include "et/Methods.h"
#include "et/OtherMethods.h"
#include "sheet/MeteoSheet.h"
#include "sheet/ColumnMap.h"
#include "sheet/UnitLists.h"
#include "sheet/Station.h"

namespace etp {

struct ComputeSettings {
    const ColumnMap& columns;
    const UnitSelection& units;
    const StationValues& station;
    const MethodSelection& methods;
    const HargreavesCoefficients& hargreaves;
    const EstimateSettings& estimates;
    // The Option menu's choices of PenMon, P-T, Turc and PotRad.
    const MethodOptions& options = kDefaultMethodOptions;
};

// The checks "Compute" makes before it writes anything: a date column, and an altitude
// and latitude that fit the day records. Done, or refused with the message.
Outcome CheckComputeSettings(const ComputeSettings& settings);

// A station at 0° and 0 m: the command asks whether that was meant before computing.
bool StationAtOrigin(const StationValues& station);

// "Compute": one result column per checked method, after the last title, labelled in
// row 1, one "##.##" value per day. Refused (nothing written) when CheckComputeSettings
// refuses or the sheet has no room for the columns; stopped at a row, with what was
// written before kept, when a day cannot be computed. previousMeanTemperature is
// PenMon's memory of the row computed before; it lasts for the whole run of the program.
Outcome Compute(MeteoSheet& sheet, const ComputeSettings& settings, double& previousMeanTemperature);

} // namespace etp
