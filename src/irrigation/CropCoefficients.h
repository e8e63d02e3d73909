#pragma once
// The formulas of the crop water balance, FAO-56 chapters 6 to 8 (Allen et al. 1998):
// crop coefficients, roots, soil water, stress, evaporation from the surface layer, and
// the SCS curve-number runoff. Each one a pure function of its arguments.
#include <array>

namespace etp {

// The lengths of the four growth stages [days]: initial, development, mid-season, late.
using StageLengths = std::array<int, 4>;

// Days of the whole season [days].
int SeasonLength(const StageLengths& L);

// Crop coefficient on day i of the season (1 = planting day) [-], FAO-56 Eq. 66:
// constant, linear, constant, linear. Also for the basal Kcb.
double StageKc(int i, const StageLengths& L, double KcIni, double KcMid, double KcEnd);

// Root depth on day i of the season [m]: linear from ZrIni on the planting day to ZrMax
// on the first day of the mid-season stage, then constant.
double RootDepth(int i, const StageLengths& L, double ZrIni, double ZrMax);

// Kc mid or Kc end adjusted to the climate [-], FAO-56 Eq. 62 and 65 (and Eq. 70 for
// Kcb), with the mean u2 [m s-1] and RHmin [%] of the stage and the crop height h [m].
double ClimateAdjustedKc(double Kc, double u2, double RHmin, double h);

// The climate term of Eq. 62, [0.04 (u2 - 2) - 0.004 (RHmin - 45)] (h / 3)^0.3 [-], with
// u2 held within 1 to 6 m s-1 and RHmin within 20 to 80 %, the ranges FAO-56 gives it for.
double ClimateTerm(double u2, double RHmin, double h);

// Depletion fraction p adjusted to the day's ETc [mm d-1], FAO-56 Table 22 note:
// p + 0.04 (5 - ETc), held within 0.1 and 0.8.
double AdjustedDepletionFraction(double p, double ETc);

// Total available water of the root zone TAW [mm], FAO-56 Eq. 82; theta in m3 m-3, Zr in m.
double TotalAvailableWater(double thetaFc, double thetaWp, double Zr);

// Total evaporable water of the surface layer TEW [mm], FAO-56 Eq. 73; Ze in m.
double TotalEvaporableWater(double thetaFc, double thetaWp, double Ze);

// Water stress coefficient Ks [-], FAO-56 Eq. 84: 1 while the depletion Dr [mm] is at or
// below RAW [mm], then falling linearly to 0 at TAW [mm].
double WaterStressCoefficient(double Dr, double TAW, double RAW);

// Runoff RO [mm] of a day's rain P [mm] by the SCS curve number CN (USDA-SCS, National
// Engineering Handbook section 4): S = 25400 / CN - 254 [mm], RO = (P - 0.2 S)^2 / (P + 0.8 S)
// when P exceeds the initial abstraction 0.2 S, else 0.
double CurveNumberRunoff(double P, double CN);

// Upper limit of Kc after a wetting Kc max [-], FAO-56 Eq. 72, with the climate term of
// Eq. 62 already worked out.
double MaximumKc(double Kcb, double climateTerm);

// Fraction of the soil covered by the crop fc [-], FAO-56 Eq. 76 (Kc min 0.15), held
// within 0 and 0.99.
double CoverFraction(double Kcb, double KcMax, double h);

// Evaporation reduction coefficient Kr [-], FAO-56 Eq. 74: 1 while the surface layer's
// depletion De [mm] is at or below REW [mm], then falling linearly to 0 at TEW [mm].
double EvaporationReduction(double De, double TEW, double REW);

} // namespace etp
