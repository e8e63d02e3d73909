#pragma once
// A look at the data before the numbers are trusted: the measurements that are missing
// (empty, no number, a logger code), texts read as a number they are not, dates that
// are not in order, values no station can measure, and what the chosen units and the
// station make of the series. It changes nothing.
#include <string>
#include <vector>

#include "workbench/Workbench.h"

namespace etp {

struct CheckFinding {
    std::string variable;       // "Date", "T° min", ... or "Station"
    std::string problem;        // what was found
    int count = 0;              // rows (or days) concerned; 0 for a plain note
    std::vector<int> firstRows; // the first few sheet rows concerned
    bool isProblem = true;      // false: a note, such as what a unit implies
};

struct DataCheckReport {
    std::vector<CheckFinding> findings;
    int rows = 0; // days looked at
    bool hasProblems() const;
};

DataCheckReport CheckData(const Workbench& workbench);

// The sheet column a finding is about: the column assigned to its variable, 0 for the
// station (and for a variable without a column).
int FindingColumn(const CheckFinding& finding, const ColumnMap& columns);

// The report as a table: variable, problem, count, first rows; TAB between the fields.
std::string CheckReportText(const DataCheckReport& report);

} // namespace etp
