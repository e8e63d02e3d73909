#pragma once
// The command-line options of the pipeline's steps, each writing into the step's options,
// with CLI11's checks of what each takes (the help lists them).
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "pipeline/AnalysisStep.h"
#include "pipeline/CropStep.h"
#include "pipeline/IrrigationStep.h"
#include "pipeline/ModelFilesStep.h"
#include "pipeline/StationsBatch.h"

namespace etp {

// The texts an option takes, exactly as written (the help shows them in braces).
CLI::IsMember OneOf(std::vector<std::string> texts);
// The result labels of the daily ET methods (kEtLabels), as the ET options take them.
CLI::IsMember OneOfEtLabels();
// An option's text checked by the program's own rule: `problem` answers what is wrong
// with it, or nullopt; `shown` is what the help writes of the values it takes.
CLI::Validator Checked(std::string shown, std::function<std::optional<std::string>(const std::string&)> problem);

void AddAnalysisOptions(CLI::App& app, AnalysisOptions& options);
void AddCropOptions(CLI::App& app, CropOptions& options);
void AddIrrigationOptions(CLI::App& app, IrrigationOptions& options);
void AddModelFileOptions(CLI::App& app, ModelFileOptions& options);
// --stations, --out-dir and --jobs, added after INPUT and the options they exclude
// (-o, --summary, --lat, --alt, --wind-height: each station has its own).
void AddStationsOptions(CLI::App& app, StationsRequest& request);

} // namespace etp
