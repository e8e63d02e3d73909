#pragma once
#include <optional>
#include <span>
#include <string_view>

#include "sheet/MeteoSheet.h"
#include "sheet/ColumnMap.h"
#include "sheet/UnitLists.h"

namespace etp {

// What auto finding tells beyond the boxes and units.
struct AutoFindResult {
    const char* windHeight = nullptr; // [m], when the wind column's title names its height
};

// "Try auto finding": column boxes from the titles of row 1, then the radiation, wind
// and sunshine units from the largest value of each column. A title that is exactly one
// of a data source's codes (NASA POWER, AgriMet, Meteostat; any case) sets its box and
// the unit the source uses, and the boxes such a file leaves unfound hold "0" (it has no
// such column); every other title goes by keywords. A column titled exactly
// with one of resultTitles (Compute's result labels: "PotRad" holds no radiation
// measured) is never taken. Shows no message.
AutoFindResult AutoFind(const MeteoSheet& sheet, std::span<const std::string_view> resultTitles, ColumnMap& columns,
                        UnitSelection& units);

// The box a source's exact code stands for, in any case ("t2m_max": T max); none for a
// title that is no such code, and for the codes of rain.
std::optional<ColumnBox> KnownTitleBox(std::string_view title);

// Whether a title is a source's exact code for the day's rain ("PRECTOTCORR", "PRCP").
bool IsKnownRainTitle(std::string_view title);

// Largest value of column k from row firstRow down, as a 32-bit float; stops after ten
// empty cells in a row or as soon as the maximum passes limit. Negative values never
// raise it above its start of 0.
float ScanMaximum(const MeteoSheet& sheet, int k, int firstRow, float limit);

} // namespace etp
