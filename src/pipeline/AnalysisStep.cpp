#include "pipeline/AnalysisStep.h"

#include "analysis/DataCheck.h"
#include "analysis/Summary.h"
#include "workbench/SaveTextFile.h"

namespace etp {

namespace {

bool EndsWith(const std::string& text, const std::string& ending)
{
    return text.size() >= ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

} // namespace

std::optional<std::string> CheckAnalysisOptions(const AnalysisOptions& options, bool canDrawCharts)
{
    if (options.strict && !options.check) return std::string("--strict goes with --check");
    if (!options.chart.empty()) {
        if (!canDrawCharts) return std::string("--chart: this build of etp cannot draw charts");
        if (!EndsWith(options.chart, ".png") && !EndsWith(options.chart, ".svg"))
            return "--chart takes a file ending in .png or .svg: \"" + options.chart + "\"";
    }
    return std::nullopt;
}

bool ShowDataCheck(const DataCheckReport& report, const AnalysisOptions& options, std::ostream& out)
{
    if (!options.check) return true;
    out << CheckReportText(report);
    return !(options.strict && report.hasProblems());
}

bool WriteAnalysisFiles(const Workbench& workbench, const AnalysisOptions& options, const ChartRenderer& renderChart,
                        UserInterface& ui)
{
    if (!options.summary.empty() && !WriteTextFile(ui, options.summary, [&] { return SummaryText(Summarize(workbench)); }))
        return false;
    if (!options.chart.empty()) {
        std::string error;
        if (!renderChart(workbench, ui.placeToWrite(options.chart).path, error)) {
            ui.message("The chart " + options.chart + " could not be drawn: " + error + ".", kApplicationTitle,
                       Icon::Critical);
            return false;
        }
    }
    return true;
}

} // namespace etp
