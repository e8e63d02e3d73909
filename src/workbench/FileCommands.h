#pragma once
// The commands of the File menu: open a text file or a workbook into the sheet, save
// the sheet as a text file that Open reads back.
#include <string>

#include "base/UserInterface.h"
#include "sheet/MeteoSheet.h"
#include "workbench/Workbench.h"

namespace etp {

// File > Open: asks for a file and reads it into the sheet (text or workbook). True
// when the sheet now holds the file; false when cancelled or when it failed (after a
// message).
bool OpenFile(Workbench& workbench, UserInterface& ui);

// The sheet as a text file that Open reads back: rows 1 to the last row holding a
// non-empty cell, columns 1 to the last such column, TAB between fields, CR LF after
// each line. A TAB or CR inside a cell (typed by hand) is written as a blank, so that
// the file keeps its rows and columns.
std::string SheetAsText(const MeteoSheet& sheet);
// Writes it to path through WriteTextFile; a message naming the file and the reason
// when it fails.
bool SaveSheet(Workbench& workbench, const std::string& path, UserInterface& ui);
// File > Save as: asks for the name, then saves; the first status panel then names the file.
void SaveSheetAs(Workbench& workbench, UserInterface& ui);

} // namespace etp
