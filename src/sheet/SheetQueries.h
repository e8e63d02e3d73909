#pragma once
#include <array>
#include <vector>

#include "sheet/MeteoSheet.h"
#include "sheet/Settings.h"

namespace etp {

// Row of the last day: the row above the first empty cell of the date column, from
// row 1 down. 0 when the title is empty (or the date box names no column), 1 with a
// title and no days.
int LastDataRow(const MeteoSheet& sheet, const ColumnMap& columns);

// Column of the last non-empty title among columns 1..100 (empty titles before it
// counted); 1 for an empty title row. New result columns go right after it.
int UsedColumnCount(const MeteoSheet& sheet);

// First column of 1..30 whose upper-cased title contains "PRE", "PIO" or "RAI"; 0 when none.
int FindRainColumn(const MeteoSheet& sheet);

// The six labels of the combination methods, the ET sources of the model files and
// of on-demand irrigation, in this order (label number 1..6).
inline constexpr std::array<const char*, 6> kEtLabels = {"PenFAO", "PFAOnocorr", "PenMon", "P-T", "PFAOrad", "PFAOsun"};

struct EtColumns {
    int count = 0;                // matches kept (at most six)
    std::vector<int> labels;      // label numbers 1..6, in column order
    std::array<int, 7> column{};  // column of each label number (rightmost match), 0 when absent
};

// Columns 1..30 of row 1 whose title equals one of the six labels exactly. Matches
// beyond the sixth are ignored.
EtColumns FindEtColumns(const MeteoSheet& sheet);

} // namespace etp
