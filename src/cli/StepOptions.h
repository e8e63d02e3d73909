#pragma once
// The command-line options of the pipeline's steps, each writing into the step's options.
#include <CLI/CLI.hpp>

#include "pipeline/AnalysisStep.h"
#include "pipeline/CropStep.h"
#include "pipeline/IrrigationStep.h"
#include "pipeline/ModelFilesStep.h"
#include "pipeline/StationsBatch.h"

namespace etp {

void AddAnalysisOptions(CLI::App& app, AnalysisOptions& options);
void AddCropOptions(CLI::App& app, CropOptions& options);
void AddIrrigationOptions(CLI::App& app, IrrigationOptions& options);
void AddModelFileOptions(CLI::App& app, ModelFileOptions& options);
// --stations, --out-dir and --jobs, added after INPUT and the options they exclude
// (-o, --summary, --lat, --alt, --wind-height: each station has its own).
void AddStationsOptions(CLI::App& app, StationsRequest& request);

} // namespace etp
