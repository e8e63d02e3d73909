#include "cli/RunBatch.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <thread>
#include <variant>

#include "analysis/DataCheck.h"
#include "analysis/HargreavesCalibration.h"
#include "base/Text.h"
#include "cli/AnalysisStep.h"
#include "cli/BatchPipeline.h"
#include "cli/ConsoleUserInterface.h"
#include "cli/IrrigationStep.h"
#include "cli/ModelFilesStep.h"
#include "cli/StationsBatch.h"
#include "et/MethodTable.h"
#include "sheet/NumericValue.h"
#include "workbench/Commands.h"
#include "workbench/MethodCommands.h"
#include "workbench/FileCommands.h"

namespace etp {

namespace {

using Options = BatchOptions;

// The box of a --col name.
std::optional<ColumnBox> BoxOfName(const std::string& name)
{
    for (const ColumnBox box : kAllColumnBoxes)
        if (name == kColumnBoxNames[box]) return box;
    return std::nullopt;
}

// The result labels, as --method takes them.
std::string ResultLabels()
{
    std::string labels;
    for (const MethodInfo& info : kMethods) labels += std::string(labels.empty() ? "" : ", ") + info.label;
    return labels;
}

std::string UnitChoices(UnitList list)
{
    std::string choices;
    for (const UnitEntry& entry : list) choices += std::string(choices.empty() ? "\"" : ", \"") + entry.text + "\"";
    return choices;
}

// Everything the options say, checked before anything is read.
struct Plan {
    std::vector<std::pair<ColumnBox, std::string>> columns;
    PerUnitKind<std::optional<std::string>> units;
    std::optional<std::array<std::string, 3>> hargreaves;
    std::vector<Method> methods;
    EstimateSettings estimates;
    MethodOptions methodOptions;
};

// The Option menu's choices of the methods, each from its own option.
std::optional<std::string> PlanMethodOptions(const Options& options, MethodOptions& chosen)
{
    if (options.penMonG == "zero") chosen.penMonSoilHeat = SoilHeatFlux::Zero;
    else if (!options.penMonG.empty() && options.penMonG != "previous")
        return "--penmon-g takes previous or zero: \"" + options.penMonG + "\"";
    if (!options.ptAlpha.empty())
        if (auto problem = ReadPriestleyTaylorAlpha(options.ptAlpha, chosen.priestleyTaylorAlpha))
            return "--pt-alpha: " + *problem;
    if (!options.ptExtradKrs.empty())
        if (auto problem = ReadPtExtradKrs(options.ptExtradKrs, chosen.ptExtradKrs)) return "--ptextrad-krs: " + *problem;
    if (options.turcHumidity == "off") chosen.turcHumidity = TurcHumidity::Off;
    else if (!options.turcHumidity.empty() && options.turcHumidity != "below50")
        return "--turc-humidity takes below50 or off: \"" + options.turcHumidity + "\"";
    if (options.potRadUnit == "mm") chosen.potentialRadiationUnit = PotentialRadiationUnit::MillimetresPerDay;
    else if (!options.potRadUnit.empty() && options.potRadUnit != "MJ")
        return "--potrad-unit takes MJ or mm: \"" + options.potRadUnit + "\"";
    if (options.asceRso == "full") chosen.asceClearSky = AsceClearSky::Full;
    else if (!options.asceRso.empty() && options.asceRso != "simple")
        return "--asce-rso takes simple or full: \"" + options.asceRso + "\"";
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
        plan.hargreaves = std::array<std::string, 3>{parts[0], parts[1], parts[2]};
    }
    if (auto problem = PlanEstimates(options, plan.estimates)) return problem;
    if (auto problem = PlanMethodOptions(options, plan.methodOptions)) return problem;
    for (const auto& label : options.methods) {
        const auto method = MethodOfLabel(label);
        if (!method) return "--method takes one of " + ResultLabels() + ": \"" + label + "\"";
        if (std::find(plan.methods.begin(), plan.methods.end(), *method) == plan.methods.end())
            plan.methods.push_back(*method);
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
    for (const auto& [box, text] : plan.columns) workbench.columns.text[box] = text;
    for (const UnitKind kind : kAllUnitKinds)
        if (const auto& unit = plan.units[kind]) workbench.units.select(kind, *unit);

    // 4. Station: as given, else from the file, else the defaults.
    ShowStationInStatusBar(workbench);

    // What Compute is about to read.
    if (check) *check = CheckData(workbench);
    if (!RunDataCheck(workbench, options.analysis, out)) return 3;

    // 5. Compute.
    const bool hargreavesRead = !plan.methods.empty() || options.calibrateHargreaves;
    if (hargreavesRead && plan.hargreaves && ApplyHargreaves(workbench, *plan.hargreaves, ui)) return 1;
    workbench.methodOptions = plan.methodOptions;
    if (!plan.methods.empty()) {
        workbench.estimates = plan.estimates;
        ChooseMethods(workbench, plan.methods);
        if (ComputeResults(workbench, ui) != ComputeOutcome::Completed) return 1;
    }

    // 5a. Hargreaves against PenMon, on the sheet as read: the result columns of step 5 are
    // not read, and the fitted a is only printed.
    if (options.calibrateHargreaves) {
        const CalibrationResult fit = CalibrateHargreaves(workbench);
        if (const auto* refusal = std::get_if<std::string>(&fit)) {
            ui.message(*refusal, kApplicationTitle, Icon::Critical);
            return 1;
        }
        out << CalibrationText(std::get<HargreavesFit>(fit));
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

// The steps with their messages on err; lastMessage, when given, receives the last one
// whole (the refusal of a run that stopped).
int RunPipeline(const Options& options, const Plan& plan, Workbench& workbench, std::ostream& out, std::ostream& err,
                const ChartRenderer& renderChart, DataCheckReport* check, std::string* lastMessage = nullptr)
{
    ConsoleUserInterface ui(err);
    const int status = RunSteps(options, plan, workbench, out, ui, renderChart, check);
    if (lastMessage) *lastMessage = ui.lastMessage();
    return status;
}

std::optional<std::string> CheckPlan(const Options& options, Plan& plan, bool canDrawCharts)
{
    auto problem = MakePlan(options, plan);
    if (!problem) problem = CheckIrrigationOptions(options.irrigation);
    if (!problem) problem = CheckCropOptions(options.crop);
    if (!problem) problem = CheckModelFileOptions(options.modelFiles);
    if (!problem) problem = CheckAnalysisOptions(options.analysis, canDrawCharts);
    return problem;
}

} // namespace

std::optional<std::string> CheckBatchOptions(const BatchOptions& options, bool canDrawCharts)
{
    Plan plan;
    return CheckPlan(options, plan, canDrawCharts);
}

int RunBatchPipeline(const BatchOptions& options, Workbench& workbench, std::ostream& out, std::ostream& err,
                     const ChartRenderer& renderChart, DataCheckReport* check, std::string* lastMessage)
{
    Plan plan;
    if (auto problem = CheckPlan(options, plan, static_cast<bool>(renderChart))) {
        err << "etp: " << *problem << '\n';
        return 2;
    }
    return RunPipeline(options, plan, workbench, out, err, renderChart, check, lastMessage);
}

int RunBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             const ChartRenderer& renderChart)
{
    CLI::App app{"Reference evapotranspiration from a daily weather series: the desktop program's commands in batch.",
                 "etp"};
    app.set_version_flag("--version", std::string("etp ") + kVersion);
    Options options;
    app.add_option("INPUT", options.input, "weather series: text (TAB, CSV) or a workbook (.xls, .xlsx, .ods), told by its content");
    app.add_option("--sheet", options.sheet, "sheet number to import from a workbook with several sheets (default 1)");
    app.add_option("--col", options.columns,
                   "VAR=TEXT: put TEXT into the column box of VAR (" + ColumnBoxNameList(", ") +
                       ") after auto finding; a date comes from one date column or from year with month and day, or "
                       "year with doy; humidity from ea, else tdew, else rhmax with rhmin, else rhmax, else rhmean; "
                       "repeatable");
    const PerUnitKind<const char*> unitHelp = {"radiation unit", "wind unit", "sunshine unit",
                                               "relative humidity unit (every RH column)",
                                               "temperature unit of T min, T max and the dew point",
                                               "actual vapour pressure unit"};
    for (const UnitKind kind : kAllUnitKinds)
        app.add_option("--" + std::string(kUnitOptionNames[kind]) + "-unit", options.units[kind],
                       std::string(unitHelp[kind]) + ": " + UnitChoices(UnitSelection::list(kind)));
    app.add_option("--lat", options.latitude,
                   "station latitude, decimal degrees (default: the file header's, else 0)");
    app.add_option("--alt", options.altitude, "station altitude, m a.s.l. (default: the file header's elevation, else 0)");
    app.add_option("--wind-height", options.windHeight,
                   "height of the wind measurement, m (default: the wind column's title's, as WS10M, else 2)");
    app.add_option("--method", options.methods, "compute a method by its result label: " + ResultLabels() + "; repeatable");
    app.add_option("--hargreaves", options.hargreaves, "A,B,C: the Hargreaves coefficients (default 0.0023,17.8,.5)");
    app.add_option("--estimate-missing", options.estimateMissing,
                   "LIST: estimate what a day lacks, any of radiation,humidity,wind (FAO-56; default none: such days "
                   "get no result from the methods that need them)");
    app.add_option("--angstrom", options.angstrom, "A,B: the Angstrom coefficients of radiation from sunshine (default 0.25,0.50)");
    app.add_option("--krs", options.krs, "the coefficient of radiation from the temperature range (default 0.16 inland; 0.19 coastal)");
    app.add_option("--k0", options.k0, "the dew point below T min of the humidity estimate, °C (default 0)");
    app.add_option("--penmon-g", options.penMonG,
                   "PenMon's soil heat flux: previous (default: from the mean temperature of the day before) or zero "
                   "(FAO-56 for daily steps)");
    app.add_option("--pt-alpha", options.ptAlpha, "the Priestley-Taylor alpha, a number from 1 to 2 (default 1.26)");
    app.add_option("--ptextrad-krs", options.ptExtradKrs,
                   "kRs of the radiation of \"P-T extrad\" from the temperature range, 0.1 to 0.3 (default 0.16 inland; 0.19 coastal)");
    app.add_option("--turc-humidity", options.turcHumidity,
                   "Turc's humidity correction: below50 (default: Turc 1961, x (1 + (50 - RHmean) / 70) when the mean "
                   "humidity is 50 % or less) or off");
    app.add_option("--asce-rso", options.asceRso,
                   "the clear-sky radiation of \"ASCE short\" and \"ASCE tall\": simple (default, (0.75 + 2e-5 z) Ra, "
                   "ASCE-EWRI 2005 Eq. 19) or full (Appendix D: from pressure, precipitable water and sun angle)");
    app.add_option("--potrad-unit", options.potRadUnit,
                   "the unit of PotRad: MJ (default, MJ m-2 d-1) or mm (its evaporation equivalent, x 0.408)");
    app.add_flag("--calibrate-hargreaves", options.calibrateHargreaves,
                 "fit Hargreaves' coefficient a to PenMon over the days both can be computed (at least 30) and print "
                 "the fit: days, a and the fitted a, bias, RMSE and R2 before and after. Runs after --method's Compute "
                 "on PenMon and Hargreaves of its own, in a copy of the sheet: no column is added, a is not changed");
    AddIrrigationOptions(app, options.irrigation);
    AddCropOptions(app, options.crop);
    AddModelFileOptions(app, options.modelFiles);
    AddAnalysisOptions(app, options.analysis);
    app.add_option("-o,--output", options.output, "write the data sheet after all steps as a TAB-separated text file");
    StationsRequest stations;
    stations.jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    AddStationsOptions(app, stations);

    try {
        std::vector<std::string> reversed(args.rbegin(), args.rend());
        if (!reversed.empty()) reversed.pop_back(); // the program name
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return 0;
    } catch (const CLI::CallForVersion& version) {
        out << version.what() << '\n';
        return 0;
    } catch (const CLI::ParseError& error) {
        err << "etp: " << error.what() << "\n" << "Run with --help for more information.\n";
        return 2;
    }

    if (!stations.table.empty()) {
        stations.showProgress = IsTerminal(err);
        return RunStationsBatch(options, stations, out, err, renderChart);
    }
    if (app.count("INPUT") == 0) {
        err << "etp: INPUT is required\nRun with --help for more information.\n";
        return 2;
    }
    Plan plan;
    if (auto problem = CheckPlan(options, plan, static_cast<bool>(renderChart))) {
        err << "etp: " << *problem << "\nRun with --help for more information.\n";
        return 2;
    }
    Workbench workbench;
    return RunPipeline(options, plan, workbench, out, err, renderChart, nullptr);
}

} // namespace etp
