#pragma once
// The settings the main window shows beside the sheet: which column holds which
// variable, the units of three of them, and the station. All held as the texts the
// person sees; numbers are read with NumericValue when a command runs.
#include <array>
#include <string>
#include <string_view>

namespace etp {

// Indices of the eight column boxes.
enum ColumnBox : int { DateBox = 0, TminBox, TmaxBox, RHminBox, RHmaxBox, RadiationBox, WindBox, SunshineBox };
inline constexpr int kColumnBoxes = 8;

struct ColumnMap {
    // "?" not assigned, "0" not available, otherwise a column number.
    std::array<std::string, kColumnBoxes> text{"?", "?", "?", "?", "?", "?", "?", "?"};

    // Column of a variable: NumericValue of its box rounded to a whole number (halves to
    // even); 0 for "?", "0", any text without a leading number, and anything beyond
    // the sheet's reach.
    int column(int box) const;
    // Assigned: not "?". Available: neither "?" nor "0". Literal comparisons.
    bool assigned(int box) const { return text[box] != "?"; }
    bool available(int box) const { return text[box] != "?" && text[box] != "0"; }
};

// One drop-down list of units: its entries, each with its factor to the internal unit.
struct UnitList {
    struct Entry {
        const char* text;
        double factor;
    };
    const Entry* entries;
    int count;

    int indexOf(std::string_view text) const; // -1 when no entry has that text
};

// Radiation -> mm d-1 (evaporation equivalent), wind -> km d-1, sunshine -> h.
extern const UnitList kRadiationUnits; // "Cal cm^-2 d^-1", "watt m^-2", "kJ m^-2", "MJ m^-2"
extern const UnitList kWindUnits;      // "km d^-1", "m s^-1"
extern const UnitList kSunshineUnits;  // "hours", "min"

enum UnitKind : int { RadiationUnit = 0, WindUnit, SunshineUnit };

struct UnitSelection {
    // Current entry of each list; the lists accept only their own entries.
    std::array<int, 3> index{0, 0, 0};

    static const UnitList& list(int kind);
    std::string text(int kind) const { return list(kind).entries[index[kind]].text; }
    double factor(int kind) const { return list(kind).entries[index[kind]].factor; }
    // Selects the entry with exactly this text; false, and no change, when there is none.
    bool select(int kind, std::string_view text);
};

struct StationParameters {
    std::string latitude = "0";   // [decimal degrees]
    std::string altitude = "0";   // [m a.s.l.]
    std::string windHeight = "2"; // [m]
};

} // namespace etp
