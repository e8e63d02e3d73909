#pragma once
// The fourteen methods in their fixed order: the order of the result columns and of the
// calls within a row. What each one is (label, caption, dialog, function) is its row
// of kMethods (et/MethodTable.h).
#include "base/EnumArray.h"

namespace etp {

enum class Method {
    PenFao,
    PenFaoNoCorrection,
    PenMon,
    PriestleyTaylor,
    PenFaoRadiation,
    PenFaoSunshine,
    Hargreaves,
    Turc,
    Thornthwaite,
    PriestleyTaylorExtrad,
    BlaneyCriddle,
    PotentialRadiation,
    AsceShort,
    AsceTall,
};

inline constexpr int kMethodCount = 14;

// One value per method, indexed by Method; Index(method) is its position in kMethods.
template <typename T>
using PerMethod = EnumArray<Method, T, kMethodCount>;

// The three dialogs that hold the check boxes.
enum class MethodDialog { Combination, Others, Standard };

// The check boxes of the three method dialogs: what Compute runs, and what the data allow.
struct MethodSelection {
    PerMethod<bool> checked{};
    // Only "Print potential radiation" can be ticked before a dialog has checked the columns.
    PerMethod<bool> enabled = [] {
        PerMethod<bool> flags{};
        flags[Method::PotentialRadiation] = true;
        return flags;
    }();
};

} // namespace etp
