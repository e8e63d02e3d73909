#pragma once
// What Compute may estimate of a day that lacks a measurement, on request only, by
// FAO-56 chapter 3: solar radiation from the sunshine hours (Eq. 35) or else from the
// temperature range (Eq. 50), the actual vapour pressure from T min (Eq. 48, dew point
// T min - K0) and a wind speed of 2 m/s. Temperatures are never estimated, and the
// sheet's input cells never change: each day's estimates are written as words into a
// column "Estimated" beside the results.
#include <optional>
#include <string>
#include <string_view>

#include "et/DayTerms.h"
#include "et/Records.h"

namespace etp {

// The weather a method reads, as flags.
using Inputs = unsigned;
inline constexpr Inputs kTemperatureInputs = 1;     // T min and T max
inline constexpr Inputs kMinimumHumidityInput = 2;  // U.R. min
inline constexpr Inputs kRadiationInput = 4;
inline constexpr Inputs kWindInput = 8;
inline constexpr Inputs kSunshineInput = 16;
inline constexpr Inputs kMaximumHumidityInput = 32; // U.R. max
inline constexpr Inputs kHumidityInputs = kMinimumHumidityInput | kMaximumHumidityInput;

struct EstimateSettings {
    bool radiation = false;   // Rs, when its cell is missing
    bool humidity = false;    // ea, when a humidity cell is missing
    bool wind = false;        // wind, when its cell is missing
    double angstromA = 0.25;  // Eq. 35: fraction of Ra reaching the ground on overcast days
    double angstromB = 0.50;  // Eq. 35: added fraction on clear days
    double krs = 0.16;        // Eq. 50: 0.16 inland, 0.19 coastal [°C-0.5]
    double k0 = 0;            // dew point below T min [°C]

    bool any() const { return radiation || humidity || wind; }
};

// The title of the column Compute adds when an estimate is on.
inline constexpr std::string_view kEstimatedLabel = "Estimated";

// The words of a day's "Estimated" cell, joined by ", ".
inline constexpr std::string_view kRadiationFromSunshine = "Rs from sunshine";
inline constexpr std::string_view kRadiationFromRange = "Rs from T range";
inline constexpr std::string_view kVapourPressureFromTmin = "ea from Tmin";
inline constexpr std::string_view kDefaultWind = "wind 2 m/s";

// The inputs an "Estimated" cell says were estimated on its day.
Inputs EstimatedInputs(std::string_view cell);

// The coefficients outside what the equations take: Angstrom a and b from 0 to 1 with
// a + b at most 1, kRs from 0.1 to 0.3, K0 from 0 to 10 °C. The message names the value.
std::optional<std::string> CheckEstimateSettings(const EstimateSettings& settings);

// Rs [MJ m-2 d-1], FAO-56 Eq. 35, from sunshine n and daylight N [h] and Ra [MJ m-2 d-1].
double RadiationFromSunshine(double n, double N, double Ra, const EstimateSettings& settings);
// Rs [MJ m-2 d-1], FAO-56 Eq. 50, from the temperature range [°C] and Ra; a range below
// 0 throws ArithmeticError.
double RadiationFromTemperatureRange(double Tmin, double Tmax, double Ra, const EstimateSettings& settings);

// Fills in what the day lacks (`missing`) as far as the settings allow and the day's
// measurements let: radiation from the sunshine when `sunshineMeasured`, else from the
// temperature range; the humidities that give ea = e0(T min - K0) by Eq. 17; the wind
// of 2 m/s at 2 m. Appends the words of each estimate to `words`, and returns what is
// still missing. The formulas' errors throw ArithmeticError.
Inputs EstimateMissing(DailyWeather& D, const SiteDay& S, const StationTerms& station, Inputs missing,
                       bool sunshineMeasured, const EstimateSettings& settings, std::string& words);

} // namespace etp
