#pragma once
// What opening a method dialog checks and enables, and what its "OK" needs, without
// the dialog: the desktop program and the batch tool share these rules.
#include <string>

#include "base/Messages.h"
#include "base/Outcome.h"
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
// disables one). A failed check enables nothing.
ColumnCheck OpenMethodDialog(MethodDialog dialog, const ColumnMap& columns, MethodSelection& methods);

// What a method's check box needs of the column boxes before an opening of a method
// dialog can enable it, as its tooltip says it: the boxes to fill and what they hold
// now ("Needs the sunshine column: ..."). Empty when the boxes already allow it.
std::string ColumnsNeededText(Method method, const ColumnMap& columns);

// "OK": done when at least one of the dialog's own boxes is checked; refused with
// kSelectOneMethod otherwise.
Outcome ConfirmMethodDialog(MethodDialog dialog, const MethodSelection& methods);

} // namespace etp
