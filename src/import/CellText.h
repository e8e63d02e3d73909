#pragma once
// Workbook cell values as a person sees them in a spreadsheet program, as sheet texts:
// numbers with at most 15 significant digits and "." as decimal mark, dates as
// dd/mm/yy (the model writers cut dates by character position), times as hh:mm[:ss].
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace etp {

// What a cell's number format makes of its value.
enum class ValueFormat : std::uint8_t {
    Number,
    Date,            // any format with a day, month or year: the date part only
    Time,            // hh:mm
    TimeWithSeconds, // hh:mm:ss
    Hours,           // [h]:mm, hours counted past 24
    HoursWithSeconds // [h]:mm:ss
};

// The formats every workbook knows by number without a FORMAT record.
ValueFormat BuiltInValueFormat(int index);
// A format code such as "dd/mm/yyyy", "h:mm AM/PM" or "#,##0.00": quoted text, escaped
// characters, colours and locales are no date or time part.
ValueFormat ClassifyFormatCode(std::string_view code);

// Room for any text below: a date, a time or a number.
using CellTextBuffer = std::array<char, 40>;

// "12.5", "0.3" for 0.1 + 0.2, "1500", "-3.2"; "1E+15" and "1E-05" outside 1e-4..1e15.
std::string_view NumberCellText(double value, CellTextBuffer& buffer);
// The value shown through its format; serial day numbers count from 1900 or 1904.
// A value no calendar holds (negative, beyond 9999) shows as a number.
std::string_view ValueCellText(double value, ValueFormat format, bool date1904, CellTextBuffer& buffer);
// An ISO 8601 date or date-time ("2018-01-31", "2018-01-31T06:30:00.5"), as .xlsx date
// cells and OpenDocument date cells hold them, shown through the format: a Date format
// gives the date's own dd/mm/yy (any year: OpenDocument dates reach before 1900), other
// formats the value as a serial day number. nullopt when the text is no such date.
std::optional<std::string_view> IsoDateCellText(std::string_view iso, ValueFormat format, bool date1904,
                                                CellTextBuffer& buffer);
// An ISO 8601 duration ("PT12H30M15S", "P1DT2H", "-PT1H"), as OpenDocument time cells hold
// them, in days; nullopt when the text is none.
std::optional<double> IsoDurationDays(std::string_view iso);

// "TRUE" / "FALSE", and the error codes of cells and formula results ("#DIV/0!", "#N/A").
std::string_view BooleanCellText(bool value);
std::string_view ErrorCellText(std::uint8_t code);

} // namespace etp
