#pragma once
// The commands that set what Compute reads beside the sheet, as functions over the
// workbench: "Try auto finding" (the column boxes and units), the Station menu, and the
// Option menu's Hargreaves coefficients and missing-data estimates. The other menus'
// commands have files of their own: FileCommands, MethodCommands, ModelFileCommands,
// IrrigationCommands, CropBalanceCommands, ToolsCommands.
#include <array>
#include <optional>
#include <string>

#include "base/UserInterface.h"
#include "models/MethodChoice.h"
#include "workbench/Workbench.h"

namespace etp {

// "Try auto finding".
void TryAutoFinding(Workbench& workbench, UserInterface& ui);

// "OK" of the station dialog: checks the three boxes (CheckStation), the station is then
// set, and shows them in the status panels; otherwise says what is wrong and answers the box to correct (the dialog
// stays).
std::optional<StationBox> ApplyStation(Workbench& workbench, UserInterface& ui);
// The station in panels 2 to 4; a station not set yet in panel 2 alone.
void ShowStationInStatusBar(Workbench& workbench);
inline constexpr const char* kStationNotSet = "Station: not set (menu Station)";
// A number as the status panels write it: "." as decimal mark, a leading blank when
// not negative ("45.5" -> " 45.5", "-33" -> "-33").
std::string NumberText(double value);

// The Hargreaves dialog's boxes, in order: a, b and c.
enum class HargreavesBox { A, B, C };
using HargreavesTexts = std::array<std::string, 3>;

// The three texts as coefficients, or none after a message naming the first box that is
// not a number or lies outside what the formula is meant for (a from 0.0001 to 0.01, b
// from 0 to 40, c from 0.1 to 1); `wrong` is then that box.
std::optional<HargreavesCoefficients> ReadHargreaves(const HargreavesTexts& texts, HargreavesBox& wrong,
                                                     UserInterface& ui);
// "OK" of the Hargreaves dialog: the three texts become a, b and c; otherwise the message
// and the box to correct (coefficients unchanged, the dialog stays).
std::optional<HargreavesBox> ApplyHargreaves(Workbench& workbench, const HargreavesTexts& texts, UserInterface& ui);
inline constexpr std::array<const char*, 3> kHargreavesDefaultTexts = {"0.0023", "17.8", ".5"};

// The number boxes of the "Missing data" dialog, and the settings they edit, in box order.
enum class EstimateBox { AngstromA, AngstromB, Krs, K0 };
inline constexpr std::array<double EstimateSettings::*, 4> kEstimateCoefficients = {
    &EstimateSettings::angstromA, &EstimateSettings::angstromB, &EstimateSettings::krs, &EstimateSettings::k0};

// The dialog as the person left it: three ticks and four texts in box order.
struct EstimateTexts {
    bool radiation = false;
    bool humidity = false;
    bool wind = false;
    std::array<std::string, 4> coefficients{};
};

// "OK" of the "Missing data" dialog: the ticks and numbers become the workbench's estimate
// settings; otherwise says what is wrong (a text that is no number, a value outside
// CheckEstimateSettings) and answers the box to correct, the settings unchanged.
std::optional<EstimateBox> ApplyEstimates(Workbench& workbench, const EstimateTexts& texts, UserInterface& ui);

} // namespace etp
