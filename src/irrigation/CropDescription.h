#pragma once
// The crop and soil description of the crop water balance: a text of `key = value` lines
// (`#` starts a comment), where `crop = NAME` and `soil = NAME` write a built-in set of
// keys at their line and any key written later overrides them.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "irrigation/CropCoefficients.h"
#include "sheet/DateParts.h"

namespace etp {

// Single crop coefficient Kc (FAO-56 chapter 6) or basal Kcb with the evaporation from
// the soil surface Ke (chapter 7).
enum class CoefficientKind { Single, Dual };

struct CropDescription {
    std::string crop, soil;                   // preset names, empty when none was named
    CalendarDate planting;
    StageLengths stages{};                    // l_ini, l_dev, l_mid, l_late [days]
    CoefficientKind kind = CoefficientKind::Single;
    double KcIni = 0, KcMid = 0, KcEnd = 0;   // Kc, or Kcb when kind is Dual [-]
    bool kcAdjust = true;                     // FAO-56 Eq. 62 and 65
    double hMax = 0;                          // crop height [m]; 0 when not needed
    double ZrIni = 0, ZrMax = 0;              // root depth [m]
    double thetaFc = 0, thetaWp = 0, theta0 = 0; // [m3 m-3]
    double p = 0;                             // depletion fraction of FAO-56 Table 22 [-]
    std::optional<double> cn2;                // SCS curve number; none: no runoff
    double REW = 0, Ze = 0, TEW = 0;          // [mm], [m], [mm]; dual only
    double fw = 1;                            // wetted fraction of an irrigation [-]
};

// A description, or the message for its first problem, naming the key and its line.
struct CropDescriptionRead {
    std::optional<CropDescription> description;
    std::string problem;
};

CropDescriptionRead ReadCropDescription(std::string_view text);

// Every key a description may hold, in the order the dialog shows them.
std::span<const std::string_view> CropDescriptionKeys();

} // namespace etp
