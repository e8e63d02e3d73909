#include "irrigation/CropPresets.h"

#include <array>

#include "base/Text.h"

namespace etp {

namespace {

// One crop: stage lengths from FAO-56 Table 11 (one region each), Kc from Table 12, Kcb
// from Table 17, the maximum height from Table 12, the maximum root depth (the middle of
// the range) and p from Table 22. Where a table gives a range for a coefficient the
// middle is taken, except Kc mid and Kcb mid, taken at the upper end (full cover under
// irrigation), and the end values of maize, wheat and barley, taken for a crop left to dry
// in the field and harvested by machine (Tables 12 and 17 give maize 0.60 or 0.35, Kcb
// 0.50 or 0.15, and wheat 0.25 to 0.40, Kcb 0.15 to 0.30, the higher values for a crop
// harvested moist or by hand). Annual crops start with roots of 0.15 m (FAO-56 chapter 8:
// 0.15 to 0.20 m); perennials have their full roots from the first day. The rows taken:
// maize "Field (grain)", wheat "Spring", grass "Grazing Pasture, rotated grazing" (no row
// in Table 11: its stages are ours), alfalfa "Hay, averaged cutting effects" with the
// stages of its first cutting cycle, grapes "Table or Raisin", citrus "no ground cover,
// 70 % canopy", olives "40 to 60 % ground cover".
#define ETP_CROP(name, lIni, lDev, lMid, lLate, kcIni, kcMid, kcEnd, kcbIni, kcbMid, kcbEnd, h, zrIni, zrMax, p)  \
    constexpr PresetKey name[] = {                                                                                 \
        {"l_ini", lIni},     {"l_dev", lDev},     {"l_mid", lMid},     {"l_late", lLate}, {"kc_ini", kcIni},      \
        {"kc_mid", kcMid},   {"kc_end", kcEnd},   {"kcb_ini", kcbIni}, {"kcb_mid", kcbMid}, {"kcb_end", kcbEnd},  \
        {"h_max", h},        {"zr_ini", zrIni},   {"zr_max", zrMax},   {"p", p}}

//     name        L ini dev  mid  late  Kc ini mid  end     Kcb ini mid  end     h      Zr ini max     p
ETP_CROP(kMaize,     "30", "40", "50",  "30", "0.30", "1.20", "0.35", "0.15", "1.15", "0.15", "2",    "0.15", "1.35", "0.55");
ETP_CROP(kWheat,     "20", "25", "60",  "30", "0.30", "1.15", "0.25", "0.15", "1.10", "0.15", "1",    "0.15", "1.25", "0.55");
ETP_CROP(kBarley,    "15", "25", "50",  "30", "0.30", "1.15", "0.25", "0.15", "1.10", "0.15", "1",    "0.15", "1.25", "0.55");
ETP_CROP(kPotato,    "25", "30", "45",  "30", "0.50", "1.15", "0.75", "0.15", "1.10", "0.65", "0.6",  "0.15", "0.5",  "0.35");
ETP_CROP(kSugarBeet, "30", "45", "90",  "15", "0.35", "1.20", "0.70", "0.15", "1.15", "0.50", "0.5",  "0.15", "0.95", "0.55");
ETP_CROP(kTomato,    "30", "40", "40",  "25", "0.60", "1.15", "0.80", "0.15", "1.10", "0.70", "0.6",  "0.15", "1.1",  "0.40");
ETP_CROP(kSoybean,   "20", "35", "60",  "25", "0.40", "1.15", "0.50", "0.15", "1.10", "0.30", "0.75", "0.15", "0.95", "0.50");
ETP_CROP(kSunflower, "25", "35", "45",  "25", "0.35", "1.15", "0.35", "0.15", "1.10", "0.25", "2",    "0.15", "1.15", "0.45");
ETP_CROP(kCotton,    "30", "50", "60",  "55", "0.35", "1.20", "0.60", "0.15", "1.15", "0.45", "1.35", "0.15", "1.35", "0.65");
ETP_CROP(kAlfalfa,   "10", "30", "25",  "10", "0.40", "0.95", "0.90", "0.30", "0.90", "0.85", "0.7",  "1.5",  "1.5",  "0.55");
ETP_CROP(kGrass,     "10", "20", "120", "30", "0.40", "1.05", "0.85", "0.30", "1.00", "0.80", "0.3",  "1.0",  "1.0",  "0.60");
ETP_CROP(kGrapes,    "20", "40", "120", "60", "0.30", "0.85", "0.45", "0.15", "0.80", "0.40", "2",    "1.5",  "1.5",  "0.35");
ETP_CROP(kCitrus,    "60", "90", "120", "95", "0.70", "0.65", "0.70", "0.65", "0.60", "0.65", "4",    "1.35", "1.35", "0.50");
ETP_CROP(kOlives,    "30", "90", "60",  "90", "0.65", "0.70", "0.70", "0.55", "0.65", "0.65", "4",    "1.45", "1.45", "0.65");
#undef ETP_CROP

constexpr std::array kCrops = {
    Preset{"maize", kMaize},         Preset{"wheat", kWheat},         Preset{"barley", kBarley},
    Preset{"potato", kPotato},       Preset{"sugar beet", kSugarBeet}, Preset{"tomato", kTomato},
    Preset{"soybean", kSoybean},     Preset{"sunflower", kSunflower}, Preset{"cotton", kCotton},
    Preset{"alfalfa", kAlfalfa},     Preset{"grass", kGrass},         Preset{"grapes", kGrapes},
    Preset{"citrus", kCitrus},       Preset{"olives", kOlives}};

// One texture class of FAO-56 Table 19: the middle of its ranges of theta FC, theta WP
// and REW, and a surface layer of 0.10 m (FAO-56 chapter 7: 0.10 to 0.15 m).
#define ETP_SOIL(name, fc, wp, rew) \
    constexpr PresetKey name[] = {{"theta_fc", fc}, {"theta_wp", wp}, {"rew", rew}, {"ze", "0.10"}}

ETP_SOIL(kSand,          "0.12",  "0.045", "4.5");
ETP_SOIL(kLoamySand,     "0.15",  "0.065", "6");
ETP_SOIL(kSandyLoam,     "0.23",  "0.11",  "8");
ETP_SOIL(kLoam,          "0.25",  "0.12",  "9");
ETP_SOIL(kSiltLoam,      "0.29",  "0.15",  "9.5");
ETP_SOIL(kSilt,          "0.32",  "0.17",  "9.5");
ETP_SOIL(kSiltyClayLoam, "0.335", "0.205", "9.5");
ETP_SOIL(kSiltyClay,     "0.36",  "0.23",  "10");
ETP_SOIL(kClay,          "0.36",  "0.22",  "10");
#undef ETP_SOIL

constexpr std::array kSoils = {
    Preset{"sand", kSand},           Preset{"loamy sand", kLoamySand},          Preset{"sandy loam", kSandyLoam},
    Preset{"loam", kLoam},           Preset{"silt loam", kSiltLoam},            Preset{"silt", kSilt},
    Preset{"silty clay loam", kSiltyClayLoam}, Preset{"silty clay", kSiltyClay}, Preset{"clay", kClay}};

} // namespace

std::span<const Preset> CropPresets() { return kCrops; }
std::span<const Preset> SoilPresets() { return kSoils; }

const Preset* FindPreset(std::span<const Preset> presets, std::string_view name)
{
    const std::string wanted = LowerCase(name);
    for (const Preset& preset : presets)
        if (preset.name == wanted) return &preset;
    return nullptr;
}

} // namespace etp
