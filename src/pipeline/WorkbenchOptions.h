#pragma once
// The batch options that repeat the desktop program's settings, for Tools > Stations...:
// the methods ticked, the Hargreaves coefficients, what Compute estimates and the Option
// menu's choices. The column boxes and units belong to the file that is open, so each
// station's are its own auto finding's, as in `etp --stations`.
#include "pipeline/BatchPipeline.h"
#include "workbench/Workbench.h"

namespace etp {

BatchOptions BatchOptionsOf(const Workbench& workbench);

} // namespace etp
