#pragma once
#include <array>
#include <cstdint>

#include "et/DayTerms.h"
#include "et/MethodOptions.h"
#include "et/Records.h"

namespace etp {

struct HargreavesCoefficients {
    double a = 0.0023;
    double b = 17.8;
    double c = 0.5;
};

// Mean daily temperature range of each calendar month [°C]; index
// (Year - FirstYear) * 12 + Month, 0 = December of the year before FirstYear.
struct MonthlyTemperatureRange {
    static constexpr int kEntries = 1201;
    std::array<float, kEntries> entry{};
    float FirstYear = 0;
};

double Hargreaves(const DayTerms& day, const HargreavesCoefficients& k);                    // "Hargr."
double Turc(const DailyWeather& D, const SiteDay& S, TurcHumidity humidity = TurcHumidity::Below50); // "Turc"
std::int16_t Thornthwaite(const DailyWeather& D, const SiteDay& S);                         // "Thornt.": 992
std::int16_t BlaneyCriddle(const DailyWeather& D, const SiteDay& S);                        // "Bl-Cr": 994
// "P-T extrad": the month's mean temperature range; a month index outside 0..1200 throws.
float PriestleyTaylorExtrad(const DailyWeather& D, const SiteDay& S, const MonthlyTemperatureRange& table);
// "PotRad": Ra [MJ m-2 d-1]; ignores the weather.
double PotentialRadiation(const DayTerms& day);

} // namespace etp
