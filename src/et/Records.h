#pragma once
// The two records of one day that every method receives. Fields are 32 bits, filled
// by Compute through ToSingle; widen before arithmetic (double(D.Tmin) + D.Tmax).

namespace etp {

struct DailyWeather {
    float Tmin = 0;      // [°C]
    float Tmax = 0;      // [°C]
    float RHmax = 0;     // [%]
    float RHmin = 0;     // [%]
    float Wind = 0;      // daily wind run at 2 m [km d-1]
    float Sunshine = 0;  // [h]
    float Radiation = 0; // global radiation as evaporation equivalent [mm d-1] (MJ m-2 d-1 * 0.408)
};

struct SiteDay {
    float Altitude = 0; // [m]
    float Latitude = 0; // [decimal degrees, north positive]
    float Month = 0;    // 1..12
    float Day = 0;      // 1..31
    float Year = 0;
};

} // namespace etp
