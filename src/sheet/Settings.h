#pragma once
// The settings the main window shows beside the sheet: which column holds which
// variable, the units of four of them, and the station. The boxes are held as the texts
// the person sees; the column boxes' numbers are read when a text is set, the station's
// when a command starts (StationValues).
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

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

// One entry of a drop-down list of units: internal value = factor x value + offset.
struct UnitEntry {
    const char* text;
    double factor;
    double offset = 0;
};
using UnitList = std::span<const UnitEntry>;

// Position of the entry with exactly this text; -1 when there is none.
int IndexOf(UnitList list, std::string_view text);

// The program's one table of units (Settings.cpp names the source of each factor):
// radiation -> mm d-1 (evaporation equivalent), wind -> km d-1, sunshine -> h, relative
// humidity (every RH box) -> %, temperature (T min, T max, dew point) -> °C, actual
// vapour pressure -> kPa.
extern const UnitList kRadiationUnits;   // "Cal cm^-2 d^-1", "watt m^-2", "kJ m^-2", "MJ m^-2", "kWh m^-2"
extern const UnitList kWindUnits;        // "km d^-1", "m s^-1", "km h^-1", "mph"
extern const UnitList kSunshineUnits;    // "hours", "min"
extern const UnitList kHumidityUnits;    // "%", "fraction 0-1"
extern const UnitList kTemperatureUnits; // "°C", "°F", "K"
extern const UnitList kVapourPressureUnits; // "kPa", "hPa"

// The unit lists, in the order of their drop-downs Combo1 .. Combo6.
enum class UnitKind { Radiation, Wind, Sunshine, Humidity, Temperature, VapourPressure };
inline constexpr std::size_t kUnitKinds = 6;
inline constexpr std::array<UnitKind, kUnitKinds> kAllUnitKinds = {UnitKind::Radiation, UnitKind::Wind,
                                                                   UnitKind::Sunshine,  UnitKind::Humidity,
                                                                   UnitKind::Temperature, UnitKind::VapourPressure};

// One value per unit list, indexed by UnitKind.
template <typename T>
using PerUnitKind = EnumArray<UnitKind, T, kUnitKinds>;

// The unit options of etp ("--rad-unit") and columns of a station table ("rad_unit").
inline constexpr PerUnitKind<const char*> kUnitOptionNames = {"rad", "wind", "sun", "rh", "temp", "ea"};

struct UnitSelection {
    // Current entry of each list; the lists accept only their own entries.
    PerUnitKind<int> index{0, 0, 0, 0, 0, 0};

    static UnitList list(UnitKind kind);
    std::string text(UnitKind kind) const { return list(kind)[index[kind]].text; }
    double factor(UnitKind kind) const { return list(kind)[index[kind]].factor; }
    const UnitEntry& entry(UnitKind kind) const { return list(kind)[index[kind]]; }
    // A value of this kind in the internal unit. No offset is added where there is none,
    // so a "-0" cell stays -0 as the formulas have always read it.
    double convert(UnitKind kind, double value) const
    {
        const UnitEntry& e = entry(kind);
        return e.offset == 0 ? e.factor * value : e.factor * value + e.offset;
    }
    // Selects the entry with exactly this text; false, and no change, when there is none.
    bool select(UnitKind kind, std::string_view text);
};

struct StationParameters {
    std::string latitude = "0";   // [decimal degrees]
    std::string altitude = "0";   // [m a.s.l.]
    std::string windHeight = "2"; // [m]
};

// The station's boxes, in the order the dialog shows them.
enum class StationBox { Latitude, Altitude, WindHeight };

struct StationProblem {
    StationBox box;
    std::string message; // "Latitude (°) must be from -90 to 90: \"95\""
};

// The first box whose text is no number or lies outside what the formulas take: a
// latitude from -90 to 90, an altitude from -500 to 9000 m, a wind height of at least
// 0.1 m (the conversion to 2 m has no logarithm below it).
std::optional<StationProblem> CheckStation(const StationParameters& station);

// The station as the formulas take it. A command reads the boxes into it once, when it
// starts, after CheckStation found nothing wrong with them.
struct StationValues {
    double latitude = 0;   // [decimal degrees]
    double altitude = 0;   // [m a.s.l.]
    double windHeight = 2; // [m]
};
StationValues ReadStationValues(const StationParameters& station);
// The same check on values (a caller that made them itself): the message shows the value.
std::optional<StationProblem> CheckStation(const StationValues& station);

} // namespace etp
