#include "cli/RunBatch.h"

#include <unistd.h>

#include <CLI/CLI.hpp>

#include <algorithm>
#include <iostream>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "base/Version.h"
#include "et/Estimates.h"
#include "et/MethodOptions.h"
#include "sheet/NumericValue.h"
#include "cli/StepOptions.h"
#include "et/MethodTable.h"
#include "pipeline/BatchPipeline.h"
#include "pipeline/OptionWords.h"
#include "pipeline/StationsBatch.h"

namespace etp {

namespace {

// Whether the stream is the standard error of a terminal.
bool IsTerminal(const std::ostream& stream) { return &stream == &std::cerr && isatty(STDERR_FILENO) == 1; }

// A text the station boxes take: a number within the double range.
CLI::Validator StationNumber()
{
    return Checked("NUMBER", [](const std::string& text) -> std::optional<std::string> {
        if (IsFiniteNumberText(text)) return std::nullopt;
        return "\"" + text + "\" is not a number";
    });
}

// A method option's text, read as its dialog reads it.
CLI::Validator MethodOption(std::string shown, std::optional<std::string> (*read)(const std::string&, double&))
{
    return Checked(std::move(shown), [read](const std::string& text) {
        double value = 0;
        return read(text, value);
    });
}

// An estimate's coefficient: a number the estimates take, the others at their defaults.
CLI::Validator EstimateCoefficient(std::string shown, double EstimateSettings::*coefficient)
{
    return Checked(std::move(shown), [coefficient](const std::string& text) -> std::optional<std::string> {
        if (!IsFiniteNumberText(text)) return "\"" + text + "\" is not a number";
        EstimateSettings settings;
        settings.*coefficient = NumericValue(text);
        return CheckEstimateSettings(settings);
    });
}

std::vector<std::string> MethodLabels() { return {kResultLabels.begin(), kResultLabels.end()}; }

std::vector<std::string> UnitTexts(UnitKind kind)
{
    std::vector<std::string> texts;
    for (const UnitEntry& entry : UnitSelection::list(kind)) texts.emplace_back(entry.text);
    return texts;
}

} // namespace

int RunBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             const ChartRenderer& renderChart)
{
    CLI::App app{"Reference evapotranspiration from a daily weather series: the desktop program's commands in batch.",
                 "etp"};
    app.set_version_flag("--version", std::string("etp ") + kVersion);
    BatchOptions options;
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
        app.add_option("--" + std::string(kUnitOptionNames[kind]) + "-unit", options.units[kind], unitHelp[kind])
            ->check(OneOf(UnitTexts(kind)));
    app.add_option("--lat", options.latitude, "station latitude, decimal degrees (default: the file header's, else 0)")
        ->check(StationNumber());
    app.add_option("--alt", options.altitude, "station altitude, m a.s.l. (default: the file header's elevation, else 0)")
        ->check(StationNumber());
    app.add_option("--wind-height", options.windHeight,
                   "height of the wind measurement, m (default: the wind column's title's, as WS10M, else 2)")
        ->check(StationNumber());
    app.add_option("--method", options.methods, "compute a method by its result label; repeatable")
        ->check(OneOf(MethodLabels()));
    app.add_option("--hargreaves", options.hargreaves, "A,B,C: the Hargreaves coefficients (default 0.0023,17.8,.5)");
    app.add_option("--estimate-missing", options.estimateMissing,
                   "LIST: estimate what a day lacks, any of radiation,humidity,wind (FAO-56; default none: such days "
                   "get no result from the methods that need them)");
    app.add_option("--angstrom", options.angstrom, "A,B: the Angstrom coefficients of radiation from sunshine (default 0.25,0.50)");
    app.add_option("--krs", options.krs, "the coefficient of radiation from the temperature range (default 0.16 inland; 0.19 coastal)")
        ->check(EstimateCoefficient("NUMBER 0.1 to 0.3", &EstimateSettings::krs));
    app.add_option("--k0", options.k0, "the dew point below T min of the humidity estimate, °C (default 0)")
        ->check(EstimateCoefficient("NUMBER 0 to 10", &EstimateSettings::k0));
    app.add_option("--penmon-g", options.penMonG,
                   "PenMon's soil heat flux: previous (default: from the mean temperature of the day before) or zero "
                   "(FAO-56 for daily steps)")
        ->check(OneOf(kPenMonGWords.words()));
    app.add_option("--pt-alpha", options.ptAlpha, "the alpha of P-T, not of P-T extrad (default 1.26)")
        ->check(MethodOption("NUMBER 1 to 2", ReadPriestleyTaylorAlpha));
    app.add_option("--ptextrad-krs", options.ptExtradKrs,
                   "kRs of the radiation of \"P-T extrad\" from the temperature range (default 0.16 inland; 0.19 coastal)")
        ->check(MethodOption("NUMBER 0.1 to 0.3", ReadPtExtradKrs));
    app.add_option("--turc-humidity", options.turcHumidity,
                   "Turc's humidity correction: below50 (default: Turc 1961, x (1 + (50 - RHmean) / 70) when the mean "
                   "humidity is 50 % or less) or off")
        ->check(OneOf(kTurcHumidityWords.words()));
    app.add_option("--asce-rso", options.asceRso,
                   "the clear-sky radiation of \"ASCE short\" and \"ASCE tall\": simple (default, (0.75 + 2e-5 z) Ra, "
                   "ASCE-EWRI 2005 Eq. 19) or full (Appendix D: from pressure, precipitable water and sun angle)")
        ->check(OneOf(kAsceRsoWords.words()));
    app.add_option("--potrad-unit", options.potRadUnit,
                   "the unit of PotRad: MJ (default, MJ m-2 d-1) or mm (its evaporation equivalent, x 0.408)")
        ->check(OneOf(kPotRadUnitWords.words()));
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
    BatchPlan plan;
    if (auto problem = MakeBatchPlan(options, static_cast<bool>(renderChart), plan)) {
        err << "etp: " << *problem << "\nRun with --help for more information.\n";
        return 2;
    }
    Workbench workbench;
    return RunBatchPipeline(options, plan, workbench, out, err, renderChart);
}

} // namespace etp
