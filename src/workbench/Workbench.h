#pragma once
// The whole state of one run of the program: the sheet and every setting the windows
// show. Widgets display and edit it; commands are functions over it.
#include <array>
#include <memory>
#include <string>

#include "base/Version.h"
#include "et/Estimates.h"
#include "et/MethodOptions.h"
#include "et/Methods.h"
#include "et/OtherMethods.h"
#include "irrigation/Irrigation.h"
#include "workbench/CropBalanceForm.h"
#include "sheet/MeteoSheet.h"
#include "sheet/Settings.h"
#include "workbench/WorkingFile.h"

namespace etp {

struct Workbench {
    // The load step of the main window: captions 0..20, "?" in the column boxes, the
    // first unit of each list, default Hargreaves coefficients, only "Print potential
    // radiation" enabled, the station values in the status panels.
    Workbench();

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
    MethodSelection methods;
    HargreavesCoefficients hargreaves;
    // What Compute may estimate of a day missing a measurement (Option menu); nothing by default.
    EstimateSettings estimates;
    // How PenMon, P-T, Turc and PotRad compute (Option menu); the original formulas by default.
    MethodOptions methodOptions;
    // PenMon's mean temperature of the row it computed last; kept for the whole run.
    double previousMeanTemperature = 0;
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
