#include "analysis/Summary.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "base/AtomicFile.h"
#include "et/Estimates.h"
#include "et/MethodTable.h"
#include "sheet/RowDates.h"
#include "sheet/DateParts.h"
#include "sheet/NumericValue.h"
#include "sheet/SheetQueries.h"

namespace etp {

namespace {

constexpr const char* kSummaryIncompleteLegend =
    "* incomplete: the period misses days of that column (its \"missing\" days); sum and mean are over the days "
    "holding a value.";
constexpr const char* kSummaryEstimatedLegend =
    "estimated days: the days with an input Compute estimated (the \"Estimated\" cell is not empty).";

SummaryLine& LineOf(std::map<std::string, SummaryLine>& lines, const std::string& period, std::size_t columns)
{
    SummaryLine& line = lines[period];
    if (line.period.empty()) {
        line.period = period;
        line.sums.assign(columns, 0);
        line.counts.assign(columns, 0);
        line.missing.assign(columns, 0);
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

Summary Summarize(const StationSeries& series)
{
    const MeteoSheet& sheet = series.sheet;
    Summary summary;
    summary.options = ChangedOptionLines(series.methodOptions);
    const int rainColumn = FindRainColumn(sheet);
    if (rainColumn != 0) {
        summary.labels.emplace_back(sheet.cellText(1, rainColumn));
        summary.columns.push_back(rainColumn);
    }
    for (int c = 1; c <= sheet.lastNonEmptyColumn(1); ++c) {
        const std::string title(sheet.cellText(1, c));
        if (MethodOfLabel(title)) {
            summary.labels.push_back(title);
            summary.columns.push_back(c);
        }
        if (title == kEstimatedLabel) summary.estimatedColumn = c;
    }
    std::vector<TitledColumn> titled;
    for (std::size_t k = 0; k < summary.columns.size(); ++k) titled.push_back({summary.labels[k], summary.columns[k]});
    summary.labels = ColumnNames(titled);

    std::map<std::string, SummaryLine> months, years;
    const std::size_t n = summary.columns.size();
    const RowDates dates(sheet, series.columns);
    const int last = LastDataRow(sheet, series.columns);
    for (int r = 2; r <= last; ++r) {
        const auto date = DateParts(dates.text(r));
        if (!date) continue;
        char month[16];
        std::snprintf(month, sizeof month, "%04d-%02d", date->Year, date->Month);
        SummaryLine& m = LineOf(months, month, n);
        SummaryLine& y = LineOf(years, std::to_string(date->Year), n);
        ++m.days;
        ++y.days;
        if (summary.estimatedColumn != 0 && !sheet.cellText(r, summary.estimatedColumn).empty()) {
            ++m.estimated;
            ++y.estimated;
        }
        for (std::size_t k = 0; k < n; ++k) {
            const std::string_view text = sheet.cellText(r, summary.columns[k]);
            const bool rain = summary.columns[k] == rainColumn;
            const std::optional<double> value = rain ? RainValue(text) : MeasuredValue(text);
            if (!value) {
                ++m.missing[k];
                ++y.missing[k];
                continue;
            }
            m.sums[k] += *value;
            y.sums[k] += *value;
            if (text.empty()) continue; // a dry day: the mean stays over the days holding a number
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
    const std::size_t n = summary.labels.size();
    // The "missing" field of a column, and the legend, only where a value is missing:
    // a sheet without gaps keeps the table it always had.
    std::vector<bool> gaps(n, false);
    for (const auto& year : summary.years)
        for (std::size_t k = 0; k < n; ++k) gaps[k] = gaps[k] || year.missing[k] > 0;
    const bool estimated = summary.estimatedColumn != 0;

    std::string text;
    for (const std::string& option : summary.options) text += "option\t" + option + "\n";
    text += "period\tdays";
    if (estimated) text += "\testimated days";
    for (std::size_t k = 0; k < n; ++k) {
        const std::string& label = summary.labels[k];
        text += "\t" + label + " sum\t" + label + " mean";
        if (gaps[k]) text += "\t" + label + " missing";
    }
    text += "\n";
    for (const auto* lines : {&summary.months, &summary.years})
        for (const auto& line : *lines) {
            text += line.period + "\t" + std::to_string(line.days);
            if (estimated) text += "\t" + std::to_string(line.estimated);
            for (std::size_t k = 0; k < n; ++k) {
                const int missing = line.missing[k];
                // No sum at all when no day of the period holds a value: 0.00 would read as 0 mm.
                text += "\t" + (missing == line.days ? std::string() : TwoDecimals(line.sums[k]) + (missing ? "*" : ""));
                text += "\t" + (line.counts[k] ? TwoDecimals(line.sums[k] / line.counts[k]) : std::string());
                if (gaps[k]) text += "\t" + std::to_string(missing);
            }
            text += "\n";
        }
    const bool anyGap = std::find(gaps.begin(), gaps.end(), true) != gaps.end();
    if (anyGap || estimated) text += "\n";
    if (anyGap) text += std::string(kSummaryIncompleteLegend) + "\n";
    if (estimated) text += std::string(kSummaryEstimatedLegend) + "\n";
    return text;
}

} // namespace etp
