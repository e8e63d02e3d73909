#pragma once
// Irrigation written into the rain column: on each application day the amount is added
// to the day's rain, so every later reader of the rain column sees rain plus water.
#include <optional>
#include <string>
#include <vector>

#include "base/Outcome.h"
#include "sheet/MeteoSheet.h"
#include "sheet/ColumnMap.h"

namespace etp {

// One watering, as the dialogs and the batch tool report it.
struct IrrigationApplication {
    int row = 0;
    std::string date; // the date cell's text
    double amount = 0; // [mm] added to the day's rain
};

// The texts of the turned-irrigation dialog, with their initial values.
struct TurnedIrrigationTexts {
    std::string start = "01/07";    // Starting date (dd/mm); the day itself is not counted
    std::string end = "30/08";      // Ending date (dd/mm); counted
    std::string frequency = "15";   // days between applications
    std::string amount = "50";      // mm each
    std::string threshold = "50";   // no water if the rain of the window reaches this [mm]
    std::string days = "4";         // the window: the application day and n days before
};

// The texts of the on-demand dialog, with their initial values (the ET column is chosen apart).
struct OnDemandIrrigationTexts {
    std::string start = "06/06";    // both ends counted
    std::string end = "09/09";
    std::string limit = "50";       // [mm] of accumulated ET - rain
    std::string restoring = "75";   // [%] of the deficit given back
};

// The message for the first text out of range, naming its field; nothing when every
// text is usable.
std::optional<std::string> TurnedIrrigationTextProblem(const TurnedIrrigationTexts& texts);
std::optional<std::string> OnDemandIrrigationTextProblem(const OnDemandIrrigationTexts& texts);

// What one "Apply" did: refused with nothing changed, with the message for the first text
// out of range (icon Exclamation) or for the days of the period without a value, per
// column (MissingDays; icon Critical; an empty rain cell is a dry day), or done with the applications made,
// possibly none.
struct IrrigationRun {
    Outcome outcome;
    std::vector<IrrigationApplication> applications;
};

// The turned irrigation, added to the rain of column rainColumn.
IrrigationRun ApplyTurnedIrrigation(MeteoSheet& sheet, const ColumnMap& columns, int rainColumn,
                                    const TurnedIrrigationTexts& texts);

// The on-demand irrigation with the ET of column etColumn (the column of the chosen
// label), added to the rain of column rainColumn.
IrrigationRun ApplyOnDemandIrrigation(MeteoSheet& sheet, const ColumnMap& columns, int rainColumn, int etColumn,
                                      const OnDemandIrrigationTexts& texts);

} // namespace etp
