#pragma once
#include "base/UserInterface.h"
#include "et/Methods.h"
#include "et/OtherMethods.h"
#include "sheet/MeteoSheet.h"
#include "sheet/Settings.h"

namespace etp {

struct ComputeSettings {
    const ColumnMap& columns;
    const UnitSelection& units;
    const StationParameters& station;
    const MethodSelection& methods;
    const HargreavesCoefficients& hargreaves;
};

enum class ComputeOutcome {
    Completed,
    StationRequested, // the person cancelled the latitude/altitude question: show the station dialog
    Refused,          // nothing was written
    Stopped,          // an error ended the command at a row; what was written stays
};

// "Compute": one result column per checked method, after the last title, labelled in
// row 1, one "##.##" value per day. PreviousMeanTemperature is PenMon's memory of the
// row computed before; it lasts for the whole run of the program.
ComputeOutcome Compute(MeteoSheet& sheet, const ComputeSettings& settings, double& PreviousMeanTemperature,
                       UserInterface& ui);

inline constexpr const char* kStationQuestion =
    "Your meteorological station is at 0° degrees and at 0 m above sea level or simple you forgot this data ?";

} // namespace etp
