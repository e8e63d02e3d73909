#pragma once
// Runs the stations of a table, each through the batch pipeline of a single input, on
// several threads. A station has its own workbench and its own interface, which keeps
// what the run says; nothing else is shared but the table and the options, read only.
// Its files are written into a folder of its own inside the output folder and moved
// out of it when the whole run succeeded: a station is written whole or not at all.
// What it says names its files in the output folder, where they end up.
#include <atomic>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "pipeline/BatchPipeline.h"
#include "pipeline/StationReport.h"
#include "pipeline/StationTable.h"

namespace etp {

struct StationRunSettings {
    // What every station runs. The input, the station, the sheet file and the summary are
    // each station's own; the file options of the model files and the chart give the
    // endings of each station's files: --macro-rain macro.rn writes NAME.macro.rn.
    BatchOptions common;
    std::filesystem::path outDir;
    int jobs = 1;
    ChartRenderer renderChart;
    // When given, every station runs these methods and settings, and the common options'
    // --method, --hargreaves, --estimate-missing and method options are not read.
    std::optional<MethodChoices> choices;
};

// The endings of a station's files after "NAME.", the sheet's and the summary's first.
std::vector<std::string> StationFileEndings(const BatchOptions& common);

struct StationResult {
    StationReportLine report;
    std::string out, err; // what its run printed, naming its files where they ended up
};

struct StationProgress {
    int done = 0;
    int refused = 0;
    int total = 0;
};

// The stations in the table's order. `progress` is called after each station ends,
// never from two threads at once; once `cancel` is set no station starts, the running
// ones finish and the rest are "not run".
std::vector<StationResult> RunStations(const std::vector<StationRow>& rows, const StationRunSettings& settings,
                                       const std::function<void(const StationProgress&)>& progress = {},
                                       const std::atomic<bool>* cancel = nullptr);

} // namespace etp
