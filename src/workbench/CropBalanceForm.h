#pragma once
// What the "Crop water balance" dialog shows, held as text for the whole run: the crop and
// soil chosen among the built-in ones, the box of each key of a crop description, the
// irrigation choice with its boxes, and the balance of the last Run.
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "irrigation/CropWaterBalance.h"

namespace etp {

// No irrigation, the waterings of a file, or automatic ones at RAW or at a fraction of TAW.
enum class CropIrrigationChoice { None, Given, Raw, FractionOfTaw };

struct CropBalanceForm {
    // Maize on a sandy loam with their built-in values, the single coefficient, the climate
    // adjustment on, no planting day yet.
    CropBalanceForm();

    std::string crop, soil;                                // built-in names
    std::string etLabel;                                   // of kEtLabels; empty: the rightmost of "ASCE short" and "PenMon"
    std::map<std::string, std::string, std::less<>> keys;  // each box's text, by key
    CropIrrigationChoice irrigation = CropIrrigationChoice::None;
    std::string irrigationFile;                            // for Given
    std::string fraction = "0.5";                          // of TAW, for FractionOfTaw
    std::string depth;                                     // net mm; empty: back to field capacity
    std::string efficiency = "100";                        // [%]
    std::optional<CropBalance> balance;                    // the last Run's; none after a refusal
    bool addedToRain = false;                              // its irrigation is in the rain column
};

// The keys that have a box: every key of a description but crop and soil, in the order of
// CropDescriptionKeys.
std::span<const std::string_view> CropBoxKeys();

// Chooses a built-in crop or soil: its name and its values written into the boxes of its
// keys; the other boxes keep their texts. False, nothing changed, for an unknown name.
bool ChooseCropPreset(CropBalanceForm& form, std::string_view name);
bool ChooseSoilPreset(CropBalanceForm& form, std::string_view name);

} // namespace etp
