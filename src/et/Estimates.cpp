#include "et/Estimates.h"

#include "base/CheckedMath.h"
#include "base/ToSingle.h"
#include "et/Fao56Terms.h"
#include "et/Humidity.h"
#include "et/SolarGeometry.h"
#include "et/Units.h"
#include "sheet/DecimalText.h"

namespace etp {

Inputs EstimatedInputs(std::string_view cell)
{
    Inputs inputs = 0;
    if (cell.find(kRadiationFromSunshine) != std::string_view::npos ||
        cell.find(kRadiationFromRange) != std::string_view::npos)
        inputs |= kRadiationInput;
    if (cell.find(kVapourPressureFromTmin) != std::string_view::npos) inputs |= kHumidityInputs;
    if (cell.find(kDefaultWind) != std::string_view::npos) inputs |= kWindInput;
    return inputs;
}

std::optional<std::string> CheckEstimateSettings(const EstimateSettings& settings)
{
    const auto outside = [](const char* name, double value, const char* range) {
        return std::string(name) + " must be " + range + ": " + DecimalText(value);
    };
    if (!(settings.angstromA >= 0 && settings.angstromA <= 1)) return outside("Angstrom a", settings.angstromA, "from 0 to 1");
    if (!(settings.angstromB >= 0 && settings.angstromB <= 1)) return outside("Angstrom b", settings.angstromB, "from 0 to 1");
    if (!(settings.angstromA + settings.angstromB <= 1))
        return outside("Angstrom a + b", settings.angstromA + settings.angstromB, "at most 1");
    if (!(settings.krs >= 0.1 && settings.krs <= 0.3)) return outside("kRs", settings.krs, "from 0.1 to 0.3");
    if (!(settings.k0 >= 0 && settings.k0 <= 10)) return outside("K0", settings.k0, "from 0 to 10 °C");
    return std::nullopt;
}

double RadiationFromSunshine(double n, double N, double Ra, const EstimateSettings& settings)
{
    return AngstromRadiation(settings.angstromA, settings.angstromB, n, N, Ra, "the radiation from sunshine");
}

double RadiationFromTemperatureRange(double Tmin, double Tmax, double Ra, const EstimateSettings& settings)
{
    return settings.krs * SquareRoot(Tmax - Tmin, "the radiation from the temperature range") * Ra;
}

Inputs EstimateMissing(DailyWeather& D, const SiteDay& S, const StationTerms& station, Inputs missing,
                       bool sunshineMeasured, const EstimateSettings& settings, std::string& words)
{
    const auto say = [&words](std::string_view what) {
        if (!words.empty()) words += ", ";
        words += what;
    };
    const bool temperatures = (missing & kTemperatureInputs) == 0;
    if ((missing & kRadiationInput) && settings.radiation && (sunshineMeasured || temperatures)) {
        const double Ra = station.ExtraterrestrialRadiation(S); // [MJ m-2 d-1]
        const double Rs = sunshineMeasured ? RadiationFromSunshine(D.Sunshine, DaylightHoursFao56(DayOfYear(S), S.Latitude), Ra, settings)
                                           : RadiationFromTemperatureRange(D.Tmin, D.Tmax, Ra, settings);
        D.Radiation = ToSingleChecked(Rs * MmPerMJ, "the estimated radiation"); // MJ m-2 d-1 -> mm d-1
        missing &= ~kRadiationInput;
        say(sunshineMeasured ? kRadiationFromSunshine : kRadiationFromRange);
    }
    if ((missing & kHumidityInputs) && settings.humidity && temperatures) {
        // The humidities that give back ea through Eq. 17, so every method reads the same air.
        SetHumiditiesOfVapourPressure(D, SaturationVapourPressure(double(D.Tmin) - settings.k0)); // [kPa], Eq. 48
        missing &= ~kHumidityInputs;
        say(kVapourPressureFromTmin);
    }
    if ((missing & kWindInput) && settings.wind) {
        D.Wind = ToSingle(2 * KmPerDayPerMetrePerSecond); // 2 m/s at 2 m, as a daily run [km d-1]
        missing &= ~kWindInput;
        say(kDefaultWind);
    }
    return missing;
}

} // namespace etp
