#pragma once
// The daily root-zone water balance of a crop, FAO-56 Eq. 85 to 88 (chapter 8), with the
// single crop coefficient of chapter 6 or the dual one of chapter 7, and the irrigations
// given in a file and/or found automatically.
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/Outcome.h"
#include "irrigation/CropDescription.h"
#include "irrigation/CropSeries.h"

namespace etp {

// When the automatic irrigation waters: never, when the depletion at the start of a day
// reaches RAW, or when it reaches a fraction of TAW.
enum class IrrigationTrigger { None, Raw, FractionOfTaw };

struct IrrigationPlan {
    std::vector<GivenIrrigation> given;  // applied (gross) depths
    IrrigationTrigger trigger = IrrigationTrigger::None;
    double fraction = 0;                 // of TAW, for FractionOfTaw
    std::optional<double> depth;         // net depth of an automatic irrigation [mm]; none: back to field capacity
    double efficiency = 100;             // application efficiency [%]: net = gross x efficiency / 100
};

// One day of the balance. Irrigation reaches the soil at the start of the day, before the
// crop draws water; the rain counts over the day.
struct CropBalanceDay {
    int row = 0;
    std::string date;       // the date cell as written
    double ETref = 0;       // [mm]
    double Kc = 0;          // Kc, or Kcb with the dual coefficient [-]
    double Ke = 0;          // dual only [-]
    double ETc = 0;         // [mm]
    double Ks = 1;          // [-]
    double ETa = 0;         // [mm]
    double E = 0, T = 0;    // soil evaporation and transpiration, dual only [mm]
    double rain = 0;        // [mm]
    double runoff = 0;      // [mm]
    double irrigation = 0;  // net, what enters the soil [mm]
    double gross = 0;       // applied [mm]
    double DP = 0;          // deep percolation [mm]
    double Zr = 0;          // [m]
    double TAW = 0, RAW = 0; // [mm]
    double Dr = 0;          // depletion at the end of the day [mm]
    double rootGrowth = 0;  // depletion the roots met growing into soil at theta_0 [mm]
};

struct CropBalance {
    Outcome outcome;
    CoefficientKind kind = CoefficientKind::Single;
    double DrStart = 0;           // depletion at planting [mm]
    double KcMid = 0, KcEnd = 0;  // as used, after the climate adjustment [-]
    std::vector<CropBalanceDay> days;
};

// The balance over the season's days (from planting, one a day). Refused when kc_adjust
// is on and a stage has no RH min or no wind.
CropBalance RunCropWaterBalance(const CropDescription& crop, std::span<const CropDay> season,
                                const IrrigationPlan& plan);

// The seasonal totals [mm] and the days with Ks below 1.
struct CropSummary {
    double ETref = 0, ETc = 0, ETa = 0, E = 0, T = 0, rain = 0, runoff = 0, irrigation = 0, DP = 0;
    double DrStart = 0, DrEnd = 0;
    int stressDays = 0;
};
CropSummary SummarizeCropBalance(const CropBalance& balance);

// The daily table, TAB-separated with a title line: date, ETref, Kc (or Kcb and Ke), ETc,
// Ks, ETa, E and T (dual only), rain, runoff, irrigation, DP, Zr, TAW, RAW, Dr.
std::string CropDailyTable(const CropBalance& balance);
// One line each, NAME<TAB>value: mm with two decimals, the stress days as a count.
std::string CropSummaryText(const CropBalance& balance);

} // namespace etp
