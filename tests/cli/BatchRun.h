#pragma once
// The batch tool run in this process, as `etp ARGS...` on a command line.
#include <sstream>
#include <string>
#include <vector>

#include "cli/RunBatch.h"

namespace etp::testing {

struct BatchRun {
    int status;
    std::string out;
    std::string err;
};

inline BatchRun Etp(std::vector<std::string> args, const ChartRenderer& chart = {})
{
    args.insert(args.begin(), "etp");
    std::ostringstream out, err;
    const int status = RunBatch(args, out, err, chart);
    return {status, out.str(), err.str()};
}

} // namespace etp::testing
