#pragma once
// The commands of the menus and buttons, as functions over the workbench. They talk
// to the person only through UserInterface.
#include <array>
#include <string>

#include "base/UserInterface.h"
#include "models/MethodChoice.h"
#include "workbench/Workbench.h"

namespace etp {

inline constexpr const char* kOpenInitialName = "*.xls";
inline constexpr const char* kOpenFilters = "text files (*.txt)|*.txt|Excel (*.xls)|*.xls";

// File > Open: asks for a file and reads it into the sheet (text or workbook). True
// when the sheet now holds the file; false when cancelled or when it failed (after a
// message).
bool OpenFile(Workbench& workbench, UserInterface& ui);
// "Try auto finding".
void TryAutoFinding(Workbench& workbench, UserInterface& ui);

// "OK" of the station dialog: checks that the three boxes hold numbers (a message and
// false otherwise; the dialog stays) and shows them in the status panels.
bool ApplyStation(Workbench& workbench, UserInterface& ui);
void ShowStationInStatusBar(Workbench& workbench);
// A number as the status panels write it: "." as decimal mark, a leading blank when
// not negative ("45.5" -> " 45.5", "-33" -> "-33").
std::string NumberText(double value);

// "OK" of the Hargreaves dialog: the three texts become a, b and c, or a message and
// false (coefficients unchanged) when one is not a number.
bool ApplyHargreaves(Workbench& workbench, const std::array<std::string, 3>& texts, UserInterface& ui);
inline constexpr std::array<const char*, 3> kHargreavesDefaultTexts = {"0.0023", "17.8", ".5"};

// The sheet as a text file that Open reads back: rows 1 to the last row holding a
// non-empty cell, columns 1 to the last such column, TAB between fields, CR LF after
// each line. A TAB or CR inside a cell (typed by hand) is written as a blank, so that
// the file keeps its rows and columns.
std::string SheetAsText(const MeteoSheet& sheet);
// Writes it atomically; a message naming the file and the reason when it fails.
bool SaveSheet(Workbench& workbench, const std::string& path, UserInterface& ui);
// File > Save as: asks for the name, then SaveSheet; the first status panel then names the file.
void SaveSheetAs(Workbench& workbench, UserInterface& ui);

} // namespace etp

namespace etp {

// "Apply" of the turned irrigation; the applications are kept in the workbench.
bool ApplyTurned(Workbench& workbench, const TurnedIrrigationTexts& texts, UserInterface& ui);
// "Apply" of the on-demand irrigation with the ET of the rightmost column titled etLabel
// (one of the six combination labels); "You dont have computed the ETP!!" when none is.
bool ApplyOnDemand(Workbench& workbench, const std::string& etLabel, const OnDemandIrrigationTexts& texts,
                   UserInterface& ui);
// "Apply" of the on-demand dialog: the ET of ChosenEtColumn of the dialog's choice (a
// beep for each column carrying its label; "You dont have computed the ETP!!" when none does).
bool ApplyOnDemand(Workbench& workbench, const MethodChoice& choice, const OnDemandIrrigationTexts& texts,
                   UserInterface& ui);

} // namespace etp
