#include "sheet/Settings.h"

#include <cmath>

#include "sheet/MeteoSheet.h"
#include "sheet/NumericValue.h"

namespace etp {

namespace {

constexpr UnitEntry kRadiationEntries[] = {
    {"Cal cm^-2 d^-1", 1.0 / 59.0}, // 59 cal cm-2 evaporate 1 mm
    {"watt m^-2", 0.0344},
    {"kJ m^-2", 0.000408},
    {"MJ m^-2", 0.408},
};
constexpr UnitEntry kWindEntries[] = {
    {"km d^-1", 1},
    {"m s^-1", 60.0 * 60.0 * 24.0 / 1000.0}, // 86.4
};
constexpr UnitEntry kSunshineEntries[] = {
    {"hours", 1},
    {"min", 1.0 / 60.0},
};
constexpr UnitEntry kHumidityEntries[] = {
    {"%", 1},
    {"fraction 0-1", 100},
};

} // namespace

const UnitList kRadiationUnits{kRadiationEntries};
const UnitList kWindUnits{kWindEntries};
const UnitList kSunshineUnits{kSunshineEntries};
const UnitList kHumidityUnits{kHumidityEntries};

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

int ColumnMap::column(ColumnBox box) const
{
    const double value = std::nearbyint(NumericValue(text[box]));
    if (!(value >= 1 && value <= MeteoSheet::kMaxColumns)) return 0;
    return static_cast<int>(value);
}

std::optional<StationProblem> CheckStation(const StationParameters& station)
{
    struct Box {
        StationBox box;
        const char* label;
        const std::string& text;
        double least, most;
        const char* range;
    };
    const Box boxes[] = {
        {StationBox::Latitude, "Latitude (°)", station.latitude, -90, 90, "from -90 to 90"},
        {StationBox::Altitude, "Altitude a.s.l. (m)", station.altitude, -500, 9000, "from -500 to 9000"},
        {StationBox::WindHeight, "Wind speed measurement high (m)", station.windHeight, 0.1, HUGE_VAL, "at least 0.1"},
    };
    for (const Box& b : boxes) {
        if (!IsFiniteNumberText(b.text))
            return StationProblem{b.box, std::string(b.label) + " is not a number: \"" + b.text + "\""};
        const double value = NumericValue(b.text);
        if (value < b.least || value > b.most)
            return StationProblem{b.box, std::string(b.label) + " must be " + b.range + ": \"" + b.text + "\""};
    }
    return std::nullopt;
}

} // namespace etp
