#pragma once
// The commands of the CREAMS, LEACHM and MACRO dialogs over the workbench. The dialogs
// hold their own state (the CREAMS table, the LEACHM texts and options, the MACRO
// method choice) for as long as they exist; the commands read the sheet and the column
// boxes afresh at every press.
#include "base/UserInterface.h"
#include "models/CreamsTable.h"
#include "models/CreamsWriter.h"
#include "models/LeachmWriter.h"
#include "models/MacroWriter.h"
#include "models/MethodChoice.h"
#include "workbench/Workbench.h"

namespace etp {

// "&CREAMS": the monthly table, before the dialog shows. False after a message.
bool BuildCreamsTable(const Workbench& workbench, CreamsTable& table, UserInterface& ui);
bool SaveCreamsRain(const Workbench& workbench, UserInterface& ui);
void SaveCreamsAll(const Workbench& workbench, const CreamsTable& table, UserInterface& ui);

// The state of a LEACHM dialog being created: initial texts and options, and a fresh
// FillMethodChoice (which may say "You dont have computed the ETP!!").
LeachmSettings NewLeachmSettings(const Workbench& workbench, UserInterface& ui);
bool SaveLeachmRain(const Workbench& workbench, const LeachmSettings& settings, UserInterface& ui);
bool SaveLeachmEtp(const Workbench& workbench, const LeachmSettings& settings, UserInterface& ui);
void SaveLeachmAll(const Workbench& workbench, const LeachmSettings& settings, UserInterface& ui);

// The method choice of a MACRO (or on-demand irrigation) dialog being created.
MethodChoice NewMethodChoice(const Workbench& workbench, UserInterface& ui);
bool SaveMacroRain(const Workbench& workbench, UserInterface& ui);
bool SaveMacroEtp(const Workbench& workbench, const MethodChoice& methods, UserInterface& ui);
void SaveMacroAll(const Workbench& workbench, const MethodChoice& methods, UserInterface& ui);

} // namespace etp
