#include "pipeline/StationReport.h"

#include <algorithm>

#include "et/Estimates.h"
#include "et/MethodAvailability.h"
#include "et/MethodTable.h"
#include "sheet/RowDates.h"
#include "sheet/SheetQueries.h"

namespace etp {

StationCounts CountStation(const Workbench& workbench, const std::vector<std::string>& methodLabels,
                           const DataCheckReport& check)
{
    StationCounts counts;
    const MeteoSheet& sheet = workbench.sheet;
    const int lastRow = LastDataRow(sheet, workbench.columns);
    if (lastRow >= 2) {
        const RowDates dates(sheet, workbench.columns);
        counts.days = lastRow - 1;
        counts.firstDate = dates.text(2);
        counts.lastDate = dates.text(lastRow);
    }
    // Compute writes its columns right of the titles found before it, so the last column
    // of a label is the one this run wrote.
    std::vector<int> results;
    int estimated = 0;
    for (int c = sheet.lastNonEmptyColumn(1); c >= 1; --c) {
        const std::string_view title = sheet.cellText(1, c);
        if (title == kEstimatedLabel && estimated == 0) estimated = c;
        if (std::find(methodLabels.begin(), methodLabels.end(), title) != methodLabels.end() &&
            std::none_of(results.begin(), results.end(), [&](int r) { return sheet.cellText(1, r) == title; }))
            results.push_back(c);
    }
    counts.methods = static_cast<int>(results.size());
    for (const std::string& label : methodLabels)
        if (const auto method = MethodOfLabel(label))
            if (const Availability availability = MethodAvailability(*method, workbench.columns, workbench.estimates);
                !availability.available)
                counts.notAvailable.push_back(label + " (" + availability.reason + ")");
    for (int r = 2; r <= lastRow; ++r) {
        if (std::any_of(results.begin(), results.end(), [&](int c) { return sheet.cellText(r, c).empty(); }))
            ++counts.notComputed;
        if (estimated > 0 && !sheet.cellText(r, estimated).empty()) ++counts.estimated;
    }
    counts.problems = static_cast<int>(
        std::count_if(check.findings.begin(), check.findings.end(), [](const CheckFinding& f) { return f.isProblem; }));
    return counts;
}

std::string StationReportText(const std::vector<StationReportLine>& lines)
{
    std::string text = "station\tdays\tfirst\tlast\tmethods\tnot computed\testimated\tproblems\tfiles\tstatus\n";
    for (const StationReportLine& line : lines) {
        const StationCounts& n = line.counts;
        text += line.name + '\t' + std::to_string(n.days) + '\t' + n.firstDate + '\t' + n.lastDate + '\t' +
                std::to_string(n.methods) + '\t' + std::to_string(n.notComputed) + '\t' + std::to_string(n.estimated) +
                '\t' + std::to_string(n.problems) + '\t' + std::to_string(line.filesWritten) + '\t';
        switch (line.status) {
        case StationStatus::Done:
            text += "done";
            for (std::size_t i = 0; i < n.notAvailable.size(); ++i)
                text += (i == 0 ? "; not available: " : ", ") + n.notAvailable[i];
            break;
        case StationStatus::Refused: text += "refused: " + line.refusal; break;
        case StationStatus::NotRun: text += "not run"; break;
        }
        text += '\n';
    }
    return text;
}

} // namespace etp
