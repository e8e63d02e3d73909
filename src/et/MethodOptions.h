#pragma once
// The choices of the Option menu that change how a method computes its day. The
// defaults are the formulas as they always were; a changed choice is named in the
// summary so a table says how its columns were made.
#include <optional>
#include <string>
#include <vector>

namespace etp {

// PenMon's soil heat flux G.
enum class SoilHeatFlux {
    PreviousDayMean, // 0.38 (T - T of the row before), FAO-56 Eq. 41 over one day
    Zero,            // G = 0, FAO-56 Eq. 42 for daily steps
};

// Turc's humidity correction.
enum class TurcHumidity {
    Below50, // Turc (1961): x (1 + (50 - RHmean) / 70) when RHmean <= 50 and both humidities are non-zero
    Off,     // the humid-climate formula on every day
};

// The unit of "PotRad".
enum class PotentialRadiationUnit {
    MegajoulesPerSquareMetreDay, // Ra [MJ m-2 d-1]
    MillimetresPerDay,           // its evaporation equivalent, Ra x 0.408 [mm d-1]
};

// The clear-sky radiation Rso of the ASCE standardized references.
enum class AsceClearSky {
    Simple, // (0.75 + 2e-5 z) Ra, ASCE-EWRI (2005) Eq. 19
    Full,   // (KB + KD) Ra from pressure, precipitable water and sun angle, ASCE-EWRI (2005) Appendix D
};

// Priestley and Taylor's (1972) alpha for a wet surface [-].
inline constexpr double kPriestleyTaylorAlpha = 1.26;

struct MethodOptions {
    SoilHeatFlux penMonSoilHeat = SoilHeatFlux::PreviousDayMean;
    double priestleyTaylorAlpha = kPriestleyTaylorAlpha; // [-], of "P-T" alone
    TurcHumidity turcHumidity = TurcHumidity::Below50;
    PotentialRadiationUnit potentialRadiationUnit = PotentialRadiationUnit::MegajoulesPerSquareMetreDay;
    // "P-T extrad": kRs of its radiation from the month's temperature range [°C-0.5],
    // FAO-56 Eq. 50: 0.16 inland, 0.19 on the coast.
    double ptExtradKrs = 0.16;
    AsceClearSky asceClearSky = AsceClearSky::Simple;
};

inline constexpr MethodOptions kDefaultMethodOptions{};

// The smallest and largest Priestley-Taylor alpha taken.
inline constexpr double kMinPriestleyTaylorAlpha = 1;
inline constexpr double kMaxPriestleyTaylorAlpha = 2;

// The refusal of an alpha text that is no number from 1 to 2; the number otherwise.
std::optional<std::string> ReadPriestleyTaylorAlpha(const std::string& text, double& alpha);
// The refusal of a kRs text for "P-T extrad" that is no number from 0.1 to 0.3; the number otherwise.
std::optional<std::string> ReadPtExtradKrs(const std::string& text, double& krs);

// One line per choice that differs from its default ("P-T alpha: 1.3"), in menu order.
std::vector<std::string> ChangedOptionLines(const MethodOptions& options);

} // namespace etp
