#include "irrigation/CropWaterBalance.h"

#include <algorithm>

namespace etp {

namespace {

// The climate term of Eq. 62 for the mid-season and the late stage [-]; 0 without kc_adjust.
struct StageClimate {
    double mid = 0, late = 0;
};

// Mean RH min and u2 over days first..last of the season (1-based) into the climate term,
// or the message naming the stage when no day has one of them.
std::optional<std::string> StageTerm(std::span<const CropDay> season, int first, int last, double h,
                                     const char* stage, double& term)
{
    double RH = 0, u = 0;
    int RHdays = 0, udays = 0;
    for (int i = first; i <= last; ++i) {
        const CropDay& day = season[std::size_t(i - 1)];
        if (day.RHmin) RH += *day.RHmin, ++RHdays;
        if (day.u2) u += *day.u2, ++udays;
    }
    if (RHdays == 0 || udays == 0)
        return std::string("kc_adjust = yes needs ") + (RHdays == 0 ? "RH min" : "wind") + " on a day of the " + stage +
               " stage, " + DateText(season[std::size_t(first - 1)].date) + " to " +
               DateText(season[std::size_t(last - 1)].date) + "; none has it (or write kc_adjust = no)";
    term = ClimateTerm(u / udays, RH / RHdays, h);
    return std::nullopt;
}

std::optional<std::string> ReadClimate(const CropDescription& crop, std::span<const CropDay> season,
                                       StageClimate& climate)
{
    if (!crop.kcAdjust) return std::nullopt;
    const auto& L = crop.stages;
    const int midStart = L[0] + L[1] + 1, lateStart = midStart + L[2];
    if (auto problem = StageTerm(season, midStart, lateStart - 1, crop.hMax, "mid-season", climate.mid))
        return problem;
    return StageTerm(season, lateStart, SeasonLength(L), crop.hMax, "late season", climate.late);
}

// The balance's state from one day to the next.
struct SoilState {
    double Dr = 0;  // root-zone depletion [mm]
    double De = 0;  // surface-layer depletion [mm], dual only
    double fw = 1;  // fraction wetted by the last wetting [-]
    double Zr = 0;  // [m]
};

// The day's irrigation, given and automatic, into d.irrigation and d.gross.
void Irrigate(const IrrigationPlan& plan, const GivenIrrigation* given, double Dr, CropBalanceDay& d)
{
    const double efficiency = plan.efficiency / 100; // [-]
    if (given) {
        d.gross = given->depth;
        d.irrigation = given->depth * efficiency;
    }
    const double DrMorning = Dr - d.irrigation; // [mm]
    const double trigger = plan.trigger == IrrigationTrigger::Raw ? d.RAW : plan.fraction * d.TAW; // [mm]
    if (plan.trigger == IrrigationTrigger::None || DrMorning < trigger || DrMorning <= 0) return;
    const double net = plan.depth ? *plan.depth : DrMorning; // [mm]
    d.irrigation += net;
    d.gross += net / efficiency;
}

// E and T [mm] with the dual coefficient, FAO-56 Eq. 69 to 77; updates De and fw.
void Evaporate(const CropDescription& crop, double climateTerm, double fwIrrigation, SoilState& s,
               CropBalanceDay& d)
{
    const double P = d.rain - d.runoff; // [mm]
    if (P > 0) s.fw = 1;                // rain wets the whole surface
    else if (d.irrigation > 0) s.fw = fwIrrigation;
    const double DeMorning = std::max(0.0, s.De - d.irrigation / s.fw); // [mm] after the irrigation
    const double KcMax = MaximumKc(d.Kc, climateTerm);                    // [-]
    const double fc = CoverFraction(d.Kc, KcMax, crop.hMax);              // [-]
    const double few = std::clamp(std::min(1 - fc, s.fw), 0.01, 1.0);     // Eq. 75 [-]
    const double Kr = EvaporationReduction(DeMorning, crop.TEW, crop.REW); // [-]
    d.Ke = std::min(Kr * (KcMax - d.Kc), few * KcMax);                    // Eq. 71
    d.E = d.Ke * d.ETref;
    d.T = d.Ks * d.Kc * d.ETref;
    d.ETc = (d.Kc + d.Ke) * d.ETref;
    d.ETa = d.E + d.T;
    s.De = std::min(crop.TEW, std::max(0.0, DeMorning - P) + d.E / few); // Eq. 77, water above FC drains
}

// Dr at the end of the day, FAO-56 Eq. 85, with ETa held to the water left and the water
// above field capacity as DP (Eq. 88).
void CloseDay(SoilState& s, double DrMorning, CropBalanceDay& d)
{
    double Dr = DrMorning - (d.rain - d.runoff) + d.ETa; // [mm]
    if (Dr > d.TAW) {
        const double excess = Dr - d.TAW; // the crop cannot take more than there is
        const double fromT = std::min(excess, d.T);
        d.T -= fromT;
        d.E -= excess - fromT;
        d.ETa -= excess;
        Dr = d.TAW;
    }
    d.DP = std::max(0.0, -Dr);
    s.Dr = d.Dr = std::max(0.0, Dr);
}

const GivenIrrigation* GivenOn(const IrrigationPlan& plan, const CalendarDate& date)
{
    for (const GivenIrrigation& given : plan.given)
        if (DaysBetween(given.date, date) == 0) return &given;
    return nullptr;
}

} // namespace

CropBalance RunCropWaterBalance(const CropDescription& crop, std::span<const CropDay> season,
                                const IrrigationPlan& plan)
{
    CropBalance balance;
    balance.kind = crop.kind;
    StageClimate climate;
    if (auto problem = ReadClimate(crop, season, climate)) return {Outcome::Refused(*problem), crop.kind, 0, 0, 0, {}};
    const bool dual = crop.kind == CoefficientKind::Dual;
    // Eq. 65: Kc end is adjusted only when it exceeds 0.45.
    balance.KcMid = crop.KcMid + climate.mid;
    balance.KcEnd = crop.KcEnd > 0.45 ? crop.KcEnd + climate.late : crop.KcEnd;
    const auto& L = crop.stages;
    const int midEnd = L[0] + L[1] + L[2];

    SoilState s;
    s.Zr = crop.ZrIni;
    s.Dr = balance.DrStart = 1000 * (crop.thetaFc - crop.theta0) * crop.ZrIni; // [mm]
    s.De = std::min(crop.TEW, 1000 * (crop.thetaFc - crop.theta0) * crop.Ze);   // [mm]
    for (int i = 1; i <= int(season.size()); ++i) {
        const CropDay& day = season[std::size_t(i - 1)];
        CropBalanceDay d{day.row, day.dateText, day.ETref};
        d.rain = day.rain;
        d.Zr = RootDepth(i, L, crop.ZrIni, crop.ZrMax);
        d.rootGrowth = 1000 * (crop.thetaFc - crop.theta0) * (d.Zr - s.Zr); // [mm]
        s.Zr = d.Zr;
        const double Dr = s.Dr + d.rootGrowth; // [mm] at the start of the day
        d.TAW = TotalAvailableWater(crop.thetaFc, crop.thetaWp, d.Zr);
        d.Kc = StageKc(i, L, crop.KcIni, balance.KcMid, balance.KcEnd);
        // With Kcb the crop's own demand sets p, so that the day's wetting does not move RAW.
        d.RAW = AdjustedDepletionFraction(crop.p, d.Kc * d.ETref) * d.TAW;
        const GivenIrrigation* given = GivenOn(plan, day.date);
        Irrigate(plan, given, Dr, d);
        const double DrMorning = Dr - d.irrigation; // [mm], below 0 when more than the deficit was given
        d.Ks = WaterStressCoefficient(std::max(0.0, DrMorning), d.TAW, d.RAW);
        if (crop.cn2) d.runoff = CurveNumberRunoff(d.rain, *crop.cn2);
        if (dual) {
            Evaporate(crop, i <= midEnd ? climate.mid : climate.late, given && given->fw ? *given->fw : crop.fw, s, d);
        } else {
            d.ETc = d.Kc * d.ETref;
            d.ETa = d.Ks * d.ETc;
        }
        CloseDay(s, DrMorning, d);
        balance.days.push_back(std::move(d));
    }
    return balance;
}

} // namespace etp
