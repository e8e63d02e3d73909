#pragma once
#include <ostream>

#include "pipeline/AnalysisStep.h"
#include <string>
#include <vector>

namespace etp {

// The batch tool: the desktop program's commands in a fixed order, one pipeline per
// call. args[0] is the program name. Exit status: 0 success, 1 a command ended with a
// message, 2 the command line is wrong (then nothing is read or written), 3 the data
// check found problems and --strict was given. Charts need a renderer from the front end.
int RunBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             const ChartRenderer& renderChart = {});

} // namespace etp
