#pragma once
// The date of each day, however the series gives it: one date column, or year, month
// and day columns, or year and day-of-year columns. Every reader of the days (Compute,
// the model files, the irrigation, the checks) takes the date of a row from here.
#include <optional>
#include <string>
#include <string_view>

#include "sheet/DateParts.h"
#include "sheet/MeteoSheet.h"
#include "sheet/ColumnMap.h"

namespace etp {

// "45 (14/02/18)": a sheet row with the date of its day beside it, as every message that
// lists rows gives them; the row alone when the day has no date text.
std::string RowWithDate(int row, std::string_view date);

class RowDates {
public:
    RowDates(const MeteoSheet& sheet, const ColumnMap& columns);

    DateForm form() const { return form_; }
    // The date of a row as a date cell would hold it: the date column's text itself, or
    // the parts written "dd/mm/yyyy" when they make a calendar date. Parts that make
    // none come back as they stand, joined by " / " ("2018 / 400"), so a message quotes
    // what the sheet holds; no date form gives "".
    std::string text(int row) const;
    // "row 45 (14/02/18)": a row as the messages name it.
    std::string row(int row) const { return "row " + RowWithDate(row, text(row)); }

private:
    const MeteoSheet& sheet_;
    DateForm form_;
    int date_ = 0, year_ = 0, month_ = 0, day_ = 0, doy_ = 0; // columns
};

// Month and day of day-of-year J of a year (1..365, 366 in a leap year); empty outside.
std::optional<CalendarDate> DateOfDayOfYear(int year, int J);

} // namespace etp
