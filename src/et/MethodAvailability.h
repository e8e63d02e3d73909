#pragma once
// What opening a method dialog checks and enables, and what its "OK" needs, without
// the dialog: the desktop program and the batch tool share these rules.
#include <string>

#include "base/Messages.h"
#include "base/Outcome.h"
#include "et/Estimates.h"
#include "et/Methods.h"
#include "sheet/Settings.h"

namespace etp {

// What the column boxes allow when a method dialog opens, in the order of the checks.
enum class ColumnCheck {
    Passed,
    VariableMissing,       // date, temperatures or humidities not assigned
    NoRadiationOrSunshine, // neither column available
    WindMissing,           // wind not assigned
};

// Checks the column boxes; when they pass, enables the boxes the data allow (never
// disables one). A failed check enables nothing. Humidity counts as there when any of
// its boxes names a column; radiation, humidity and wind also when their estimate is on
// (the sheet has no column of them, and Compute estimates them on every day).
ColumnCheck OpenMethodDialog(MethodDialog dialog, const ColumnMap& columns, MethodSelection& methods,
                             const EstimateSettings& estimates = {});

// What a method's check box needs of the column boxes before an opening of a method
// dialog can enable it, as its tooltip says it: the boxes to fill and what they hold
// now ("Needs the sunshine column: ..."). Empty when the boxes already allow it.
std::string ColumnsNeededText(Method method, const ColumnMap& columns, const EstimateSettings& estimates = {});

// What Compute will estimate on every day for a method, because the sheet has no column
// of it and its estimate is on: "Estimated on every day (Option > Missing data): radiation
// from the temperature range, wind 2 m/s." Empty when it estimates nothing of the kind.
std::string EstimatesUsedText(Method method, const ColumnMap& columns, const EstimateSettings& estimates);

// "OK": done when at least one of the dialog's own boxes is checked; refused with
// kSelectOneMethod otherwise.
Outcome ConfirmMethodDialog(MethodDialog dialog, const MethodSelection& methods);

} // namespace etp
