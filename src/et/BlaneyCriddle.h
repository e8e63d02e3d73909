#pragma once
// "Bl-Cr": Blaney-Criddle as FAO-24 adjusts it (Doorenbos and Pruitt 1977), with the
// regression of Frevert et al. (1983) in place of FAO-24's chart.
#include <optional>

#include "et/DayTerms.h"
#include "sheet/ColumnMap.h"

namespace etp {

// Sum of the daylight hours N over the 365-day year at a latitude [h].
double AnnualDaylightHours(double latitude);
// Mean daily percentage of annual daytime hours p [%], FAO-24: 100 N / (sum of N over the year).
double DaytimePercentage(double N, double annualN);
// Blaney-Criddle factor f [mm d-1], p (0.46 T + 8.13), T the mean temperature [°C].
double BlaneyCriddleFactor(double p, double T);
// ET0 [mm d-1] = a + b f, the FAO-24 adjustment by RHmin [%], n/N [-] and daytime wind Ud [m s-1].
double BlaneyCriddleAdjusted(double f, double RHmin, double nN, double Ud);

// What Bl-Cr keeps for a run: which form it computes, and the station's annual daylight
// hours once they are known.
struct BlaneyCriddleRun {
    bool adjusted = false;
    std::optional<double> annualDaylightHours; // [h]
};

// The adjustment needs a minimum humidity, sunshine and wind column.
bool BlaneyCriddleAdjusts(const ColumnMap& columns);

// "Bl-Cr": ET0 [mm d-1] of the day, adjusted or plain (f) as the run says.
double BlaneyCriddle(const DayTerms& day, BlaneyCriddleRun& run);

} // namespace etp
