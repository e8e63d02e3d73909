#include "workbench/FileCommands.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "base/FileBytes.h"
#include "base/Messages.h"
#include "import/FileFormat.h"
#include "import/TextImport.h"
#include "import/WorkbookReader.h"
#include "workbench/SettingCommands.h"
#include "sheet/NumericValue.h"
#include "workbench/SaveTextFile.h"

namespace etp {

namespace {

void ClearSheet(MeteoSheet& sheet) { sheet.clear(); }

// What the import says of the lines before the titles, after taking from them the
// station values the person has not given, nor kept for this file.
std::string HeaderMessage(Workbench& workbench, const TextImportReport& report, bool stationKept)
{
    std::string text = std::to_string(report.headerLines) +
                       (report.headerLines == 1 ? " line" : " lines") + " before the titles (a header) set aside.";
    std::vector<std::string> taken;
    if (report.latitude && IsFiniteNumberText(*report.latitude) && !workbench.stationGiven.latitude && !stationKept) {
        workbench.station.latitude = *report.latitude;
        workbench.stationSet = true; // the header names the place
        taken.push_back("latitude " + *report.latitude + "°");
    }
    if (report.elevation && IsFiniteNumberText(*report.elevation) && !workbench.stationGiven.altitude && !stationKept) {
        workbench.station.altitude = *report.elevation;
        taken.push_back("altitude " + *report.elevation + " m");
    }
    if (!taken.empty()) {
        text += " The station's ";
        for (std::size_t i = 0; i < taken.size(); ++i) text += (i == 0 ? "" : " and ") + taken[i];
        text += taken.size() == 1 ? " is taken from it." : " are taken from it.";
        ShowStationInStatusBar(workbench);
    }
    return text;
}

bool ImportText(Workbench& workbench, const std::string& name, bool stationKept, UserInterface& ui)
{
    std::string reason;
    auto file = FileBytes::open(name, reason);
    if (file) {
        if (auto problem = TextImportProblem(file->bytes())) {
            reason = std::move(*problem);
            file.reset();
        }
    }
    if (!file) {
        // Nothing is cleared: the sheet keeps what it held.
        ui.message("The file " + name + " cannot be read: " + reason + ". " + kOpenAnotherFile, kApplicationTitle,
                   Icon::Critical);
        return false;
    }
    ClearSheet(workbench.sheet);
    TextImportReport report;
    {
        auto busy = ui.busy(Pointer::BusyArrow);
        report = ReadTextLines(workbench.sheet, file->bytes());
    }
    // File > Save writes TAB between fields and no header: saving over a CSV file or a
    // file with a header would change its form.
    workbench.workingFile.writable = report.headerLines == 0 && report.separator == '\t';
    if (report.headerLines > 0) ui.message(HeaderMessage(workbench, report, stationKept), kApplicationTitle, Icon::Information);
    if (report.droppedFields > 0)
        ui.message(std::to_string(report.droppedFields) + " fields beyond column " +
                       std::to_string(MeteoSheet::kMaxColumns) + " in " + std::to_string(report.linesWithDroppedFields) +
                       " lines were not imported.",
                   kApplicationTitle, Icon::Exclamation);
    if (report.decimalCommas > 0)
        ui.message(report.decimalCommas == 1
                       ? std::string("1 number written with a decimal comma was stored with a decimal point.")
                       : std::to_string(report.decimalCommas) +
                             " numbers written with a decimal comma were stored with a decimal point.",
                   kApplicationTitle, Icon::Information);
    return true;
}

std::string SheetPrompt(const std::vector<std::string>& names)
{
    std::string prompt = "Found " + std::to_string(names.size()) + " sheets\r\r";
    for (std::size_t i = 0; i < names.size(); ++i) prompt += std::to_string(i + 1) + ")  " + names[i] + "\r";
    prompt += "\r\rplease, select the number of the sheet";
    return prompt;
}

// A workbook message with the reader's reason, when it gave one, on a line of its own.
std::string WithReason(const char* message, const std::string& reason)
{
    return reason.empty() ? std::string(message) : std::string(message) + "\rReason: " + reason + ".";
}

std::unique_ptr<WorkbookReader> MakeWorkbookReader(FileFormat format)
{
    if (format == FileFormat::Xls) return MakeXlsWorkbookReader();
    if (format == FileFormat::Ods) return MakeOdsWorkbookReader();
    return MakeXlsxWorkbookReader(); // and a zip that is neither: the reader says why
}

bool ImportWorkbook(Workbench& workbench, const std::string& name, FileFormat format, UserInterface& ui)
{
    auto busy = ui.busy(Pointer::BusyArrow);
    const auto chosen = MakeWorkbookReader(format);
    WorkbookReader& reader = *chosen;
    if (!reader.isWorkbook(name)) {
        ui.message(WithReason(kNotAWorkbookMessage, reader.failure()), kNotAWorkbookTitle);
        return false;
    }
    const auto names = reader.sheetNames(name);
    if (!names) {
        ui.message(WithReason(kNoSheetNamesMessage, reader.failure()), kImportTitle);
        return false;
    }
    double index = 0;
    if (names->size() >= 2) {
        const auto answer = ui.chooseFromList(SheetPrompt(*names), kSheetChoiceTitle, *names, kSheetChoiceDefault);
        if (!answer || answer->empty()) return false;
        if (!IsNumberText(*answer)) {
            ui.message("The sheet number is not a number: \"" + *answer +
                           "\". Give the number of one of its sheets, 1 for the first.",
                       kApplicationTitle, Icon::Critical);
            return false;
        }
        index = std::max(NumericValue(*answer) - 1, 0.0);
    }
    index = std::nearbyint(std::min(index, 1e9));
    // The sheet is emptied only now, and a failed import puts back what it held.
    MeteoSheet previous = workbench.sheet;
    ClearSheet(workbench.sheet);
    if (!reader.importSheet(name, static_cast<int>(index), workbench.sheet)) {
        workbench.sheet = std::move(previous);
        ui.message(WithReason(kImportFailedMessage, reader.failure()), kImportTitle);
        return false;
    }
    workbench.workingFile.writable = false;
    ui.message(kImportCompleteMessage, kImportTitle);
    for (int c = 1; c <= workbench.sheet.columnCount(); ++c) workbench.sheet.setCaption(c, std::to_string(c));
    if (const int dropped = reader.droppedColumns(); dropped > 0)
        ui.message(std::to_string(dropped) + " columns beyond column " + std::to_string(MeteoSheet::kMaxColumns) +
                       " were not imported.",
                   kApplicationTitle, Icon::Exclamation);
    return true;
}

// The lines of the saved sheet, handed on some 64 KiB at a time.
void WriteSheetText(const MeteoSheet& sheet, const PieceWriter& write)
{
    constexpr int kRowsPerPiece = 1024; // some 64 KiB of a station's usual dozen columns
    const int rows = sheet.lastNonEmptyRow();
    const int columns = sheet.lastNonEmptyColumn();
    std::string text;
    for (int first = 1; first <= rows; first += kRowsPerPiece) {
        text.clear();
        sheet.appendRowsText(first, std::min(rows, first + kRowsPerPiece - 1), columns, text);
        write(text);
    }
}

TextProducer SheetPieces(const MeteoSheet& sheet)
{
    return [&sheet](const PieceWriter& write) { WriteSheetText(sheet, write); };
}

} // namespace

bool OpenFile(Workbench& workbench, UserInterface& ui)
{
    const auto name = ui.chooseOpenFile(kOpenInitialName, kOpenFilters);
    // A cancelled dialog, or the initial pattern left as it was: nothing happens.
    if (!name || name->empty() || *name == kOpenInitialName) return false;
    return OpenNamedFile(workbench, *name, ui);
}

bool OpenNamedFile(Workbench& workbench, const std::string& name, UserInterface& ui)
{
    std::error_code ec;
    if (HasWildcard(name) || !std::filesystem::exists(name, ec)) {
        ui.message(kNoSuchFileMessage, kApplicationTitle);
        return false;
    }
    // The reader is chosen by the file's content; a name that says otherwise is told.
    const FileFormat format = DetectFileFormat(name);
    const FileFormat named = FormatByExtension(name);
    // A zip that holds no workbook is refused by the reader; an .xlsx saved with a
    // password is a compound file, which the .xls reader refuses with that reason.
    const bool told = format == FileFormat::OtherZip || (format == FileFormat::Xls && named == FileFormat::Xlsx);
    if (format != named && !told)
        ui.message("The file " + name + " is " + FormatName(format) + " and is read as one, whatever its name says.",
                   kApplicationTitle, Icon::Information);
    // The desktop program's station goes with the file: the one kept for it, or none yet
    // (a header naming the place fills it).
    const StationParameters stationBefore = workbench.station;
    const bool stationSetBefore = workbench.stationSet;
    std::optional<StationParameters> kept;
    if (workbench.stationOfFile) {
        kept = workbench.stationOfFile(name);
        workbench.station = kept.value_or(StationParameters{});
        workbench.stationSet = kept.has_value();
    }
    // A file that cannot be opened leaves the sheet, the station and the working file as they were.
    const bool opened = format == FileFormat::Text ? ImportText(workbench, name, kept.has_value(), ui)
                                                   : ImportWorkbook(workbench, name, format, ui);
    if (!opened) {
        workbench.station = stationBefore;
        workbench.stationSet = stationSetBefore;
        return false;
    }
    if (workbench.stationOfFile) ShowStationInStatusBar(workbench);
    // Nothing of the file before applies to this one: the boxes are found afresh, and no
    // result column is known yet.
    workbench.columns = ColumnMap{};
    workbench.computed.clear();
    workbench.statusPanels[0] = "working file: " + name;
    workbench.workingFile.path = name;
    workbench.workingFile.savedRevision = workbench.sheet.revision();
    return true;
}

std::string SheetAsText(const MeteoSheet& sheet)
{
    std::string text;
    WriteSheetText(sheet, [&text](std::string_view piece) { text += piece; });
    return text;
}

bool SaveSheet(Workbench& workbench, const std::string& path, UserInterface& ui)
{
    return WriteTextFile(ui, path, SheetPieces(workbench.sheet));
}

namespace {

void BelongsTo(Workbench& workbench, const std::string& name)
{
    workbench.statusPanels[0] = "working file: " + name;
    workbench.workingFile = {name, true, workbench.sheet.revision()};
}

} // namespace

bool SaveSheetAs(Workbench& workbench, UserInterface& ui)
{
    const auto name = SaveTextFile(ui, kSaveSheetDialog, SheetPieces(workbench.sheet),
                                   ProposedSaveName(workbench.workingFile.path, kSaveSheetDialog));
    if (!name) return false;
    BelongsTo(workbench, *name);
    return true;
}

bool SaveSheetFile(Workbench& workbench, UserInterface& ui)
{
    const WorkingFile& file = workbench.workingFile;
    if (file.path.empty() || !file.writable) return SaveSheetAs(workbench, ui);
    const std::string name = file.path;
    if (!SaveSheet(workbench, name, ui)) return false;
    BelongsTo(workbench, name);
    return true;
}

bool HasUnsavedChanges(const Workbench& workbench)
{
    return workbench.sheet.revision() != workbench.workingFile.savedRevision;
}

bool SaveChangesFirst(Workbench& workbench, const char* question, UserInterface& ui)
{
    if (!HasUnsavedChanges(workbench)) return true;
    switch (ui.question(question, kApplicationTitle, Icon::Exclamation, Buttons::SaveDiscardCancel)) {
    case Answer::Save: return SaveSheetFile(workbench, ui);
    case Answer::Discard: return true;
    default: return false;
    }
}

} // namespace etp
