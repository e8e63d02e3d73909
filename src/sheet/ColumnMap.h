#pragma once
// The column boxes the main window shows beside the sheet: which column holds which
// variable. The boxes are held as the texts the person sees; each box's column number is
// read when its text is set.
#include <array>
#include <cstddef>
#include <string>

#include "base/EnumArray.h"

namespace etp {

// The column boxes, in the order the main window shows them: the eight of every
// series, then the other ways a source gives humidity (mean RH, dew point, actual vapour
// pressure) and the date (year with month and day, or year with day of year).
enum class ColumnBox { Date, Tmin, Tmax, RHmin, RHmax, Radiation, Wind, Sunshine, RHmean, Tdew, Ea, Year, Month, Day, Doy };
inline constexpr std::size_t kColumnBoxes = 15;
inline constexpr std::array<ColumnBox, kColumnBoxes> kAllColumnBoxes = {
    ColumnBox::Date,     ColumnBox::Tmin,   ColumnBox::Tmax, ColumnBox::RHmin, ColumnBox::RHmax,
    ColumnBox::Radiation, ColumnBox::Wind,  ColumnBox::Sunshine, ColumnBox::RHmean, ColumnBox::Tdew,
    ColumnBox::Ea,       ColumnBox::Year,   ColumnBox::Month, ColumnBox::Day, ColumnBox::Doy};
// The first eight: a new sheet's boxes hold "?" there and "0" in the others.
inline constexpr std::size_t kClassicColumnBoxes = 8;

// One value per column box, indexed by ColumnBox.
template <typename T>
using PerColumnBox = EnumArray<ColumnBox, T, kColumnBoxes>;

// The caption beside each box, also the variable's name in the data check.
inline constexpr PerColumnBox<const char*> kVariableCaptions = {
    "Date",    "T° min",    "T° max", "U.R. min", "U.R. max", "Rad.", "Wind", "Suns. dur.",
    "U.R. mean", "T° dew", "Vap. pr.", "Year",  "Month", "Day",  "Day of year"};

// The name of each box in etp's --col and a station table's col_ columns.
inline constexpr PerColumnBox<const char*> kColumnBoxNames = {
    "date", "tmin", "tmax", "rhmin", "rhmax", "rad", "wind", "sun", "rhmean", "tdew", "ea", "year", "month", "day", "doy"};

// "date, tmin, ... or doy": the names for a message.
std::string ColumnBoxNameList(const char* last = " or ");

// How a series gives each day's date.
enum class DateForm {
    None,          // no date column, nor the parts of one
    Column,        // one date column
    YearMonthDay,  // year, month and day columns
    YearDayOfYear, // year and day-of-year columns
};

// The column boxes: the texts the main window shows, and the column each names, read
// once when its text is set, so the readers of the sheet take a number.
class ColumnMap {
public:
    const std::string& text(ColumnBox box) const { return texts_[box]; }
    // "?" not assigned, "0" not available, otherwise a column number.
    void set(ColumnBox box, std::string text);

    // Column of a variable: NumericValue of its box rounded to a whole number (halves to
    // even); 0 for "?", "0", any text without a leading number, and anything beyond
    // the sheet's reach.
    int column(ColumnBox box) const { return columns_[box]; }
    // Assigned: not "?". Available: neither "?" nor "0". Literal comparisons.
    bool assigned(ColumnBox box) const { return texts_[box] != "?"; }
    bool available(ColumnBox box) const { return texts_[box] != "?" && texts_[box] != "0"; }
    // The date column when it names one; else the year with month and day, else with
    // day of year, when those boxes name columns.
    DateForm dateForm() const;
    // The column that holds a cell for every day: the date column, or the year column of
    // the parts; 0 when no date form is complete.
    int daysColumn() const;
    // Some way of telling the day's humidity: a vapour pressure, a dew point, RH max (with
    // or without RH min) or mean RH names a column.
    bool humidityGiven() const;

    friend bool operator==(const ColumnMap&, const ColumnMap&) = default;

private:
    PerColumnBox<std::string> texts_{"?", "?", "?", "?", "?", "?", "?", "?", "0", "0", "0", "0", "0", "0", "0"};
    PerColumnBox<int> columns_{}; // what each text names: none of the first texts names a column
};

} // namespace etp
