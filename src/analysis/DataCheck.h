#pragma once
// A look at the data before the numbers are trusted: the measurements that are missing
// (empty, no number, a logger code), texts read as a number they are not, dates that
// are not in order, values no station can measure, and what the chosen units and the
// station make of the series. It changes nothing.
#include <optional>
#include <string>
#include <vector>

#include "analysis/StationSeries.h"

namespace etp {

// One kind of problem of one variable, however many rows have it.
struct CheckFinding {
    std::string variable;       // "Date", "T° min", ... or "Station"
    std::string problem;        // what was found; a lone row's own details when count is 1
    int count = 0;              // rows (or days) concerned; 0 for a plain note
    std::vector<int> firstRows; // the first few sheet rows concerned
    bool isProblem = true;      // false: a note, such as what a unit implies
    std::vector<int> rows = {}; // every sheet row concerned, in sheet order
    std::vector<std::string> firstDates = {}; // the dates of firstRows
    std::optional<ColumnBox> box = {};        // the variable's box; none for the station
};

struct DataCheckReport {
    std::vector<CheckFinding> findings;
    int rows = 0;        // days looked at
    std::string nothing; // why there was nothing to look at (no file open); then no findings
    bool hasProblems() const;
};

DataCheckReport CheckData(const StationSeries& series);

// The sheet column a finding is about: the column its variable's box names, 0 for the
// station (and for a variable without a column).
int FindingColumn(const CheckFinding& finding, const ColumnMap& columns);

// "45 (14/02/18), 46 (15/02/18)": the first rows of a finding with their dates.
std::string FirstRowsText(const CheckFinding& finding);

// The report as a table: variable, problem, count, first rows; TAB between the fields.
// With nothing to look at, that one line.
std::string CheckReportText(const DataCheckReport& report);

} // namespace etp
