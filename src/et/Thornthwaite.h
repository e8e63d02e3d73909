#pragma once
// "Thornt.": Thornthwaite (1948) from the monthly mean temperatures of each calendar
// year of the sheet, spread over the days of the month by their daylight hours.
#include <array>
#include <map>
#include <optional>
#include <string>

#include "et/Records.h"
#include "sheet/MeteoSheet.h"
#include "sheet/ColumnMap.h"
#include "sheet/UnitLists.h"

namespace etp {

// Monthly heat index i [-], Thornthwaite (1948): (T / 5)^1.514, 0 for a month at or below 0 °C.
double MonthlyHeatIndex(double T);
// Exponent a [-] of the annual heat index I, Thornthwaite (1948) Appendix.
double ThornthwaiteExponent(double I);
// Unadjusted PET [mm per 30-day month of 12-hour days], 16 (10 T / I)^a; 0 at or below 0 °C.
double UnadjustedThornthwaite(double T, double I, double a);

// One calendar year of the sheet: its monthly means, heat index and exponent.
struct ThornthwaiteYear {
    std::array<std::optional<double>, 12> T{}; // monthly mean temperature [°C] by month - 1; none without a day
    double I = 0;                              // annual heat index over the months present
    double a = 0;                              // exponent of I
    int months() const;                        // months present
};
using ThornthwaiteYears = std::map<int, ThornthwaiteYear>;

// The years of the sheet, built in one pass before the rows: the monthly mean of the
// daily means (Tmin + Tmax) / 2 over the days with both temperatures. Rows without a
// date are left out; a temperature column whose box holds no column reads 0, as the
// computation reads it.
ThornthwaiteYears BuildThornthwaiteYears(const MeteoSheet& sheet, const ColumnMap& columns,
                                         const UnitSelection& units = {});

// A line per year with fewer than twelve months, for the closing message; empty otherwise.
std::string ThornthwaiteNotes(const ThornthwaiteYears& years);

// "Thornt.": ET [mm d-1] of a day with daylight hours N [h]: its month's unadjusted PET / 30 * N / 12.
double Thornthwaite(const ThornthwaiteYears& years, const SiteDay& S, double N);

} // namespace etp
