#pragma once
// Monthly and annual totals of the result columns and of rain (with irrigation), with
// the days each total misses and the days Compute estimated an input.
#include <string>
#include <vector>

#include "analysis/StationSeries.h"

namespace etp {

struct SummaryLine {
    std::string period;          // "1995-06" for a month, "1995" for a year
    int days = 0;                // rows of the period
    int estimated = 0;           // rows whose "Estimated" cell is not empty
    std::vector<double> sums;    // one per column, over the cells holding a value
    std::vector<int> counts;     // cells holding a value (an empty rain cell adds 0 mm but is not counted)
    std::vector<int> missing;    // cells without a value (IsMissingValue; in rain, not an empty cell)
};

struct Summary {
    // "RAIN", "PenMon", ... as titled in the sheet; a repeated label with its column,
    // "PenMon (col 12)" (ColumnNames).
    std::vector<std::string> labels;
    std::vector<int> columns;
    int estimatedColumn = 0;         // the rightmost column titled "Estimated"; 0 when none
    std::vector<SummaryLine> months;
    std::vector<SummaryLine> years;
    std::vector<std::string> options; // the method options that differ from their defaults
};

// Every column titled with a result label, and the rain column; rows with a date
// (calendar date of the date column) from row 2 to the last day.
Summary Summarize(const StationSeries& series);

// TAB-separated: a line "option<TAB>..." for each method option that differs from its
// default, then period, days, then sum and mean of each column; months first, then
// years. A sheet with an "Estimated" column adds "estimated days" after "days"; a column
// missing a value somewhere adds its "missing" days after its mean, marks with a "*" the
// sum of each period that misses days, and a legend follows the table after an empty line.
std::string SummaryText(const Summary& summary);

} // namespace etp
