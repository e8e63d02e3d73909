#pragma once
// The shared De Bilt 2018 series (TAB, dd/mm/yy, DATE TMIN TMAX RHMIN RHMAX RAD WIND(10 m)
// ELIOF RAIN; 52.1 N, 1.9 m) for the tests that compare a method with its equations.
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>
#include <string>

#include "sheet/MeteoSheet.h"
#include "sheet/ColumnMap.h"
#include "sheet/UnitLists.h"
#include "sheet/Station.h"
#include "support/SheetBuilder.h"

namespace etp::test {

inline const std::filesystem::path kDeBilt =
    std::filesystem::path(ETP_SHARED_DATA_DIR) / "stations" / "knmi_debilt_260_2018.txt";
inline constexpr double kDeBiltLatitude = 52.1; // [°]

inline MeteoSheet DeBiltSheet()
{
    std::ifstream in(kDeBilt, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    MeteoSheet sheet;
    ReadTextLines(sheet, bytes);
    return sheet;
}

// The series' column boxes, units and station.
struct DeBiltSettings {
    ColumnMap columns = [] {
        ColumnMap map;
        map = testing::FirstEightColumns();
        return map;
    }();
    UnitSelection units = [] {
        UnitSelection selection;
        selection.select(UnitKind::Radiation, "MJ m^-2");
        selection.select(UnitKind::Wind, "m s^-1");
        return selection;
    }();
    StationValues station{52.1, 1.9, 10};
};

// Daylight hours N [h], FAO-56 Eqs. 25 and 34 with the library's pi and acos, and the
// declination as the guide gives it for the FAO-24 methods: 0.4093 sin(2 pi J / 365 - 1.405).
inline double DaylightHoursOf(int J, double latitudeDegrees)
{
    const double pi = std::numbers::pi;
    const double phi = latitudeDegrees * pi / 180;
    const double delta = 0.4093 * std::sin(2 * pi * J / 365 - 1.405);
    return 24 / pi * std::acos(-std::tan(phi) * std::tan(delta));
}

} // namespace etp::test
