#pragma once
// Monthly and annual totals of the result columns and of rain (with irrigation).
#include <string>
#include <vector>

#include "workbench/Workbench.h"

namespace etp {

struct SummaryLine {
    std::string period;          // "1995-06" for a month, "1995" for a year
    int days = 0;                // rows of the period
    std::vector<double> sums;    // one per column, over the cells holding a number
    std::vector<int> counts;     // cells holding a number
};

struct Summary {
    std::vector<std::string> labels; // "RAIN", "PenMon", ... as titled in the sheet
    std::vector<int> columns;
    std::vector<SummaryLine> months;
    std::vector<SummaryLine> years;
};

// Every column titled with a result label, and the rain column; rows with a date
// (calendar date of the date column) from row 2 to the last day.
Summary Summarize(const Workbench& workbench);

// TAB-separated: period, days, then sum and mean of each column; months first, then years.
std::string SummaryText(const Summary& summary);

} // namespace etp
