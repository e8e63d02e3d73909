#include "et/BlaneyCriddle.h"

#include <algorithm>

#include "base/CheckedMath.h"
#include "et/SolarGeometry.h"
#include "et/Units.h"

namespace etp {

double AnnualDaylightHours(double latitude)
{
    double sum = 0; // [h]
    for (int J = 1; J <= 365; ++J) sum += DaylightHours(J, latitude);
    return sum;
}

double DaytimePercentage(double N, double annualN)
{
    return 100 * N / annualN;
}

// 8.13 rather than FAO-24's 8: the constant of the original formula in °C, which the
// regression below was fitted with.
double BlaneyCriddleFactor(double p, double T)
{
    return p * (0.46 * T + 8.13);
}

double BlaneyCriddleAdjusted(double f, double RHmin, double nN, double Ud)
{
    const double a = 0.0043 * RHmin - nN - 1.41;                                      // [mm d-1]
    const double b = 0.82 - 0.0041 * RHmin + 1.07 * nN + 0.066 * Ud - 0.006 * RHmin * nN // [-]
                   - 0.0006 * RHmin * Ud;
    return a + b * f;
}

bool BlaneyCriddleAdjusts(const ColumnMap& columns)
{
    return (columns.available(ColumnBox::RHmin) || columns.humidityGiven()) && columns.available(ColumnBox::Sunshine) &&
           columns.available(ColumnBox::Wind);
}

double BlaneyCriddle(const DayTerms& day, BlaneyCriddleRun& run)
{
    const DailyWeather& D = day.weather();
    if (!run.annualDaylightHours) run.annualDaylightHours = AnnualDaylightHours(day.site().Latitude);
    const double N = day.DaylightHours();                                  // [h]
    const double p = DaytimePercentage(N, *run.annualDaylightHours);       // [%]
    const double f = BlaneyCriddleFactor(p, MeanTemperature(D));           // [mm d-1]
    // The regression's intercept is negative and f shrinks with the temperature: on cold
    // days (and for f alone below -17.7 °C) both fall under 0, where no reference ET is.
    if (!run.adjusted) return std::max(0.0, f);
    const double nN = Divide(D.Sunshine, N, "Blaney-Criddle");             // [-], not limited to 1
    const double Ud = D.Wind / KmPerDayPerMetrePerSecond;                  // km d-1 -> m s-1, the day's mean as daytime wind
    return std::max(0.0, Finite(BlaneyCriddleAdjusted(f, D.RHmin, nN, Ud), "Blaney-Criddle"));
}

} // namespace etp
