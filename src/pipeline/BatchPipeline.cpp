#include "pipeline/BatchPipeline.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <utility>

#include "analysis/DataCheck.h"
#include "analysis/HargreavesCalibration.h"
#include "base/Text.h"
#include "pipeline/AnalysisStep.h"
#include "pipeline/ConsoleUserInterface.h"
#include "pipeline/IrrigationStep.h"
#include "pipeline/ModelFilesStep.h"
#include "pipeline/OptionWords.h"
#include "et/MethodTable.h"
#include "sheet/NumericValue.h"
#include "workbench/SettingCommands.h"
#include "workbench/MethodCommands.h"
#include "workbench/FileCommands.h"

namespace etp {

namespace {

using Options = BatchOptions;
using Plan = BatchPlan;

// The box of a --col name.
std::optional<ColumnBox> BoxOfName(const std::string& name)
{
    for (const ColumnBox box : kAllColumnBoxes)
        if (name == kColumnBoxNames[box]) return box;
    return std::nullopt;
}

// The result labels, as --method takes them: "PenFAO, PFAOnocorr, ...".
std::string ResultLabels()
{
    std::string labels;
    for (const std::string_view label : kResultLabels) labels += (labels.empty() ? "" : ", ") + std::string(label);
    return labels;
}

// The texts of a unit list, each quoted: "\"km d^-1\", \"m s^-1\", ...".
std::string UnitChoices(UnitList list)
{
    std::string choices;
    for (const UnitEntry& entry : list) choices += std::string(choices.empty() ? "\"" : ", \"") + entry.text + "\"";
    return choices;
}

// The Option menu's choices of the methods, each from its own option.
std::optional<std::string> PlanMethodOptions(const Options& options, MethodOptions& chosen)
{
    bool second = false;
    if (auto problem = kPenMonGWords.read(options.penMonG, second)) return problem;
    if (second) chosen.penMonSoilHeat = SoilHeatFlux::Zero;
    if (!options.ptAlpha.empty())
        if (auto problem = ReadPriestleyTaylorAlpha(options.ptAlpha, chosen.priestleyTaylorAlpha))
            return "--pt-alpha: " + *problem;
    if (!options.ptExtradKrs.empty())
        if (auto problem = ReadPtExtradKrs(options.ptExtradKrs, chosen.ptExtradKrs)) return "--ptextrad-krs: " + *problem;
    if (auto problem = kTurcHumidityWords.read(options.turcHumidity, second)) return problem;
    if (second) chosen.turcHumidity = TurcHumidity::Off;
    if (auto problem = kPotRadUnitWords.read(options.potRadUnit, second)) return problem;
    if (second) chosen.potentialRadiationUnit = PotentialRadiationUnit::MillimetresPerDay;
    if (auto problem = kAsceRsoWords.read(options.asceRso, second)) return problem;
    if (second) chosen.asceClearSky = AsceClearSky::Full;
    return std::nullopt;
}

// --estimate-missing and its coefficients, checked as the Option dialog checks them.
std::optional<std::string> PlanEstimates(const Options& options, EstimateSettings& estimates)
{
    if (!options.estimateMissing.empty())
        for (const auto& name : SplitCommas(options.estimateMissing)) {
            if (name == "radiation") estimates.radiation = true;
            else if (name == "humidity") estimates.humidity = true;
            else if (name == "wind") estimates.wind = true;
            else return "--estimate-missing takes radiation, humidity or wind, separated by commas: \"" + name + "\"";
        }
    const auto number = [](const std::string& text, double& value) {
        if (!IsFiniteNumberText(text)) return false;
        value = NumericValue(text);
        return true;
    };
    // The defaults pass the check, so the first option whose value fails it is the one named.
    const auto checked = [&](const char* option) -> std::optional<std::string> {
        if (const auto problem = CheckEstimateSettings(estimates)) return std::string(option) + ": " + *problem;
        return std::nullopt;
    };
    if (!options.angstrom.empty()) {
        const auto parts = SplitCommas(options.angstrom);
        if (parts.size() != 2 || !number(parts[0], estimates.angstromA) || !number(parts[1], estimates.angstromB))
            return "--angstrom takes two numbers A,B: \"" + options.angstrom + "\"";
        if (auto problem = checked("--angstrom")) return problem;
    }
    if (!options.krs.empty()) {
        if (!number(options.krs, estimates.krs)) return "--krs takes a number: \"" + options.krs + "\"";
        if (auto problem = checked("--krs")) return problem;
    }
    if (!options.k0.empty()) {
        if (!number(options.k0, estimates.k0)) return "--k0 takes a number: \"" + options.k0 + "\"";
        if (auto problem = checked("--k0")) return problem;
    }
    return std::nullopt;
}

std::optional<std::string> MakePlan(const Options& options, Plan& plan)
{
    for (const auto& assignment : options.columns) {
        const auto equals = assignment.find('=');
        const auto box = equals == std::string::npos ? std::nullopt : BoxOfName(assignment.substr(0, equals));
        if (!box) return "--col takes VAR=TEXT with VAR one of " + ColumnBoxNameList(", ") + ": \"" + assignment + "\"";
        plan.columns.emplace_back(*box, assignment.substr(equals + 1));
    }
    for (const UnitKind kind : kAllUnitKinds) {
        const std::string& text = options.units[kind];
        if (text.empty()) continue;
        const UnitList list = UnitSelection::list(kind);
        if (IndexOf(list, text) < 0)
            return "--" + std::string(kUnitOptionNames[kind]) + "-unit must be one of " + UnitChoices(list) + ": \"" +
                   text + "\"";
        plan.units[kind] = text;
    }
    // The station as the desktop's station dialog takes it: numbers, and finite ones.
    const std::array<std::pair<const char*, const std::string*>, 3> station = {
        {{"--lat", &options.latitude}, {"--alt", &options.altitude}, {"--wind-height", &options.windHeight}}};
    for (const auto& [name, text] : station)
        if (!text->empty() && !IsFiniteNumberText(*text))
            return std::string(name) + " takes a number: \"" + *text + "\"";
    if (!options.hargreaves.empty()) {
        const auto parts = SplitCommas(options.hargreaves);
        if (parts.size() != 3 || !std::all_of(parts.begin(), parts.end(), [](const std::string& p) { return IsNumberText(p); }))
            return "--hargreaves takes three numbers A,B,C: \"" + options.hargreaves + "\"";
        plan.hargreavesTexts = std::array<std::string, 3>{parts[0], parts[1], parts[2]};
    }
    MethodChoices& choices = plan.choices;
    if (auto problem = PlanEstimates(options, choices.estimates)) return problem;
    if (auto problem = PlanMethodOptions(options, choices.methodOptions)) return problem;
    for (const auto& label : options.methods) {
        const auto method = MethodOfLabel(label);
        if (!method) return "--method takes one of " + ResultLabels() + ": \"" + label + "\"";
        if (std::find(choices.methods.begin(), choices.methods.end(), *method) == choices.methods.end())
            choices.methods.push_back(*method);
    }
    return std::nullopt;
}

// Every requested method is ticked; Compute leaves out, and names, those the columns
// do not give every input, and computes the others.
void ChooseMethods(Workbench& workbench, const std::vector<Method>& methods)
{
    for (const Method method : methods) workbench.methods.checked[method] = true;
}

int RunSteps(const Options& options, const Plan& plan, Workbench& workbench, std::ostream& out, ConsoleUserInterface& ui,
             const ChartRenderer& renderChart, DataCheckReport* check)
{
    ui.setOpenFile(options.input);
    ui.setSheetAnswer(options.sheet);

    // 4 first: the station values given, which a file's header or titles never replace.
    workbench.stationGiven = {!options.latitude.empty(), !options.altitude.empty(), !options.windHeight.empty()};
    if (!options.latitude.empty()) workbench.station.latitude = options.latitude;
    if (!options.altitude.empty()) workbench.station.altitude = options.altitude;
    if (!options.windHeight.empty()) workbench.station.windHeight = options.windHeight;

    // 1. Open; 2. auto finding; 3. overrides.
    if (!OpenFile(workbench, ui)) return 1;
    TryAutoFinding(workbench, ui);
    for (const auto& [box, text] : plan.columns) workbench.columns.set(box, text);
    for (const UnitKind kind : kAllUnitKinds)
        if (const auto& unit = plan.units[kind]) workbench.units.select(kind, *unit);

    // 4. Station: as given, else from the file, else the defaults.
    ShowStationInStatusBar(workbench);

    // What Compute is about to read, checked once for --check and for the caller.
    if (check || options.analysis.check) {
        DataCheckReport report = CheckData(workbench);
        const bool passed = ShowDataCheck(report, options.analysis, out);
        if (check) *check = std::move(report);
        if (!passed) return 3;
    }

    // 5. Compute.
    const MethodChoices& choices = plan.choices;
    const bool hargreavesRead = !choices.methods.empty() || options.calibrateHargreaves;
    if (hargreavesRead && plan.hargreavesTexts && ApplyHargreaves(workbench, *plan.hargreavesTexts, ui)) return 1;
    if (choices.hargreaves) workbench.hargreaves = *choices.hargreaves;
    workbench.methodOptions = choices.methodOptions;
    if (!choices.methods.empty()) {
        workbench.estimates = choices.estimates;
        ChooseMethods(workbench, choices.methods);
        if (ComputeResults(workbench, ui) != ComputeOutcome::Completed) return 1;
    }

    // 5a. Hargreaves against PenMon, on the sheet as read: the result columns of step 5 are
    // not read, and the fitted a is only printed.
    if (options.calibrateHargreaves) {
        std::string refusal;
        const auto fit = CalibrateHargreaves(workbench, refusal);
        if (!fit) {
            ui.message(refusal, kApplicationTitle, Icon::Critical);
            return 1;
        }
        out << CalibrationText(*fit);
    }

    // 6, 7. Irrigation.
    if (!ApplyIrrigation(workbench, options.irrigation, out, ui)) return 1;

    // 7a. The crop water balance.
    if (!RunCropStep(workbench, options.crop, out, ui)) return 1;

    // 8. Model files.
    if (!WriteModelFiles(workbench, options.modelFiles, ui)) return 1;

    // 9. The sheet.
    if (!options.output.empty() && !SaveSheet(workbench, options.output, ui)) return 1;

    // Summaries and chart of what the run left in the sheet.
    if (!WriteAnalysisFiles(workbench, options.analysis, renderChart, ui)) return 1;
    return 0;
}

} // namespace

std::optional<std::string> MakeBatchPlan(const BatchOptions& options, bool canDrawCharts, BatchPlan& plan)
{
    auto problem = MakePlan(options, plan);
    if (!problem) problem = CheckIrrigationOptions(options.irrigation);
    if (!problem) problem = CheckCropOptions(options.crop);
    if (!problem) problem = CheckModelFileOptions(options.modelFiles);
    if (!problem) problem = CheckAnalysisOptions(options.analysis, canDrawCharts);
    return problem;
}

std::optional<std::string> CheckBatchOptions(const BatchOptions& options, bool canDrawCharts)
{
    BatchPlan plan;
    return MakeBatchPlan(options, canDrawCharts, plan);
}

int RunBatchPipeline(const BatchOptions& options, const BatchPlan& plan, Workbench& workbench, std::ostream& out,
                     std::ostream& err, const ChartRenderer& renderChart, DataCheckReport* check, std::string* lastMessage)
{
    ConsoleUserInterface ui(err);
    ui.gatherFilesIn(plan.gatherFilesIn);
    const int status = RunSteps(options, plan, workbench, out, ui, renderChart, check);
    if (lastMessage) *lastMessage = ui.lastMessage();
    return status;
}

} // namespace etp
