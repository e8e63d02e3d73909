#pragma once
// The day's air humidity from whatever the series gives, in FAO-56's order of preference
// (chapter 3): a measured actual vapour pressure, the dew point (Eq. 14), RH max and RH
// min (Eq. 17), RH max alone (Eq. 18), mean RH (Eq. 19). Every method reads humidity as
// the pair RH max, RH min of DailyWeather; a source other than the two extremes becomes
// the pair that gives back its ea through Eq. 17, so the FAO-56 family reads the source's
// ea and the methods that read RH themselves (the FAO-24 family, Turc, Blaney-Criddle)
// read RH worked out from that ea and the day's temperatures.
#include "et/Records.h"
#include "sheet/ColumnMap.h"

namespace etp {

// What a day's humidity is read from; the first of these the column boxes name.
enum class HumiditySource { VapourPressure, DewPoint, Extremes, MaximumOnly, Mean, None };

// The first source whose columns the boxes name. None reads the extremes' boxes as they
// stand (a box without a column reads 0).
HumiditySource HumiditySourceOf(const ColumnMap& columns);

// Actual vapour pressure ea [kPa] from the dew point Tdew [°C], FAO-56 Eq. 14.
double VapourPressureFromDewPoint(double Tdew);
// Actual vapour pressure ea [kPa] from RH max [%] alone at T min [°C], FAO-56 Eq. 18.
double VapourPressureFromMaximumHumidity(double Tmin, double RHmax);
// Actual vapour pressure ea [kPa] from the mean RH [%] and the day's extremes [°C], FAO-56 Eq. 19.
double VapourPressureFromMeanHumidity(double Tmin, double Tmax, double RHmean);

// Sets D.RHmax = 100 ea / e0(T min) and D.RHmin = 100 ea / e0(T max) [%], the pair that
// gives back ea [kPa] through Eq. 17. RH max exceeds 100 % on a day whose dew point lies
// above its T min; it is kept, so that Eq. 17 gives back ea.
void SetHumiditiesOfVapourPressure(DailyWeather& D, double ea);

} // namespace etp
