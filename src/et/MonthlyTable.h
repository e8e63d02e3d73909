#pragma once
#include "et/OtherMethods.h"
#include "sheet/MeteoSheet.h"
#include "sheet/ColumnMap.h"
#include "sheet/UnitLists.h"

namespace etp {

// Fills the table that "P-T extrad" reads: the mean of Tmax - Tmin over all rows of
// each calendar month, FirstYear from the date of row 2. Rows whose date is not a
// date, whose month falls outside the table, or whose Tmin or Tmax is empty or not a
// number are left out of the means; the computation reports such rows when it reaches
// them, if a method needs them.
void BuildMonthlyTemperatureRange(const MeteoSheet& sheet, const ColumnMap& columns, MonthlyTemperatureRange& table,
                                  const UnitSelection& units = {});

// The mean daily temperature range [°C] of the day's month. The month index is rounded half
// to even; one outside the table (more than a hundred years from the first) throws ArithmeticError.
float MonthlyMeanRange(const MonthlyTemperatureRange& table, const SiteDay& S);

} // namespace etp
