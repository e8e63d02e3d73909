#pragma once
// The commands of the three method dialogs and of "Compute": they ask and tell the person
// what the domain answers.
#include "base/Messages.h"
#include "base/UserInterface.h"
#include "et/Methods.h"
#include "workbench/SettingCommands.h"
#include "workbench/Workbench.h"

namespace etp {

// Opening a method dialog by its menu item: enables what the column boxes allow, or
// says why not and answers false (the dialog is then hidden).
bool OpenMethods(Workbench& workbench, UserInterface& ui);

// "OK" of a method dialog: true (hide the dialog) when one of its own boxes is checked;
// otherwise the message, and the dialog stays.
bool ConfirmMethods(const Workbench& workbench, MethodDialog dialog, UserInterface& ui);

enum class ComputeOutcome {
    Completed,
    StationRequested, // no station yet, or the person cancelled the latitude/altitude question: show the station dialog
    Refused,          // nothing was written
    Stopped,          // an error ended the command at a row; what was written stays
};

// "Compute", with the busy pointer; a station not set yet is asked for, and a station at
// 0° and 0 m is asked about, first.
ComputeOutcome ComputeResults(Workbench& workbench, UserInterface& ui);

enum class CalibrationOutcome {
    WrongBox, // a box of the dialog was refused (ReadHargreaves): nothing was fitted
    NoFit,    // said why there is none
    Declined, // the fit was shown and the person kept the coefficients
    Taken,    // the fitted a, with the b and c shown, are now the coefficients
};

// "Calibrate against PenMon" of the Hargreaves dialog, with the coefficients its boxes
// show, as "OK" reads them (`wrong` is the box to correct): shows the fit, or why there
// is none, and asks whether the fitted a with the b and c shown become the coefficients.
CalibrationOutcome CalibrateHargreavesCommand(Workbench& workbench, const HargreavesTexts& texts, HargreavesBox& wrong,
                                              UserInterface& ui);

// "OK" of the Priestley-Taylor options: the alpha of "P-T" and the kRs of "P-T extrad"
// become the methods' own, both or neither. On a refusal, a message and the box to
// correct: 0 for alpha, 1 for kRs.
std::optional<int> ApplyPriestleyTaylorOptions(Workbench& workbench, const std::string& alpha, const std::string& krs,
                                               UserInterface& ui);

} // namespace etp
