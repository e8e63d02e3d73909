#pragma once
// Step 7a of the batch tool: the crop water balance (--crop FILE and its options), its
// daily table and summary, and its irrigations into the rain column on request. Each
// irrigation is printed on standard output, one line each.
#include <optional>
#include <ostream>
#include <string>

#include "base/UserInterface.h"
#include "workbench/Workbench.h"

namespace etp {

struct CropOptions {
    std::string crop;           // the crop description file
    std::string et;             // the ET column's label
    std::string irrigation;     // the given irrigations' file
    std::string trigger;        // raw or a fraction of TAW
    std::string depth;          // [mm]
    std::string efficiency;     // [%]
    std::string out, summary;   // the daily table and the summary
    bool intoRain = false;
};

// What is wrong with the options (a usage error, named by its option), before anything is read.
std::optional<std::string> CheckCropOptions(const CropOptions& options);

// Runs the balance when --crop is given; false when it ended with a message, and then
// nothing was written.
bool RunCropStep(Workbench& workbench, const CropOptions& options, std::ostream& out, UserInterface& ui);

} // namespace etp
