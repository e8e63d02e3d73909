#pragma once
// The commands of the Irrigation menu: "Apply" of the turned and of the on-demand
// irrigation. The applications made are kept in the workbench.
#include <string>

#include "base/UserInterface.h"
#include "irrigation/Irrigation.h"
#include "models/MethodChoice.h"
#include "workbench/Workbench.h"

namespace etp {

// "Apply" of the turned irrigation. A text out of range gets a message naming its
// field, a sheet without a rain column "No rain in data sheet"; then nothing changes.
bool ApplyTurned(Workbench& workbench, const TurnedIrrigationTexts& texts, UserInterface& ui);
// "Apply" of the on-demand irrigation with the ET of the rightmost column titled etLabel
// (one of kEtLabels); "You dont have computed the ETP!!" when none is.
bool ApplyOnDemand(Workbench& workbench, const std::string& etLabel, const OnDemandIrrigationTexts& texts,
                   UserInterface& ui);
// "Apply" of the on-demand dialog: the ET of ChosenEtColumn of the dialog's choice (a
// beep for each column carrying its label; "You dont have computed the ETP!!" when none does).
bool ApplyOnDemand(Workbench& workbench, const MethodChoice& choice, const OnDemandIrrigationTexts& texts,
                   UserInterface& ui);

} // namespace etp
