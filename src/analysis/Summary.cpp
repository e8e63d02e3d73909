#include "analysis/Summary.h"

#include <cstdio>
#include <map>

#include "base/AtomicFile.h"
#include "et/MethodTable.h"
#include "sheet/DateParts.h"
#include "sheet/NumericValue.h"
#include "sheet/SheetQueries.h"

namespace etp {

namespace {

SummaryLine& LineOf(std::map<std::string, SummaryLine>& lines, const std::string& period, std::size_t columns)
{
    SummaryLine& line = lines[period];
    if (line.period.empty()) {
        line.period = period;
        line.sums.assign(columns, 0);
        line.counts.assign(columns, 0);
    }
    return line;
}

std::vector<SummaryLine> InOrder(std::map<std::string, SummaryLine>&& lines)
{
    std::vector<SummaryLine> ordered;
    for (auto& [period, line] : lines) ordered.push_back(std::move(line));
    return ordered;
}

std::string TwoDecimals(double value)
{
    char text[48];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

} // namespace

Summary Summarize(const Workbench& workbench)
{
    const MeteoSheet& sheet = workbench.sheet;
    Summary summary;
    if (const int rain = FindRainColumn(sheet); rain != 0) {
        summary.labels.emplace_back(sheet.cellText(1, rain));
        summary.columns.push_back(rain);
    }
    for (int c = 1; c <= sheet.lastNonEmptyColumn(1); ++c) {
        const std::string title(sheet.cellText(1, c));
        if (MethodOfLabel(title)) {
            summary.labels.push_back(title);
            summary.columns.push_back(c);
        }
    }

    std::map<std::string, SummaryLine> months, years;
    const std::size_t n = summary.columns.size();
    const int dateColumn = workbench.columns.column(ColumnBox::Date);
    const int last = LastDataRow(sheet, workbench.columns);
    for (int r = 2; r <= last; ++r) {
        const auto date = DateParts(sheet.cellText(r, dateColumn));
        if (!date) continue;
        char month[16];
        std::snprintf(month, sizeof month, "%04d-%02d", date->Year, date->Month);
        SummaryLine& m = LineOf(months, month, n);
        SummaryLine& y = LineOf(years, std::to_string(date->Year), n);
        ++m.days;
        ++y.days;
        for (std::size_t k = 0; k < n; ++k) {
            const std::string_view text = sheet.cellText(r, summary.columns[k]);
            if (!IsNumberText(text)) continue;
            const double value = NumericValue(text);
            m.sums[k] += value;
            y.sums[k] += value;
            ++m.counts[k];
            ++y.counts[k];
        }
    }
    summary.months = InOrder(std::move(months));
    summary.years = InOrder(std::move(years));
    return summary;
}

std::string SummaryText(const Summary& summary)
{
    std::string text = "period\tdays";
    for (const auto& label : summary.labels) text += "\t" + label + " sum\t" + label + " mean";
    text += "\n";
    for (const auto* lines : {&summary.months, &summary.years})
        for (const auto& line : *lines) {
            text += line.period + "\t" + std::to_string(line.days);
            for (std::size_t k = 0; k < line.sums.size(); ++k) {
                text += "\t" + TwoDecimals(line.sums[k]);
                text += "\t" + (line.counts[k] ? TwoDecimals(line.sums[k] / line.counts[k]) : std::string());
            }
            text += "\n";
        }
    return text;
}

} // namespace etp
