#pragma once
// The fixed texts the program shows the person: messages, box titles, and the initial
// names and titles of the file dialogs. Texts that carry data (a row, a file name, a
// value) are built where the data are.
#include "base/UserInterface.h"

namespace etp {

// A save dialog: its initial name (a pattern) and its title.
struct SaveDialog {
    const char* initialName;
    const char* title;
};

// File > Open. The initial name is the pattern of the filter the dialog starts with.
inline constexpr const char* kOpenInitialName = "*.txt;*.csv;*.tsv;*.xls;*.xlsx;*.ods";
inline constexpr const char* kOpenFilters =
    "All supported files|*.txt;*.csv;*.tsv;*.xls;*.xlsx;*.ods|text files (*.txt)|*.txt|CSV (*.csv)|*.csv|"
    "TSV (*.tsv)|*.tsv|Excel (*.xls)|*.xls|Excel (*.xlsx)|*.xlsx|OpenDocument (*.ods)|*.ods|All files|*";
inline constexpr const char* kNoSuchFileMessage = "il file non esiste";
// After "The file ... cannot be read: why.": what the person does next.
inline constexpr const char* kOpenAnotherFile =
    "Open a text file of days, one a line with TAB between the fields, or a workbook (.xls, .xlsx, .ods).";
inline constexpr const char* kNotAWorkbookMessage = "File is not an Excel file or is locked and cannot be imported.";
inline constexpr const char* kNotAWorkbookTitle = "Invalid File Type or Locked";
inline constexpr const char* kNoSheetNamesMessage = "Cannot return information for Excel file.";
inline constexpr const char* kImportFailedMessage = "Import did not succeed.";
inline constexpr const char* kImportCompleteMessage = "Import complete.";
inline constexpr const char* kImportTitle = "Result";
inline constexpr const char* kSheetChoiceTitle = "selection of sheet";
inline constexpr const char* kSheetChoiceDefault = "1";

// File > Save as, Tools > Summary > Save..., Tools > Chart > export.
inline constexpr SaveDialog kSaveSheetDialog{"*.txt", "Save as"};
inline constexpr SaveDialog kSaveSummaryDialog{"*.txt", "Save summary"};
inline constexpr const char* kExportChartTitle = "Export chart";

// What the commands say when the sheet has no rain column, or no ET column of the
// ET labels (kEtLabels).
inline constexpr const char* kNoRainMessage = "No rain in data sheet";
inline constexpr const char* kNoEtMessage = "You dont have computed the ETP!!";

// Follows "The date in row r is not a date: "text".": what the person does about it.
inline constexpr const char* kDateAdvice =
    " Write it as day/month/year (05/03/98) in the sheet, or check that the Date box holds the date column.";

// The method dialogs and Compute.
inline constexpr const char* kProblemsInVariables = "Problems in defining metereological variables";
inline constexpr const char* kNoRadiationOrSunshine =
    "Problems in defining metereological variables - radiation or sunshine not available";
inline constexpr const char* kSelectOneMethod = "You should select at minimum one method";
// Compute with no box of the three method dialogs ticked.
inline constexpr const char* kNoMethodTicked =
    "No method is ticked. Tick at least one in the dialogs of the Etp methods menu (Combination, Other methods, "
    "Standard methods), then press Compute again.";
// Compute, Check data and the chart before any file is open.
inline constexpr const char* kNoDataToCompute = "There are no days to compute. Open a station file first (File > Open).";
inline constexpr const char* kStationQuestion =
    "Your meteorological station is at 0° degrees and at 0 m above sea level or simple you forgot this data ?";

// The saves of the CREAMS, LEACHM and MACRO dialogs.
inline constexpr SaveDialog kCreamsTemperatureRadiationDialog{"*.tr", "Save T and Rad"};
inline constexpr SaveDialog kCreamsRainDialog{"*.rn", " CREAMS - Save daily rain"};
inline constexpr SaveDialog kLeachmRainDialog{"*.rn", "LEACHM - Save rain"};
inline constexpr SaveDialog kLeachmEtpDialog{"*.etp", "LEACHW - Save ETP, T and amplitude"};
inline constexpr SaveDialog kMacroRainDialog{"*.rn", "MACRO - Save rain"};
inline constexpr SaveDialog kMacroEtpDialog{"*.etp", "MACRO - Save ETP"};

// The end of the refusal over days without a value (MissingDays): what was not written
// or applied.
inline constexpr const char* kCreamsTemperatureRadiationNotWritten =
    "the CREAMS temperature and radiation file was not written";
inline constexpr const char* kCreamsRainNotWritten = "the CREAMS rain file was not written";
inline constexpr const char* kLeachmRainNotWritten = "the LEACHM rain file was not written";
inline constexpr const char* kLeachmEtpNotWritten = "the LEACHM ETP, temperature and amplitude file was not written";
inline constexpr const char* kMacroRainNotWritten = "the MACRO rain file was not written";
inline constexpr const char* kMacroEtpNotWritten = "the MACRO ETP file was not written";
// The files whose days may carry estimates, as the line counting them names them.
inline constexpr const char* kCreamsTemperatureRadiationFile = "CREAMS temperature and radiation";
inline constexpr const char* kLeachmEtpFile = "LEACHM ETP";
inline constexpr const char* kMacroEtpFile = "MACRO ETP";
inline constexpr const char* kTurnedIrrigationNotApplied = "the turned irrigation was not applied";
inline constexpr const char* kOnDemandIrrigationNotApplied = "the on-demand irrigation was not applied";

} // namespace etp
