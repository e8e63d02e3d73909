#pragma once
// The unit lists beside the sheet: the units a source may give six kinds of value in,
// each with its factor to the unit the formulas take, and the entry chosen in each list.
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "base/EnumArray.h"

namespace etp {

// One entry of a drop-down list of units: internal value = factor x value + offset.
struct UnitEntry {
    const char* text;
    double factor;
    double offset = 0;
};
using UnitList = std::span<const UnitEntry>;

// Position of the entry with exactly this text; -1 when there is none.
int IndexOf(UnitList list, std::string_view text);

// The program's one table of units (UnitLists.cpp names the source of each factor):
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

} // namespace etp
