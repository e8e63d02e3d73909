#pragma once
// Results that know their inputs: which result columns each Compute wrote and which
// columns of the sheet the column boxes named then. A number typed afterwards into one of
// those columns leaves the results out of date until the method is computed again. The
// record lives beside the sheet only; the sheet's texts and its files never show it.
#include <optional>
#include <string>
#include <vector>

#include "et/Methods.h"

namespace etp {

struct Workbench;
class UserInterface;
enum class ComputeOutcome;

struct ComputedColumn {
    Method method{};
    int column = 0;          // the result column (sheet numbering)
    std::vector<int> inputs; // the columns the boxes named, date included
    bool outOfDate = false;  // an input cell was typed over since
    int estimated = 0;       // the run's "Estimated" column; 0 when the run estimated nothing
    bool operator==(const ComputedColumn&) const = default;
};
using ComputedColumns = std::vector<ComputedColumn>;

// "Compute" (ComputeResults), then the record of the result columns it wrote. A method
// computed again leaves its earlier columns out of the record: the new column is the one
// that counts.
ComputeOutcome ComputeAndRecord(Workbench& workbench, UserInterface& ui);

// A data cell typed over (row 2 on): the results read from its column are out of date.
// True when one became so.
bool MarkResultsOutOfDate(Workbench& workbench, int row, int column);
bool IsOutOfDate(const Workbench& workbench, int column);
// "PenMon (col 12) out of date: inputs edited since Compute"; empty when all are current.
std::string OutOfDateText(const Workbench& workbench);

// A data cell of a numeric input column (every box but the date) holding a text that is no
// number: the cell, what it holds and how Compute reads it, for the status bar
// ("Row 3 (02/01/2001), U.R. min: "8o" is not a number (Compute reads 8)").
// None for a number, an empty cell, a lone "." (0), and for cells of other columns.
bool IsNotANumberInput(const Workbench& workbench, int row, int column);
std::optional<std::string> NotANumberText(const Workbench& workbench, int row, int column);

} // namespace etp
