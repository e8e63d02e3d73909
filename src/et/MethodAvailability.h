#pragma once
// Which methods the columns allow, what opening a method dialog checks and enables, and
// what its "OK" needs, without the dialog: the dialogs, Compute, etp and the station
// runner share these rules.
#include <string>

#include "base/Messages.h"
#include "base/Outcome.h"
#include "et/Estimates.h"
#include "et/Methods.h"
#include "sheet/ColumnMap.h"

namespace etp {

// What the column boxes allow when a method dialog opens, in the order of the checks.
enum class ColumnCheck {
    Passed,
    VariableMissing,       // date, temperatures or humidities not assigned
    NoRadiationOrSunshine, // neither column available
    WindMissing,           // wind not assigned
};

// Whether the columns give a method every input it needs (MethodTable.h's Needs): the
// temperatures and sunshine from their columns, humidity from any of its sources
// (Humidity.h), radiation and wind from their column or, when their estimate is on,
// from the estimate Compute makes on every day. Otherwise the reason, which names
// the variables and what their boxes hold: "needs the sunshine column; box Suns. dur. is 0".
struct Availability {
    bool available = true;
    std::string reason; // empty when available
};
Availability MethodAvailability(Method method, const ColumnMap& columns, const EstimateSettings& estimates = {});

// Checks the column boxes as the dialog's opening always has (the messages of
// ColumnCheck); when they pass, each method's box is enabled exactly when the method is
// available, the other dialogs' boxes too. A failed check leaves enabled only what a new
// run starts with (PotRad).
ColumnCheck OpenMethodDialog(const ColumnMap& columns, MethodSelection& methods,
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
