#pragma once
#include <span>
#include <string_view>

#include "sheet/MeteoSheet.h"
#include "sheet/Settings.h"

namespace etp {

// "Try auto finding": column boxes from the titles of row 1, then the radiation, wind
// and sunshine units from the largest value of each column. A column titled exactly with
// one of resultTitles (Compute's result labels: "PotRad" holds no radiation measured) is
// never taken. Shows no message.
void AutoFind(const MeteoSheet& sheet, std::span<const std::string_view> resultTitles, ColumnMap& columns,
              UnitSelection& units);

// Largest value of column k from row firstRow down, as a 32-bit float; stops after ten
// empty cells in a row or as soon as the maximum passes limit. Negative values never
// raise it above its start of 0.
float ScanMaximum(const MeteoSheet& sheet, int k, int firstRow, float limit);

} // namespace etp
