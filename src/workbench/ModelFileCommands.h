#pragma once
// The commands of the CREAMS, LEACHM and MACRO dialogs over the workbench. The dialogs
// hold their own state (the CREAMS table, the LEACHM texts and options, the MACRO
// method choice) for as long as they exist; the commands read the sheet and the column
// boxes afresh at every press. Each save refuses days without a value in the columns it
// reads (MissingDaysRefusal) before it asks for its file, then builds the text with the
// writer of models/ and writes it through WriteTextFile. A file that may carry estimated
// days (CREAMS temperature and radiation, the ET files) is followed by the count of them
// (EstimatedDaysLine) when there are some or the estimates are on.
#include "base/UserInterface.h"
#include "models/CreamsTable.h"
#include "models/LeachmWriter.h"
#include "models/MethodChoice.h"
#include "workbench/Workbench.h"

namespace etp {

// "&CREAMS": the monthly table, before the dialog shows, with the radiation estimates of
// Option > Missing data. On a refusal the message names the days without a value, the row
// or the limit, and the table keeps its headers only.
// False after a message.
bool BuildCreamsTable(const Workbench& workbench, CreamsTable& table, UserInterface& ui);
// "Save T and Rad", "Save Rain", "Save all" (each with its own file dialog, proposing the
// data file's name with the model file's extension). True when the file was written;
// false when cancelled or after a message. A table refused for days without a value
// repeats that message and asks for no file. A "Save all" whose first file is cancelled
// writes no second file and says so.
bool SaveCreamsTemperatureRadiation(const Workbench& workbench, const CreamsTable& table, UserInterface& ui);
bool SaveCreamsRain(const Workbench& workbench, UserInterface& ui);
void SaveCreamsAll(const Workbench& workbench, const CreamsTable& table, UserInterface& ui);

// The state of a LEACHM dialog being created: initial texts and options, and a fresh
// method choice (NewMethodChoice).
LeachmSettings NewLeachmSettings(const Workbench& workbench, UserInterface& ui);
// "Save rain data", "Save ETP data", "Save all".
bool SaveLeachmRain(const Workbench& workbench, const LeachmSettings& settings, UserInterface& ui);
bool SaveLeachmEtp(const Workbench& workbench, const LeachmSettings& settings, UserInterface& ui);
void SaveLeachmAll(const Workbench& workbench, const LeachmSettings& settings, UserInterface& ui);

// The method choice of a MACRO (or on-demand irrigation) dialog being created; "You
// dont have computed the ETP!!" when the title row has no ET column.
MethodChoice NewMethodChoice(const Workbench& workbench, UserInterface& ui);
// The column to read daily ET from: the selected option's (SelectedEtColumn), with one
// beep for every column carrying its label. 0, after "You dont have computed the
// ETP!!", when there is none.
int ChosenEtColumn(const MethodChoice& choice, const MeteoSheet& sheet, UserInterface& ui);
// "Save rain data", "Save ETP data" (its ET column from the dialog's own choice) and
// "Save all", which runs both as the LEACHM dialog does, a cancel included.
bool SaveMacroRain(const Workbench& workbench, UserInterface& ui);
bool SaveMacroEtp(const Workbench& workbench, const MethodChoice& methods, UserInterface& ui);
void SaveMacroAll(const Workbench& workbench, const MethodChoice& methods, UserInterface& ui);

} // namespace etp
