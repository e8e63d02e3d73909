#pragma once
// Steps 6 and 7 of the batch tool: turned and on-demand irrigation into the rain column.
// What each "Apply" added is printed on standard output, one line per application.
#include <optional>
#include <ostream>
#include <string>

#include "base/UserInterface.h"
#include "workbench/Workbench.h"

namespace etp {

struct IrrigationOptions {
    std::string turned;   // START,END,FREQUENCY,AMOUNT,THRESHOLD,DAYS
    std::string onDemand; // ET,START,END,LIMIT,RESTORING
};

// What is wrong with the options (a usage error), before anything is read.
std::optional<std::string> CheckIrrigationOptions(const IrrigationOptions& options);

// False when a command ended with a message.
bool ApplyIrrigation(Workbench& workbench, const IrrigationOptions& options, std::ostream& out, UserInterface& ui);

} // namespace etp
