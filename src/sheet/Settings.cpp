#include "sheet/Settings.h"

#include <cmath>

#include "sheet/MeteoSheet.h"
#include "sheet/NumericValue.h"

namespace etp {

namespace {

constexpr UnitList::Entry kRadiationEntries[] = {
    {"Cal cm^-2 d^-1", 1.0 / 59.0}, // 59 cal cm-2 evaporate 1 mm
    {"watt m^-2", 0.0344},
    {"kJ m^-2", 0.000408},
    {"MJ m^-2", 0.408},
};
constexpr UnitList::Entry kWindEntries[] = {
    {"km d^-1", 1},
    {"m s^-1", 60.0 * 60.0 * 24.0 / 1000.0}, // 86.4
};
constexpr UnitList::Entry kSunshineEntries[] = {
    {"hours", 1},
    {"min", 1.0 / 60.0},
};

} // namespace

const UnitList kRadiationUnits{kRadiationEntries, 4};
const UnitList kWindUnits{kWindEntries, 2};
const UnitList kSunshineUnits{kSunshineEntries, 2};

int UnitList::indexOf(std::string_view text) const
{
    for (int i = 0; i < count; ++i)
        if (text == entries[i].text) return i;
    return -1;
}

const UnitList& UnitSelection::list(int kind)
{
    switch (kind) {
    case RadiationUnit: return kRadiationUnits;
    case WindUnit: return kWindUnits;
    default: return kSunshineUnits;
    }
}

bool UnitSelection::select(int kind, std::string_view text)
{
    const int i = list(kind).indexOf(text);
    if (i < 0) return false;
    index[kind] = i;
    return true;
}

int ColumnMap::column(int box) const
{
    const double value = std::nearbyint(NumericValue(text[box]));
    if (!(value >= 1 && value <= MeteoSheet::kMaxColumns)) return 0;
    return static_cast<int>(value);
}

} // namespace etp
