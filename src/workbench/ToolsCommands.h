#pragma once
// The commands of the Tools menu that save files.
#include "base/UserInterface.h"
#include "workbench/Workbench.h"

namespace etp {

// Tools > Summary > "Save...": asks for a name and writes SummaryText of the workbench
// there. False when cancelled, or after a message naming the file when it could not
// be written.
bool SaveSummaryAs(const Workbench& workbench, UserInterface& ui);

} // namespace etp
