#include "et/MethodOptions.h"

#include "sheet/DecimalText.h"
#include "sheet/NumericValue.h"

namespace etp {

std::optional<std::string> ReadPriestleyTaylorAlpha(const std::string& text, double& alpha)
{
    const double value = IsFiniteNumberText(text) ? NumericValue(text) : 0;
    if (!(value >= kMinPriestleyTaylorAlpha && value <= kMaxPriestleyTaylorAlpha))
        return "The Priestley-Taylor alpha is a number from 1 to 2: \"" + text + "\"";
    alpha = value;
    return std::nullopt;
}

std::optional<std::string> ReadPtExtradKrs(const std::string& text, double& krs)
{
    const double value = IsFiniteNumberText(text) ? NumericValue(text) : 0;
    if (!(value >= 0.1 && value <= 0.3))
        return "The kRs of \"P-T extrad\" is a number from 0.1 to 0.3: \"" + text + "\"";
    krs = value;
    return std::nullopt;
}

std::vector<std::string> ChangedOptionLines(const MethodOptions& options)
{
    std::vector<std::string> lines;
    if (options.penMonSoilHeat != kDefaultMethodOptions.penMonSoilHeat)
        lines.emplace_back("PenMon soil heat flux: 0 (FAO-56 for daily steps)");
    if (options.priestleyTaylorAlpha != kDefaultMethodOptions.priestleyTaylorAlpha)
        lines.push_back("P-T alpha: " + DecimalText(options.priestleyTaylorAlpha));
    if (options.ptExtradKrs != kDefaultMethodOptions.ptExtradKrs)
        lines.push_back("P-T extrad kRs: " + DecimalText(options.ptExtradKrs));
    if (options.turcHumidity != kDefaultMethodOptions.turcHumidity)
        lines.emplace_back("Turc humidity correction: off");
    if (options.potentialRadiationUnit != kDefaultMethodOptions.potentialRadiationUnit)
        lines.emplace_back("PotRad unit: mm/day (Ra x 0.408)");
    if (options.asceClearSky != kDefaultMethodOptions.asceClearSky)
        lines.emplace_back("ASCE clear-sky radiation: full (ASCE-EWRI 2005 Appendix D)");
    return lines;
}

} // namespace etp
