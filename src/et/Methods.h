#pragma once
// The twelve methods in their fixed order: the order of the result columns and of the
// calls within a row.
#include <array>

namespace etp {

inline constexpr int kMethodCount = 12;

enum Method : int {
    MethodPenFao = 0,
    MethodPenFaoNoCorrection,
    MethodPenMon,
    MethodPriestleyTaylor,
    MethodPenFaoRadiation,
    MethodPenFaoSunshine,
    MethodHargreaves,
    MethodTurc,
    MethodThornthwaite,
    MethodPriestleyTaylorExtrad,
    MethodBlaneyCriddle,
    MethodPotentialRadiation,
};

inline constexpr std::array<const char*, kMethodCount> kResultLabels = {
    "PenFAO", "PFAOnocorr", "PenMon", "P-T", "PFAOrad", "PFAOsun",
    "Hargr.", "Turc", "Thornt.", "P-T extrad", "Bl-Cr", "PotRad"};

// Captions of the check boxes: the first six in the combination dialog, the rest in
// the others dialog.
inline constexpr std::array<const char*, kMethodCount> kMethodCaptions = {
    "Penman FAO (n 24)", "Penman FAO no correction", "Penman Monteith grass (FAO 56)",
    "Priestley-Taylor", "Pen-FAO rad only", "Pen-FAO sunsh. only",
    "Hargreaves", "Turc", "Thorntwaite",
    "Priestley-Taylor (with extimated radiation)", "Blaney-Criddle", "Print potential radiation"};

// Method of a result label; -1 when the text is no label.
int MethodOfLabel(const char* label);

// The check boxes of the two method dialogs: what Compute runs, and what the data allow.
struct MethodSelection {
    std::array<bool, kMethodCount> checked{};
    // Only "Print potential radiation" can be ticked before a dialog has checked the columns.
    std::array<bool, kMethodCount> enabled{false, false, false, false, false, false,
                                           false, false, false, false, false, true};
};

} // namespace etp
