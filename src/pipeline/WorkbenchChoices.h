#pragma once
// The methods and settings the desktop program's menus have chosen, as values, for Tools >
// Stations...: the methods ticked, the Hargreaves coefficients, what Compute estimates and
// the Option menu's choices. The column boxes and units belong to the file that is open,
// so each station's are its own auto finding's, as in `etp --stations`.
#include "pipeline/BatchPipeline.h"
#include "workbench/Workbench.h"

namespace etp {

MethodChoices MethodChoicesOf(const Workbench& workbench);

} // namespace etp
