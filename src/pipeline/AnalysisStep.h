#pragma once
// Beside the desktop program's commands: the data check before computing, and the
// summaries and chart of the results after every other step.
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "analysis/DataCheck.h"
#include "base/UserInterface.h"
#include "workbench/Workbench.h"

namespace etp {

// Draws the result columns and rain into a PNG or SVG file; false with the reason.
using ChartRenderer = std::function<bool(const Workbench&, const std::string& path, std::string& error)>;

struct AnalysisOptions {
    bool check = false;
    bool strict = false;
    std::string summary; // file
    std::string chart;   // file
};

std::optional<std::string> CheckAnalysisOptions(const AnalysisOptions& options, bool canDrawCharts);

// The data check's report on standard output when --check asks for it. False when
// --strict and the report holds problems.
bool ShowDataCheck(const DataCheckReport& report, const AnalysisOptions& options, std::ostream& out);

// Summary and chart files; false after a message when one could not be written.
bool WriteAnalysisFiles(const Workbench& workbench, const AnalysisOptions& options, const ChartRenderer& renderChart,
                        UserInterface& ui);

} // namespace etp
