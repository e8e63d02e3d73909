#include "irrigation/CropCoefficients.h"

#include <algorithm>
#include <cmath>

namespace etp {

int SeasonLength(const StageLengths& L) { return L[0] + L[1] + L[2] + L[3]; }

// Crop coefficient on day i of the season [-], FAO-56 Eq. 66.
double StageKc(int i, const StageLengths& L, double KcIni, double KcMid, double KcEnd)
{
    const int devEnd = L[0] + L[1];  // last day of the development stage
    const int midEnd = devEnd + L[2]; // last day of the mid-season stage
    if (i <= L[0]) return KcIni;
    if (i <= devEnd) return KcIni + double(i - L[0]) / L[1] * (KcMid - KcIni);
    if (i <= midEnd) return KcMid;
    return KcMid + double(std::min(i, midEnd + L[3]) - midEnd) / L[3] * (KcEnd - KcMid);
}

// Root depth on day i [m], linear to the start of the mid-season stage.
double RootDepth(int i, const StageLengths& L, double ZrIni, double ZrMax)
{
    const int growthDays = L[0] + L[1]; // from day 1 to day L_ini + L_dev + 1
    if (i > growthDays) return ZrMax;
    return ZrIni + double(i - 1) / growthDays * (ZrMax - ZrIni);
}

// Climate term of FAO-56 Eq. 62 [-].
double ClimateTerm(double u2, double RHmin, double h)
{
    const double u = std::clamp(u2, 1.0, 6.0);      // [m s-1]
    const double RH = std::clamp(RHmin, 20.0, 80.0); // [%]
    return (0.04 * (u - 2) - 0.004 * (RH - 45)) * std::pow(h / 3, 0.3);
}

// Kc mid or end adjusted to the climate [-], FAO-56 Eq. 62 and 65.
double ClimateAdjustedKc(double Kc, double u2, double RHmin, double h) { return Kc + ClimateTerm(u2, RHmin, h); }

// Depletion fraction adjusted to ETc [-], FAO-56 Table 22.
double AdjustedDepletionFraction(double p, double ETc) { return std::clamp(p + 0.04 * (5 - ETc), 0.1, 0.8); }

// TAW [mm], FAO-56 Eq. 82.
double TotalAvailableWater(double thetaFc, double thetaWp, double Zr) { return 1000 * (thetaFc - thetaWp) * Zr; }

// TEW [mm], FAO-56 Eq. 73.
double TotalEvaporableWater(double thetaFc, double thetaWp, double Ze)
{
    return 1000 * (thetaFc - 0.5 * thetaWp) * Ze;
}

// Ks [-], FAO-56 Eq. 84.
double WaterStressCoefficient(double Dr, double TAW, double RAW)
{
    if (Dr <= RAW) return 1;
    return std::clamp((TAW - Dr) / (TAW - RAW), 0.0, 1.0); // TAW - RAW = (1 - p) TAW > 0
}

// Runoff [mm] by the SCS curve number.
double CurveNumberRunoff(double P, double CN)
{
    const double S = 25400 / CN - 254; // potential retention [mm]
    const double Ia = 0.2 * S;         // initial abstraction [mm]
    if (P <= Ia) return 0;
    return (P - Ia) * (P - Ia) / (P + 0.8 * S);
}

// Kc max [-], FAO-56 Eq. 72.
double MaximumKc(double Kcb, double climateTerm) { return std::max(1.2 + climateTerm, Kcb + 0.05); }

// fc [-], FAO-56 Eq. 76.
double CoverFraction(double Kcb, double KcMax, double h)
{
    constexpr double KcMin = 0.15; // bare soil, FAO-56 chapter 7
    // Kc max is at least 1.2 - 0.26 (u2 1, RHmin 80, h 10), well above Kc min.
    const double ratio = std::max(0.0, Kcb - KcMin) / (KcMax - KcMin);
    return std::min(0.99, std::pow(ratio, 1 + 0.5 * h));
}

// Kr [-], FAO-56 Eq. 74.
double EvaporationReduction(double De, double TEW, double REW)
{
    if (De <= REW) return 1;
    return std::clamp((TEW - De) / (TEW - REW), 0.0, 1.0);
}

} // namespace etp
