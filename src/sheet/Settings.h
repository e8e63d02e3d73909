#pragma once
// The settings the main window shows beside the sheet: which column holds which
// variable, the units of four of them, and the station. All held as the texts the
// person sees; numbers are read with NumericValue when a command runs.
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/EnumArray.h"

namespace etp {

// The eight column boxes, in the order the main window shows them.
enum class ColumnBox { Date, Tmin, Tmax, RHmin, RHmax, Radiation, Wind, Sunshine };
inline constexpr std::size_t kColumnBoxes = 8;
inline constexpr std::array<ColumnBox, kColumnBoxes> kAllColumnBoxes = {
    ColumnBox::Date,  ColumnBox::Tmin,      ColumnBox::Tmax, ColumnBox::RHmin,
    ColumnBox::RHmax, ColumnBox::Radiation, ColumnBox::Wind, ColumnBox::Sunshine};

// One value per column box, indexed by ColumnBox.
template <typename T>
using PerColumnBox = EnumArray<ColumnBox, T, kColumnBoxes>;

// The caption beside each box, also the variable's name in the data check.
inline constexpr PerColumnBox<const char*> kVariableCaptions = {
    "Date", "T° min", "T° max", "U.R. min", "U.R. max", "Rad.", "Wind", "Suns. dur."};

struct ColumnMap {
    // "?" not assigned, "0" not available, otherwise a column number.
    PerColumnBox<std::string> text{"?", "?", "?", "?", "?", "?", "?", "?"};

    // Column of a variable: NumericValue of its box rounded to a whole number (halves to
    // even); 0 for "?", "0", any text without a leading number, and anything beyond
    // the sheet's reach.
    int column(ColumnBox box) const;
    // Assigned: not "?". Available: neither "?" nor "0". Literal comparisons.
    bool assigned(ColumnBox box) const { return text[box] != "?"; }
    bool available(ColumnBox box) const { return text[box] != "?" && text[box] != "0"; }
};

// One entry of a drop-down list of units, with its factor to the internal unit.
struct UnitEntry {
    const char* text;
    double factor;
};
using UnitList = std::span<const UnitEntry>;

// Position of the entry with exactly this text; -1 when there is none.
int IndexOf(UnitList list, std::string_view text);

// Radiation -> mm d-1 (evaporation equivalent), wind -> km d-1, sunshine -> h, relative
// humidity (both boxes) -> %.
extern const UnitList kRadiationUnits; // "Cal cm^-2 d^-1", "watt m^-2", "kJ m^-2", "MJ m^-2"
extern const UnitList kWindUnits;      // "km d^-1", "m s^-1"
extern const UnitList kSunshineUnits;  // "hours", "min"
extern const UnitList kHumidityUnits;  // "%", "fraction 0-1"

// The unit lists, in the order of their drop-downs Combo1 .. Combo4.
enum class UnitKind { Radiation, Wind, Sunshine, Humidity };
inline constexpr std::size_t kUnitKinds = 4;
inline constexpr std::array<UnitKind, kUnitKinds> kAllUnitKinds = {UnitKind::Radiation, UnitKind::Wind,
                                                                   UnitKind::Sunshine, UnitKind::Humidity};

// One value per unit list, indexed by UnitKind.
template <typename T>
using PerUnitKind = EnumArray<UnitKind, T, kUnitKinds>;

struct UnitSelection {
    // Current entry of each list; the lists accept only their own entries.
    PerUnitKind<int> index{0, 0, 0, 0};

    static UnitList list(UnitKind kind);
    std::string text(UnitKind kind) const { return list(kind)[index[kind]].text; }
    double factor(UnitKind kind) const { return list(kind)[index[kind]].factor; }
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

} // namespace etp
