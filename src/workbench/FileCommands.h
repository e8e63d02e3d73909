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
// The same for a file already chosen (File > Recent files). The sheet then belongs to the
// file: nothing in it is unsaved.
bool OpenNamedFile(Workbench& workbench, const std::string& name, UserInterface& ui);

// The sheet as a text file that Open reads back: rows 1 to the last row holding a
// non-empty cell, columns 1 to the last such column, TAB between fields, CR LF after
// each line. A TAB or CR inside a cell (typed by hand) is written as a blank, so that
// the file keeps its rows and columns.
std::string SheetAsText(const MeteoSheet& sheet);
// Writes it to path through WriteTextFile; a message naming the file and the reason
// when it fails.
bool SaveSheet(Workbench& workbench, const std::string& path, UserInterface& ui);
// File > Save as: asks for the name (proposing the working file's, as a text file), then
// saves; the sheet then belongs to that file and the first status panel names it. True
// when the file was written.
bool SaveSheetAs(Workbench& workbench, UserInterface& ui);
// File > Save: writes the working file again when it is a TAB-separated text file; a
// sheet without a file, or from a CSV file or a workbook, goes through Save as.
bool SaveSheetFile(Workbench& workbench, UserInterface& ui);

// The sheet holds changes (Compute, irrigation, typing, ...) that its file does not.
bool HasUnsavedChanges(const Workbench& workbench);
// Before the sheet is dropped (exit, close, open): with unsaved changes, asks the
// question with Save, Discard and Cancel; Save saves as File > Save does. True when the
// sheet may go: nothing unsaved, saved, or discarded; false on Cancel or a save that did
// not happen.
bool SaveChangesFirst(Workbench& workbench, const char* question, UserInterface& ui);
inline constexpr const char* kUnsavedBeforeExit =
    "The data sheet holds changes that are not saved.\rSave them before exiting the program?";
inline constexpr const char* kUnsavedBeforeClose =
    "The data sheet holds changes that are not saved.\rSave them before closing the program?";
inline constexpr const char* kUnsavedBeforeOpen =
    "The data sheet holds changes that are not saved.\rSave them before opening another file?";

} // namespace etp
