#pragma once
// The whole state of one run of the program: the sheet and every setting the windows
// show. Widgets display and edit it; commands are functions over it.
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "analysis/StationSeries.h"
#include "base/Version.h"
#include "et/Estimates.h"
#include "et/MethodOptions.h"
#include "et/Methods.h"
#include "et/OtherMethods.h"
#include "irrigation/Irrigation.h"
#include "workbench/ComputedColumns.h"
#include "workbench/CropBalanceForm.h"
#include "sheet/MeteoSheet.h"
#include "sheet/ColumnMap.h"
#include "sheet/UnitLists.h"
#include "sheet/Station.h"
#include "workbench/WorkingFile.h"

namespace etp {

struct Workbench {
    // The load step of the main window: captions 0..20, "?" in the column boxes, the
    // first unit of each list, default Hargreaves coefficients, only "Print potential
    // radiation" enabled, the station values in the status panels.
    Workbench();
    // What the analyses (data check, summary, Hargreaves calibration) read of it.
    operator StationSeries() const { return {sheet, columns, units, station, methodOptions, hargreaves}; }

    MeteoSheet sheet;
    // The file the sheet was opened from or last saved to.
    WorkingFile workingFile;
    ColumnMap columns;
    UnitSelection units;
    StationParameters station;
    // The station values the person gave for this run (etp's --lat, --alt, --wind-height,
    // a station table's columns): a file's header or titles never replace them.
    struct StationGiven {
        bool latitude = false, altitude = false, windHeight = false;
    } stationGiven;
    // False while the sheet belongs to a file whose station nobody has given yet (neither
    // kept from an earlier opening, nor named by the file's header, nor confirmed in the
    // station dialog): Compute then asks for it. Batch runs never clear it.
    bool stationSet = true;
    // The desktop program keeps each file's station: set, Open asks it for the station
    // last given for that file (none the first time) and the station goes with the file.
    std::function<std::optional<StationParameters>(const std::string& path)> stationOfFile;
    MethodSelection methods;
    HargreavesCoefficients hargreaves;
    // What Compute may estimate of a day missing a measurement (Option menu); nothing by default.
    EstimateSettings estimates;
    // How PenMon, P-T, Turc and PotRad compute (Option menu); the original formulas by default.
    MethodOptions methodOptions;
    // PenMon's mean temperature of the row it computed last; kept for the whole run.
    double previousMeanTemperature = 0;
    // The result columns of the Computes on this sheet and the columns they read.
    ComputedColumns computed;
    // Panels 1..4 of the status bar.
    std::array<std::string, 4> statusPanels;
    // What the last "Apply" of each irrigation added to the rain column.
    std::vector<IrrigationApplication> turnedApplications;
    std::vector<IrrigationApplication> onDemandApplications;
    // What the crop water balance's last "Add irrigation to rain" added.
    std::vector<IrrigationApplication> cropApplications;
    // Irrigation > Crop water balance: its boxes and choices, and the last balance run.
    CropBalanceForm cropBalance;
};

} // namespace etp
