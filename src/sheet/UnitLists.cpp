#include "sheet/UnitLists.h"

namespace etp {

namespace {

// Radiation [mm d-1 of evaporation]: an energy in MJ m-2 evaporates 0.408 mm per MJ
// (1 / 2.45 MJ kg-1, FAO-56 Eq. 20); the other energies pass through MJ m-2 by their
// definitions: 1 W m-2 over a day is 86400 J m-2 = 0.0864 MJ m-2, 1 kWh is 3.6 MJ. The
// calorie entry keeps its own rule: 59 cal cm-2 evaporate 1 mm.
constexpr double kMmPerMJ = 0.408;
constexpr UnitEntry kRadiationEntries[] = {
    {"Cal cm^-2 d^-1", 1.0 / 59.0},
    {"watt m^-2", 0.0864 * kMmPerMJ},
    {"kJ m^-2", 0.001 * kMmPerMJ},
    {"MJ m^-2", kMmPerMJ},
    {"kWh m^-2", 3.6 * kMmPerMJ},
};
// Wind [km d-1]: 86400 s d-1 / 1000 m km-1; 24 h d-1; 1 international mile = 1.609344 km.
constexpr UnitEntry kWindEntries[] = {
    {"km d^-1", 1},
    {"m s^-1", 60.0 * 60.0 * 24.0 / 1000.0}, // 86.4
    {"km h^-1", 24},
    {"mph", 1.609344 * 24},
};
constexpr UnitEntry kSunshineEntries[] = {
    {"hours", 1},
    {"min", 1.0 / 60.0},
};
constexpr UnitEntry kHumidityEntries[] = {
    {"%", 1},
    {"fraction 0-1", 100},
};
// Temperature [°C]: t(°C) = (t(°F) - 32) x 5/9 and t(°C) = T(K) - 273.15, exact by the
// definitions of the scales (SI Brochure, 9th ed., 2.3.1).
constexpr UnitEntry kTemperatureEntries[] = {
    {"°C", 1},
    {"°F", 5.0 / 9.0, -32.0 * 5.0 / 9.0},
    {"K", 1, -273.15},
};
// Actual vapour pressure [kPa]: 1 hPa = 100 Pa = 0.1 kPa.
constexpr UnitEntry kVapourPressureEntries[] = {
    {"kPa", 1},
    {"hPa", 0.1},
};

} // namespace

const UnitList kRadiationUnits{kRadiationEntries};
const UnitList kWindUnits{kWindEntries};
const UnitList kSunshineUnits{kSunshineEntries};
const UnitList kHumidityUnits{kHumidityEntries};
const UnitList kTemperatureUnits{kTemperatureEntries};
const UnitList kVapourPressureUnits{kVapourPressureEntries};

int IndexOf(UnitList list, std::string_view text)
{
    for (std::size_t i = 0; i < list.size(); ++i)
        if (text == list[i].text) return static_cast<int>(i);
    return -1;
}

UnitList UnitSelection::list(UnitKind kind)
{
    switch (kind) {
    case UnitKind::Radiation: return kRadiationUnits;
    case UnitKind::Wind: return kWindUnits;
    case UnitKind::Humidity: return kHumidityUnits;
    case UnitKind::Temperature: return kTemperatureUnits;
    case UnitKind::VapourPressure: return kVapourPressureUnits;
    case UnitKind::Sunshine: break;
    }
    return kSunshineUnits;
}

bool UnitSelection::select(UnitKind kind, std::string_view text)
{
    const int i = IndexOf(list(kind), text);
    if (i < 0) return false;
    index[kind] = i;
    return true;
}

} // namespace etp
