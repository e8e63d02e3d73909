#include "irrigation/CropCoefficients.h"

#include <gtest/gtest.h>

namespace etp {

// The maize of the built-in list: stages 30, 40, 50 and 30 days, Kc 0.30, 1.20, 0.35.
// Eq. 66 by hand: day 31 = 0.30 + 1/40 (1.20 - 0.30) = 0.3225; day 50 = 0.30 + 20/40 0.90
// = 0.75; day 135 = 1.20 + 15/30 (0.35 - 1.20) = 0.775; the last day of each stage ends
// on the next stage's value.
TEST(StageKc, MaizeOnGivenDays)
{
    const StageLengths L{30, 40, 50, 30};
    const std::pair<int, double> cases[] = {{1, 0.30},   {30, 0.30},   {31, 0.3225}, {50, 0.75}, {70, 1.20},
                                            {71, 1.20},  {120, 1.20},  {135, 0.775}, {150, 0.35}};
    for (const auto& [day, Kc] : cases) EXPECT_NEAR(StageKc(day, L, 0.30, 1.20, 0.35), Kc, 1e-12) << "day " << day;
    EXPECT_EQ(SeasonLength(L), 150);
}

// Roots from 0.15 m on the planting day to 1.35 m on day 71, the first of the mid-season
// stage: 1.20 m over 70 days. Day 15: 0.15 + 14/70 1.20 = 0.39; day 36: 0.15 + 35/70 1.20 = 0.75.
TEST(RootDepth, GrowsLinearlyToTheMidSeason)
{
    const StageLengths L{30, 40, 50, 30};
    const std::pair<int, double> cases[] = {{1, 0.15}, {15, 0.39}, {36, 0.75}, {70, 1.3328571428571}, {71, 1.35},
                                            {150, 1.35}};
    for (const auto& [day, Zr] : cases) EXPECT_NEAR(RootDepth(day, L, 0.15, 1.35), Zr, 1e-12) << "day " << day;
}

// Eq. 62 by hand, u2 3 m/s, RHmin 30 %, h 2 m: (0.04 x 1 + 0.004 x 15) (2/3)^0.3
// = 0.1 x 0.8854677 = 0.08854677, where (2/3)^0.3 = exp(-0.3 x 0.4054651) = exp(-x),
// x = 0.1216395: 1 - x + x^2/2 - x^3/6 + x^4/24 = 0.8854677. Beyond the equation's
// ranges u2 counts as 6 and RHmin as 20: (0.04 x 4 + 0.004 x 25) (3/3)^0.3 = 0.26.
TEST(ClimateAdjustedKc, Equation62ByHand)
{
    EXPECT_NEAR(ClimateAdjustedKc(1.20, 3, 30, 2), 1.2885468, 1e-7);
    EXPECT_NEAR(ClimateTerm(8, 10, 3), 0.26, 1e-12);
    EXPECT_NEAR(ClimateTerm(2, 45, 2), 0, 1e-15); // the standard climate needs no adjustment
    EXPECT_LT(ClimateTerm(1, 80, 2), 0);          // humid and calm lowers Kc
}

// p + 0.04 (5 - ETc) within 0.1 and 0.8 (FAO-56 Table 22).
TEST(AdjustedDepletionFraction, FollowsEtcWithinItsLimits)
{
    const std::tuple<double, double, double> cases[] = {
        {0.55, 7, 0.47}, {0.55, 2, 0.67}, {0.55, 5, 0.55}, {0.70, 0, 0.80}, {0.10, 10, 0.10}};
    for (const auto& [p, ETc, expected] : cases) EXPECT_NEAR(AdjustedDepletionFraction(p, ETc), expected, 1e-12);
}

// TAW = 1000 (0.23 - 0.11) 1.0 = 120 mm; TEW = 1000 (0.23 - 0.5 x 0.11) 0.10 = 17.5 mm.
TEST(TotalAvailableWater, ByHand)
{
    EXPECT_NEAR(TotalAvailableWater(0.23, 0.11, 1.0), 120, 1e-9);
    EXPECT_NEAR(TotalEvaporableWater(0.23, 0.11, 0.10), 17.5, 1e-9);
}

// TAW 120, RAW 60: Ks 1 up to 60 mm, (120 - 90) / 60 = 0.5 at 90, 0 at and beyond TAW.
TEST(WaterStressCoefficient, LinearFromRawToTaw)
{
    const std::pair<double, double> cases[] = {{0, 1}, {60, 1}, {90, 0.5}, {105, 0.25}, {120, 0}, {130, 0}};
    for (const auto& [Dr, Ks] : cases) EXPECT_NEAR(WaterStressCoefficient(Dr, 120, 60), Ks, 1e-12) << Dr;
}

// CN 80: S = 25400 / 80 - 254 = 63.5 mm, Ia = 12.7 mm; 50 mm of rain give
// 37.3^2 / (50 + 50.8) = 1391.29 / 100.8 = 13.80248 mm; 12 mm give none; CN 100 all.
TEST(CurveNumberRunoff, ScsByHand)
{
    EXPECT_NEAR(CurveNumberRunoff(50, 80), 13.80248, 1e-5);
    EXPECT_EQ(CurveNumberRunoff(12, 80), 0);
    EXPECT_NEAR(CurveNumberRunoff(17.3, 100), 17.3, 1e-12);
}

// Kc max = max(1.2 + climate, Kcb + 0.05); fc = ((Kcb - 0.15) / (Kc max - 0.15))^(1 + h/2):
// Kcb 0.675 under Kc max 1.2 with h 2 m gives 0.5^2 = 0.25. Kr 1 down to REW, then
// (TEW - De) / (TEW - REW): (18 - 13) / 10 = 0.5.
TEST(DualCoefficient, KcMaxCoverAndKrByHand)
{
    EXPECT_NEAR(MaximumKc(1.15, 0), 1.2, 1e-12);
    EXPECT_NEAR(MaximumKc(1.20, 0), 1.25, 1e-12);
    EXPECT_NEAR(MaximumKc(1.15, 0.1), 1.3, 1e-12);
    EXPECT_NEAR(CoverFraction(0.675, 1.2, 2), 0.25, 1e-12);
    EXPECT_EQ(CoverFraction(0.15, 1.2, 2), 0);
    EXPECT_EQ(CoverFraction(1.25, 1.2, 2), 0.99); // held below full cover
    EXPECT_EQ(EvaporationReduction(5, 18, 8), 1);
    EXPECT_NEAR(EvaporationReduction(13, 18, 8), 0.5, 1e-12);
    EXPECT_EQ(EvaporationReduction(20, 18, 8), 0);
}

} // namespace etp
