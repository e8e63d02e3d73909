#include "et/Estimates.h"

#include "base/CheckedMath.h"
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
    return (settings.angstromA + settings.angstromB * Divide(n, N, "the radiation from sunshine")) * Ra;
}

double RadiationFromTemperatureRange(double Tmin, double Tmax, double Ra, const EstimateSettings& settings)
{
    return settings.krs * SquareRoot(Tmax - Tmin, "the radiation from the temperature range") * Ra;
}

} // namespace etp
