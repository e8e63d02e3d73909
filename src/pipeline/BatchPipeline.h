#pragma once
// One input through the batch tool's steps, from a parsed and checked set of options:
// what `etp INPUT ...` runs, and what `etp --stations` runs for each station.
#include <array>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "analysis/DataCheck.h"
#include "pipeline/AnalysisStep.h"
#include "pipeline/CropStep.h"
#include "pipeline/IrrigationStep.h"
#include "pipeline/ModelFilesStep.h"
#include "et/MethodTable.h"
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

// The methods Compute runs and their settings, as values. The command line gives them as
// options, planned below; the desktop program's Tools > Stations takes them from its
// menus as they stand.
struct MethodChoices {
    std::vector<Method> methods;
    // The Hargreaves coefficients; none: the workbench's own, or the --hargreaves texts.
    std::optional<HargreavesCoefficients> hargreaves;
    EstimateSettings estimates;
    MethodOptions methodOptions;
};

// What the options of the open, the overrides and Compute say, as values: checked once,
// before anything is read. The station stays text, as the station boxes hold it, and is
// checked and read where the desktop program reads its boxes; so are --hargreaves's
// three texts, as the Hargreaves dialog's boxes are.
struct BatchPlan {
    std::vector<std::pair<ColumnBox, std::string>> columns;
    PerUnitKind<std::optional<std::string>> units;
    std::optional<std::array<std::string, 3>> hargreavesTexts;
    MethodChoices choices;
    // A folder every file of the run is written into under its own file name, while the
    // messages name it where the options put it; empty: written where the options put it.
    std::filesystem::path gatherFilesIn;
};

// The plan of the options, and the options of every step checked; what is wrong with
// them (a usage error, named by its option), or nullopt.
std::optional<std::string> MakeBatchPlan(const BatchOptions& options, bool canDrawCharts, BatchPlan& plan);
std::optional<std::string> CheckBatchOptions(const BatchOptions& options, bool canDrawCharts);

// Runs the steps over `workbench` (a new one) with the plan of the options; the exit
// status of RunBatch. Messages go to err, each line of each a line, the data check, the
// irrigation and the calibration to out. When `check` is given it receives the data check
// of what Compute is about to read, asked for or not; `lastMessage` receives the last
// message whole (the refusal of a run that stopped).
int RunBatchPipeline(const BatchOptions& options, const BatchPlan& plan, Workbench& workbench, std::ostream& out,
                     std::ostream& err, const ChartRenderer& renderChart, DataCheckReport* check = nullptr,
                     std::string* lastMessage = nullptr);

} // namespace etp
