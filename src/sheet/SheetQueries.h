#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "sheet/MeteoSheet.h"
#include "sheet/ColumnMap.h"

namespace etp {

// Row of the last day: the row above the first empty cell of the date column (of the
// year column, when the date comes in parts), from row 1 down. 0 when the title is
// empty (or the boxes name no date), 1 with a title and no days.
int LastDataRow(const MeteoSheet& sheet, const ColumnMap& columns);

// Column of the last non-empty title among columns 1..100 (empty titles before it
// counted); 1 for an empty title row. New result columns go right after it.
int UsedColumnCount(const MeteoSheet& sheet);

// The look-ups of the rain and ET columns read titles 1..30.
inline constexpr int kTitleScanColumns = 30;

// First column of 1..30 whose upper-cased title contains "PRE", "PIO" or "RAI", or is a
// source's code for rain ("PRCP"); 0 when none.
int FindRainColumn(const MeteoSheet& sheet);

// A column a writer or scheduler reads; a rain column reads its cells by RainValue.
struct ReadColumn {
    int column = 0; // 0: the variable is not available and reads as 0, never missing
    bool rain = false;
};

// A day's rain [mm] from its cell. Rain is commonly recorded by leaving the cell of a
// dry day empty, so an empty cell is 0 mm; a text or a logger's missing-value code is
// no value (MeasuredValue), as in any other column.
std::optional<double> RainValue(std::string_view text);

} // namespace etp
