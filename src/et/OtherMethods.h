#pragma once
#include <array>

#include "et/DayTerms.h"
#include "et/MethodOptions.h"
#include "et/Records.h"

namespace etp {

struct HargreavesCoefficients {
    double a = 0.0023;
    double b = 17.8;
    double c = 0.5;
};

// Mean daily temperature range of each calendar month [°C], the range "P-T extrad" reads; index
// (Year - FirstYear) * 12 + Month, 0 = December of the year before FirstYear.
struct MonthlyTemperatureRange {
    static constexpr int kEntries = 1201;
    std::array<float, kEntries> entry{};
    float FirstYear = 0;
};

double Hargreaves(const DayTerms& day, const HargreavesCoefficients& k);                    // "Hargr.", 0 where T + b <= 0
double Turc(const DailyWeather& D, const SiteDay& S, TurcHumidity humidity = TurcHumidity::Below50); // "Turc", 0 where T <= 0
// "PotRad": Ra [MJ m-2 d-1]; ignores the weather.
double PotentialRadiation(const DayTerms& day);

} // namespace etp
