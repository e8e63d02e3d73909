#include "et/Humidity.h"

#include "base/ToSingle.h"
#include "et/Fao56Terms.h"

namespace etp {

HumiditySource HumiditySourceOf(const ColumnMap& columns)
{
    const auto has = [&columns](ColumnBox box) { return columns.column(box) != 0; };
    if (has(ColumnBox::Ea)) return HumiditySource::VapourPressure;
    if (has(ColumnBox::Tdew)) return HumiditySource::DewPoint;
    if (has(ColumnBox::RHmax)) return has(ColumnBox::RHmin) ? HumiditySource::Extremes : HumiditySource::MaximumOnly;
    if (has(ColumnBox::RHmean)) return HumiditySource::Mean;
    return HumiditySource::None;
}

double VapourPressureFromDewPoint(double Tdew) { return SaturationVapourPressure(Tdew); }

double VapourPressureFromMaximumHumidity(double Tmin, double RHmax)
{
    return SaturationVapourPressure(Tmin) * RHmax / 100;
}

double VapourPressureFromMeanHumidity(double Tmin, double Tmax, double RHmean)
{
    return RHmean / 100 * (SaturationVapourPressure(Tmax) + SaturationVapourPressure(Tmin)) / 2;
}

void SetHumiditiesOfVapourPressure(DailyWeather& D, double ea)
{
    D.RHmax = ToSingle(100 * ea / SaturationVapourPressure(D.Tmin));
    D.RHmin = ToSingle(100 * ea / SaturationVapourPressure(D.Tmax));
}

} // namespace etp
