#pragma once
// etp --stations TABLE --out-dir DIR: the batch pipeline over a network of stations.
#include <ostream>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/BatchPipeline.h"

namespace etp {

struct StationsRequest {
    std::string table;
    std::string outDir;
    int jobs = 1;
    // One line on stderr, rewritten as stations end: for a terminal.
    bool showProgress = false;
};

// --stations, --out-dir and --jobs, added after INPUT and the options they exclude
// (-o, --summary, --lat, --alt, --wind-height: each station has its own).
void AddStationsOptions(CLI::App& app, StationsRequest& request);

// Whether the stream is the standard error of a terminal.
bool IsTerminal(const std::ostream& stream);

// Checks the options and the whole table, then runs every station (StationRunner) and
// prints what each said, in the table's order, each line after the station's name, then
// the report, which is also written to DIR/stations-report.txt. Exit status: 0 all
// stations done, 1 one or more refused, 2 a wrong command line, table or output folder
// (then no station runs).
int RunStationsBatch(const BatchOptions& common, const StationsRequest& request, std::ostream& out, std::ostream& err,
                     const ChartRenderer& renderChart);

} // namespace etp
