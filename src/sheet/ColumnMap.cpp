#include "sheet/ColumnMap.h"

#include <cmath>
#include <utility>

#include "sheet/MeteoSheet.h"
#include "sheet/NumericValue.h"

namespace etp {

void ColumnMap::set(ColumnBox box, std::string text)
{
    const double value = std::nearbyint(NumericValue(text));
    columns_[box] = value >= 1 && value <= MeteoSheet::kMaxColumns ? static_cast<int>(value) : 0;
    texts_[box] = std::move(text);
}

std::string ColumnBoxNameList(const char* last)
{
    std::string list;
    for (std::size_t i = 0; i < kColumnBoxes; ++i)
        list += std::string(i == 0 ? "" : i + 1 == kColumnBoxes ? last : ", ") + kColumnBoxNames.values[i];
    return list;
}

DateForm ColumnMap::dateForm() const
{
    if (column(ColumnBox::Date) != 0) return DateForm::Column;
    if (column(ColumnBox::Year) == 0) return DateForm::None;
    if (column(ColumnBox::Month) != 0 && column(ColumnBox::Day) != 0) return DateForm::YearMonthDay;
    if (column(ColumnBox::Doy) != 0) return DateForm::YearDayOfYear;
    return DateForm::None;
}

int ColumnMap::daysColumn() const
{
    switch (dateForm()) {
    case DateForm::Column: return column(ColumnBox::Date);
    case DateForm::YearMonthDay:
    case DateForm::YearDayOfYear: return column(ColumnBox::Year);
    case DateForm::None: break;
    }
    return 0;
}

bool ColumnMap::humidityGiven() const
{
    for (const ColumnBox box : {ColumnBox::Ea, ColumnBox::Tdew, ColumnBox::RHmax, ColumnBox::RHmean})
        if (column(box) != 0) return true;
    return false;
}

} // namespace etp
