#pragma once
// What the analyses read of a run: the sheet, how its columns are read and the settings
// of the methods they compute again. The workbench hands its own over (Workbench.h).
#include "et/MethodOptions.h"
#include "et/OtherMethods.h"
#include "sheet/MeteoSheet.h"
#include "sheet/ColumnMap.h"
#include "sheet/UnitLists.h"
#include "sheet/Station.h"

namespace etp {

struct StationSeries {
    const MeteoSheet& sheet;
    const ColumnMap& columns;
    const UnitSelection& units;
    const StationParameters& station;
    const MethodOptions& methodOptions;
    const HargreavesCoefficients& hargreaves;
};

} // namespace etp
