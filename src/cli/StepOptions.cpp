#include "cli/StepOptions.h"

#include <string>
#include <utility>

#include "et/MethodTable.h"

namespace etp {

CLI::IsMember OneOf(std::vector<std::string> texts) { return CLI::IsMember(std::move(texts)); }

CLI::IsMember OneOfEtLabels() { return OneOf(std::vector<std::string>(kEtLabels.begin(), kEtLabels.end())); }

CLI::Validator Checked(std::string shown, std::function<std::optional<std::string>(const std::string&)> problem)
{
    return CLI::Validator(
        [problem = std::move(problem)](std::string& text) { return problem(text).value_or(std::string()); },
        std::move(shown));
}

void AddAnalysisOptions(CLI::App& app, AnalysisOptions& options)
{
    app.add_flag("--check", options.check,
                 "check the data before computing and print what was found (empty or non-numeric cells, dates, "
                 "values out of range, what the units imply)");
    app.add_flag("--strict", options.strict, "with --check: stop with exit status 3 when problems were found");
    app.add_option("--summary", options.summary,
                   "write monthly and annual sums and means of the result columns and rain (TAB-separated) to FILE");
    app.add_option("--chart", options.chart, "draw the ET columns and rain into FILE (.png or .svg)");
}

void AddCropOptions(CLI::App& app, CropOptions& options)
{
    app.add_option("--crop", options.crop,
                   "FILE: the crop water balance (FAO-56 chapters 6 to 8) of the crop and soil described in FILE "
                   "(key = value lines), over the season from its planting date");
    app.add_option("--crop-et", options.et,
                   "LABEL: the reference ET column of the crop balance (default the rightmost of ASCE short and PenMon)")
        ->check(OneOfEtLabels());
    app.add_option("--crop-irrigation", options.irrigation,
                   "FILE: irrigations given to the crop, one a line: date<TAB>depth mm[<TAB>fw]");
    app.add_option("--crop-auto", options.trigger,
                   "TRIGGER: irrigate the crop when the depletion at the start of a day reaches RAW (raw) or a "
                   "fraction of TAW (such as 0.5)");
    app.add_option("--crop-depth", options.depth,
                   "MM: the net depth of each automatic irrigation (default: back to field capacity)");
    app.add_option("--crop-efficiency", options.efficiency,
                   "PCT: the application efficiency, net / gross in % (default 100)");
    app.add_option("--crop-out", options.out, "FILE: write the crop balance's daily table (TAB text)");
    app.add_option("--crop-summary", options.summary, "FILE: write the crop balance's seasonal totals");
    app.add_flag("--crop-into-rain", options.intoRain,
                 "add the crop's irrigations (gross depths) to the rain column, before the model files and -o");
}

void AddIrrigationOptions(CLI::App& app, IrrigationOptions& options)
{
    app.add_option("--turned", options.turned,
                   "START,END,FREQUENCY,AMOUNT,THRESHOLD,DAYS: turned irrigation into the rain column, e.g. "
                   "01/07,30/08,15,50,50,4");
    app.add_option("--on-demand", options.onDemand,
                   "ET,START,END,LIMIT,RESTORING: on-demand irrigation with the ET column labelled ET (" + EtLabelList() +
                       "), e.g. PenMon,06/06,09/09,50,75");
}

void AddModelFileOptions(CLI::App& app, ModelFileOptions& options)
{
    const std::string et = " (default: the last found of the first eight, else the last found)";
    app.add_option("--creams-tr", options.creamsTr, "write the CREAMS monthly temperature and radiation file");
    app.add_option("--creams-rain", options.creamsRain, "write the CREAMS daily rain file");
    app.add_option("--leachm-rain", options.leachmRain, "write the LEACHM rain file");
    app.add_option("--leachm-etp", options.leachmEtp, "write the LEACHM weekly ET, temperature and amplitude file");
    app.add_option("--leachm-et", options.leachmEt, "ET column of the LEACHM weekly file by its label" + et)
        ->check(OneOfEtLabels());
    app.add_option("--leachm-dates", options.leachmDates, "dates of the LEACHM rain file: ddmmaa or day (default ddmmaa)")
        ->check(OneOf(kLeachmDatesWords.words()));
    app.add_option("--leachm-n", options.leachmN,
                   "UREA,AMMONIUM,NITRATE: nitrogen in rain for the LEACHM rain file, mg/l (default 0,0.1,1)");
    app.add_option("--macro-rain", options.macroRain, "write the MACRO daily rain file");
    app.add_option("--macro-etp", options.macroEtp, "write the MACRO daily ET file");
    app.add_option("--macro-et", options.macroEt, "ET column of the MACRO ET file by its label" + et)
        ->check(OneOfEtLabels());
}

void AddStationsOptions(CLI::App& app, StationsRequest& request)
{
    auto* stations = app.add_option(
        "--stations", request.table,
        "TABLE: run every station of a table (text, CSV or workbook) with a title line and the columns file, name, "
        "lat, alt, wind_height, and optionally rad_unit, wind_unit, sun_unit, rh_unit and col_VAR; each station's "
        "files go to --out-dir as NAME.txt, NAME.summary.txt and NAME.ENDING, where the model file options and "
        "--chart give the ENDING (--macro-rain macro.rn)");
    auto* outDir = app.add_option("--out-dir", request.outDir, "DIR: the folder of the stations' files and of stations-report.txt");
    auto* jobs = app.add_option("--jobs", request.jobs, "N: stations run at once (default: the number of processors)")
                     ->check(CLI::PositiveNumber);
    stations->needs(outDir);
    outDir->needs(stations);
    jobs->needs(stations);
    for (const char* single : {"INPUT", "-o", "--summary", "--lat", "--alt", "--wind-height"}) stations->excludes(single);
}

} // namespace etp
