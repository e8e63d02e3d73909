#pragma once
// What the writers of the model files share: the refusal of data a layout cannot
// hold, and the cell values and day numbers read with that refusal.
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

#include "sheet/MeteoSheet.h"
#include "sheet/SheetQueries.h"

namespace etp {

// Data a layout cannot hold; the text is the message for the person. Nothing is written.
class RefusedInput : public std::runtime_error {
public:
    explicit RefusedInput(const std::string& text) : std::runtime_error(text) {}
};

// A cell the file reads holds no value (IsMissingValue); the text names the cell.
class MissingInput : public RefusedInput {
public:
    using RefusedInput::RefusedInput;
};

// Throws MissingInput for the first missing cell of `columns` in the days, rows 2 to
// lastRow, with MissingCellMessage ending in notWritten. Runs before a writer reads a
// value, so a file is never made over a gap.
void RefuseMissingCells(const MeteoSheet& sheet, std::initializer_list<ReadColumn> columns, int lastRow,
                        std::string_view notWritten);

// NumericValue of a cell, refused when it is beyond the double range (a text like 1e999).
double FiniteCellValue(const MeteoSheet& sheet, int row, int column);

// DayNumber of the date of `row`, its text read by position. A month beyond
// 0..12 is refused with a message naming the row; so is, with `refuseEarlierYear`, a
// year before the first year (a series passing from 99 to 00), which would turn day
// and week numbers negative.
int RowDayNumber(std::string_view text, int row, double firstYear, bool refuseEarlierYear);

} // namespace etp
