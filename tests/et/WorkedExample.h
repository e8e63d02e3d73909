#pragma once
// The day of the worked example that the combination and the radiation- and
// temperature-based methods are checked against: 21 June (J = 172) at 45°N, 100 m.
#include "base/ToSingle.h"
#include "et/Records.h"

namespace etp::test {

inline DailyWeather WorkedExampleWeather()
{
    // Wind: 2 m s-1 as a daily run [km d-1]; radiation: 22 MJ m-2 d-1 as a 32-bit float.
    return DailyWeather{.Tmin = 12, .Tmax = 28, .RHmax = 90, .RHmin = 40, .Wind = ToSingle(172.8), .Sunshine = 10, .Radiation = ToSingle(22 * 0.408)};
}

inline SiteDay WorkedExampleSite() { return SiteDay{.Altitude = 100, .Latitude = 45, .Month = 6, .Day = 21, .Year = 2015}; }

// The sun does not set at 89°N on 21 June: no sunset hour angle exists.
inline SiteDay PolarDay() { return SiteDay{.Altitude = 0, .Latitude = 89, .Month = 6, .Day = 21, .Year = 2015}; }

} // namespace etp::test
