#pragma once
// The crop water balance as a command: Irrigation > "Crop water balance..." and etp's
// --crop. The texts are checked when it runs; every refusal is told to the person,
// naming the key, the line, the date or the field.
#include <optional>
#include <string>

#include "base/UserInterface.h"
#include "irrigation/CropWaterBalance.h"
#include "workbench/CropBalanceForm.h"
#include "workbench/Workbench.h"

namespace etp {

// What the person wrote or chose, as text.
struct CropBalanceTexts {
    std::string description;        // key = value lines
    std::string irrigations;        // date<TAB>depth[<TAB>fw] lines; empty: none given
    std::string etLabel;            // one of kEtLabels; empty: the rightmost of "ASCE short" and "PenMon"
    std::string trigger;            // empty: no automatic irrigation; "raw", or a fraction of TAW
    std::string depth;              // net mm of an automatic irrigation; empty: back to field capacity
    std::string efficiency = "100"; // [%]
};

// What the messages call each text: a file name, an option or a box.
struct CropBalanceNames {
    std::string description = "Crop description";
    std::string irrigations = "Irrigations";
    std::string trigger = "Irrigate at";
    std::string depth = "Depth (mm)";
    std::string efficiency = "Efficiency (%)";
};

// The message for the first of trigger, depth and efficiency out of range, naming it.
std::optional<std::string> CropIrrigationTextProblem(const CropBalanceTexts& texts, const CropBalanceNames& names);

// Runs the balance over the current sheet: the ET column of the label, the rain column,
// RH min and wind of the column boxes for the climate adjustment. None after a message.
std::optional<CropBalance> RunCropBalance(const Workbench& workbench, const CropBalanceTexts& texts,
                                          const CropBalanceNames& names, UserInterface& ui);

// Writes the daily table and the summary, each when its path is not empty, each file
// replaced only when complete. False after a message.
bool WriteCropBalanceFiles(UserInterface& ui, const CropBalance& balance, const std::string& tablePath,
                           const std::string& summaryPath);

// Asks for both names (the daily table first) and writes them; false when cancelled
// or after a message.
bool SaveCropBalanceFiles(const Workbench& workbench, const CropBalance& balance, UserInterface& ui);

// Adds each day's applied (gross) irrigation, to 0.01 mm, to the day's rain, kept in
// workbench.cropApplications. False, nothing changed, when the sheet has no rain column.
bool AddCropIrrigationToRain(Workbench& workbench, const CropBalance& balance, UserInterface& ui);

// Run of the dialog: the boxes of workbench.cropBalance checked, each refusal naming its
// box, then RunCropBalance; the balance is kept in workbench.cropBalance.balance, which a
// refusal leaves empty. False after a message.
bool RunCropBalanceForm(Workbench& workbench, UserInterface& ui);

} // namespace etp
