#include "et/MonthlyTable.h"

#include <cmath>
#include <vector>

#include "base/Refusal.h"
#include "base/ToSingle.h"
#include "sheet/RowDates.h"
#include "sheet/DateParts.h"
#include "sheet/NumericValue.h"
#include "sheet/SheetQueries.h"

namespace etp {

void BuildMonthlyTemperatureRange(const MeteoSheet& sheet, const ColumnMap& columns, MonthlyTemperatureRange& table,
                                  const UnitSelection& units)
{
    table.entry.fill(0);
    table.FirstYear = 0;
    const int last = LastDataRow(sheet, columns);
    if (last < 2) return;
    const RowDates dates(sheet, columns);
    const auto first = DateParts(dates.text(2));
    if (!first) return;
    table.FirstYear = ToSingle(first->Year);

    const int tminColumn = columns.column(ColumnBox::Tmin);
    const int tmaxColumn = columns.column(ColumnBox::Tmax);
    std::vector<int> count(MonthlyTemperatureRange::kEntries, 0);
    for (int r = 2; r <= last; ++r) {
        const auto date = DateParts(dates.text(r));
        if (!date) continue;
        const int m = (date->Year - first->Year) * 12 + date->Month;
        if (m < 0 || m >= MonthlyTemperatureRange::kEntries) continue;
        const auto tminCell = MeasuredValue(sheet.cellText(r, tminColumn));
        const auto tmaxCell = MeasuredValue(sheet.cellText(r, tmaxColumn));
        if (!tminCell || !tmaxCell) continue; // a missing day, a logger's code too
        const double tmin = units.convert(UnitKind::Temperature, *tminCell); // [°C]
        const double tmax = units.convert(UnitKind::Temperature, *tmaxCell); // [°C]
        if (!(std::fabs(tmin) < kSingleBound && std::fabs(tmax) < kSingleBound)) continue;
        const float range = ToSingle(double(ToSingle(tmax)) - ToSingle(tmin)); // [°C]
        auto& entry = table.entry[m];
        entry = ToSingle(double(entry) + range);
        ++count[m];
    }
    for (std::size_t m = 0; m < count.size(); ++m)
        if (count[m] > 0) table.entry[m] = ToSingle(double(table.entry[m]) / count[m]);
}

float MonthlyMeanRange(const MonthlyTemperatureRange& table, const SiteDay& S)
{
    // 0 is December of the year before FirstYear.
    const double m = std::nearbyint((double(S.Year) - table.FirstYear) * 12 + S.Month);
    if (!(m >= 0 && m < MonthlyTemperatureRange::kEntries))
        throw ArithmeticError("MonthlyMeanRange: month outside the table (more than 100 years)");
    return table.entry[static_cast<std::size_t>(m)];
}

} // namespace etp
