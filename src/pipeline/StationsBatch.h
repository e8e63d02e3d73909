#pragma once
// etp --stations TABLE --out-dir DIR: the batch pipeline over a network of stations.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "pipeline/BatchPipeline.h"
#include "pipeline/StationRunner.h"

namespace etp {

struct StationsRequest {
    std::string table;
    std::string outDir;
    int jobs = 1;
    // One line on stderr, rewritten as stations end: for a terminal.
    bool showProgress = false;
};

// The table read and checked as a whole against the options (CheckBatchOptions and the
// endings of the files), and the output folder made: the stations to run, or every
// problem found, each naming its line of the table.
struct StationNetwork {
    std::vector<StationRow> rows;
    std::vector<std::string> problems;
};
StationNetwork PrepareStationNetwork(const BatchOptions& common, const std::string& table, const std::string& outDir,
                                     bool canDrawCharts);

// The report's text, written to DIR/stations-report.txt; the reason when it could not be.
std::optional<std::string> WriteStationReport(const std::string& outDir, const std::vector<StationResult>& results);
// "3 stations: 2 done, 1 refused"
std::string StationTotals(const std::vector<StationResult>& results);

// Checks the options and the whole table, then runs every station (StationRunner) and
// prints what each said, in the table's order, each line after the station's name, then
// the report, which is also written to DIR/stations-report.txt. Exit status: 0 all
// stations done, 1 one or more refused, 2 a wrong command line, table or output folder
// (then no station runs).
int RunStationsBatch(const BatchOptions& common, const StationsRequest& request, std::ostream& out, std::ostream& err,
                     const ChartRenderer& renderChart);

} // namespace etp
