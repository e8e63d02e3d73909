#pragma once
// One input through the batch tool's steps, from a parsed and checked set of options:
// what `etp INPUT ...` runs, and what `etp --stations` runs for each station.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "analysis/DataCheck.h"
#include "cli/AnalysisStep.h"
#include "cli/CropStep.h"
#include "cli/IrrigationStep.h"
#include "cli/ModelFilesStep.h"
#include "workbench/Workbench.h"

namespace etp {

struct BatchOptions {
    std::string input;
    std::string sheet = "1";
    std::vector<std::string> columns; // VAR=TEXT
    PerUnitKind<std::string> units; // as --rad-unit ... --ea-unit give them; "" not given
    // Empty when not given: a file's header or titles may then give them, else 0, 0 and 2.
    std::string latitude, altitude, windHeight;
    std::vector<std::string> methods;
    std::string hargreaves;
    std::string estimateMissing, angstrom, krs, k0;
    std::string penMonG, ptAlpha, ptExtradKrs, turcHumidity, potRadUnit, asceRso;
    bool calibrateHargreaves = false;
    IrrigationOptions irrigation;
    CropOptions crop;
    ModelFileOptions modelFiles;
    AnalysisOptions analysis;
    std::string output;
};

// What is wrong with the options (a usage error, named by its option), or nullopt.
std::optional<std::string> CheckBatchOptions(const BatchOptions& options, bool canDrawCharts);

// Runs the steps over `workbench` (a new one) with options CheckBatchOptions accepted;
// the exit status of RunBatch. Messages go to err, each line of each a line, the data
// check, the irrigation and the calibration to out. When `check` is given it receives the
// data check of what Compute is about to read, asked for or not; `lastMessage` receives
// the last message whole (the refusal of a run that stopped).
int RunBatchPipeline(const BatchOptions& options, Workbench& workbench, std::ostream& out, std::ostream& err,
                     const ChartRenderer& renderChart, DataCheckReport* check = nullptr,
                     std::string* lastMessage = nullptr);

} // namespace etp
