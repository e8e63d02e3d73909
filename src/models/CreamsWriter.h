#pragma once
// The two weather files of CREAMS: monthly temperature and radiation (*.tr) from the
// dialog's table, daily rain in inches (*.rn) from the data sheet. Every line ends
// with an explicit CR before the CR LF.
#include <string>

#include "models/CreamsTable.h"
#include "sheet/MeteoSheet.h"
#include "sheet/ColumnMap.h"

namespace etp {

// More fields than this in the rain file can only come from dates that jump back and
// forth by decades; the file is refused rather than grown without bound.
inline constexpr long kCreamsMaxRainFields = 1'000'000;

// All monthly temperatures, then all monthly radiation values, read down the table to
// its first empty cell: 8-character "00000.00" fields ("    0.00" for "no data"), each
// year as a line of ten fields and a line of two.
std::string CreamsTemperatureRadiationText(const CreamsTable& table);

// After `fields` fields of the rain file, does the line end? At every 365th field, and
// within the first five years of fields at every tenth field of a year (the 10th, 20th,
// ... of odd years, the 375th, 385th, ... of even ones); never otherwise.
bool CreamsRainLineBreak(long fields);

// 10 blanks, then one "00.00" field in inches per day, days missing between two dated
// rows filled with "  .00". Dates read by position; every year counts 365 days.
std::string CreamsRainText(const MeteoSheet& sheet, const ColumnMap& columns, int rainColumn);

} // namespace etp
