#include "workbench/Commands.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "base/AtomicFile.h"
#include "sheet/AutoFind.h"
#include "sheet/DecimalText.h"
#include "sheet/NumericValue.h"
#include "sheet/SheetQueries.h"
#include "sheet/TextImport.h"

namespace etp {

namespace {

// A file's bytes, read to its end (a file still growing is read as far as it goes).
std::optional<std::string> ReadWholeFile(const std::string& path, std::string& reason)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        reason = "it is a folder";
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        reason = "it cannot be opened";
        return std::nullopt;
    }
    std::string bytes;
    // The size is a hint only: a file still growing is read on to its end.
    if (const auto size = std::filesystem::file_size(path, ec); !ec) bytes.reserve(size);
    char chunk[64 * 1024];
    do {
        in.read(chunk, sizeof chunk);
        bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
    } while (in);
    if (in.bad()) {
        reason = "it cannot be read";
        return std::nullopt;
    }
    return bytes;
}

void ClearSheet(MeteoSheet& sheet) { sheet.clear(); }

bool ImportText(Workbench& workbench, const std::string& name, UserInterface& ui)
{
    std::string reason;
    const auto bytes = ReadWholeFile(name, reason);
    if (!bytes) {
        // Nothing is cleared: the sheet keeps what it held.
        ui.message("The file " + name + " cannot be read: " + reason + ".", kApplicationTitle, Icon::Critical);
        return false;
    }
    ClearSheet(workbench.sheet);
    TextImportReport report;
    {
        auto busy = ui.busy(Pointer::BusyArrow);
        report = ReadTextLines(workbench.sheet, *bytes);
    }
    if (report.droppedFields > 0)
        ui.message(std::to_string(report.droppedFields) + " fields beyond column " +
                       std::to_string(MeteoSheet::kMaxColumns) + " in " + std::to_string(report.linesWithDroppedFields) +
                       " lines were not imported.",
                   kApplicationTitle, Icon::Exclamation);
    return true;
}

std::string SheetPrompt(const std::vector<std::string>& names)
{
    std::string prompt = "Found " + std::to_string(names.size()) + " sheets\r\r";
    for (std::size_t i = 0; i < names.size(); ++i) prompt += std::to_string(i + 1) + ")  " + names[i] + "\r";
    prompt += "\r\rplease, select the number of the sheet";
    return prompt;
}

bool ImportWorkbook(Workbench& workbench, const std::string& name, UserInterface& ui)
{
    ClearSheet(workbench.sheet);
    auto busy = ui.busy(Pointer::BusyArrow);
    WorkbookReader& reader = *workbench.workbookReader;
    if (!reader.isWorkbook(name)) {
        ui.message("File is not an Excel file or is locked and cannot be imported.", "Invalid File Type or Locked");
        return false;
    }
    const auto names = reader.sheetNames(name);
    if (!names) {
        ui.message("Cannot return information for Excel file.", "Result");
        return false;
    }
    double index = 0;
    if (names->size() >= 2) {
        const auto answer = ui.inputText(SheetPrompt(*names), "selection of sheet", "1");
        if (!answer || answer->empty()) return false;
        if (!IsNumberText(*answer)) {
            ui.message("The sheet number is not a number: \"" + *answer + "\"", kApplicationTitle, Icon::Critical);
            return false;
        }
        index = std::max(NumericValue(*answer) - 1, 0.0);
    }
    index = std::nearbyint(std::min(index, 1e9));
    if (!reader.importSheet(name, static_cast<int>(index), workbench.sheet)) {
        ui.message("Import did not succeed.", "Result");
        return false;
    }
    ui.message("Import complete.", "Result");
    for (int c = 1; c <= workbench.sheet.columnCount(); ++c) workbench.sheet.setCaption(c, std::to_string(c));
    if (const int dropped = reader.droppedColumns(); dropped > 0)
        ui.message(std::to_string(dropped) + " columns beyond column " + std::to_string(MeteoSheet::kMaxColumns) +
                       " were not imported.",
                   kApplicationTitle, Icon::Exclamation);
    return true;
}

bool HasWildcard(const std::string& name) { return name.find_first_of("*?") != std::string::npos; }

} // namespace

bool OpenFile(Workbench& workbench, UserInterface& ui)
{
    const auto name = ui.chooseOpenFile(kOpenInitialName, kOpenFilters);
    // A cancelled dialog, or the initial pattern left as it was: nothing happens.
    if (!name || name->empty() || *name == kOpenInitialName) return false;
    std::error_code ec;
    if (HasWildcard(*name) || !std::filesystem::exists(*name, ec)) {
        ui.message("il file non esiste", kApplicationTitle);
        return false;
    }
    workbench.statusPanels[0] = "working file: " + *name;
    if (name->find(".xls") != std::string::npos) return ImportWorkbook(workbench, *name, ui);
    return ImportText(workbench, *name, ui);
}

void TryAutoFinding(Workbench& workbench, UserInterface& ui)
{
    AutoFind(workbench.sheet, workbench.columns, workbench.units, ui);
}

ComputeOutcome ComputeResults(Workbench& workbench, UserInterface& ui)
{
    const ComputeSettings settings{workbench.columns, workbench.units, workbench.station, workbench.methods,
                                   workbench.hargreaves};
    return Compute(workbench.sheet, settings, workbench.previousMeanTemperature, ui);
}

std::string NumberText(double value)
{
    const std::string text = DecimalText(value);
    return text.front() == '-' ? text : " " + text;
}

void ShowStationInStatusBar(Workbench& workbench)
{
    const StationParameters& station = workbench.station;
    workbench.statusPanels[1] = "Latitude:" + NumberText(NumericValue(station.latitude)) + "°";
    workbench.statusPanels[2] = "Altitude a.s.l.:" + NumberText(NumericValue(station.altitude)) + " m";
    workbench.statusPanels[3] = "Wind speed measurement hight:" + NumberText(NumericValue(station.windHeight)) + " m";
}

bool ApplyStation(Workbench& workbench, UserInterface& ui)
{
    const StationParameters& station = workbench.station;
    const std::array<std::pair<const char*, const std::string*>, 3> boxes = {{
        {"Latitude (°)", &station.latitude},
        {"Altitude a.s.l. (m)", &station.altitude},
        {"Wind speed measurement high (m)", &station.windHeight},
    }};
    for (const auto& [label, text] : boxes)
        if (!IsFiniteNumberText(*text)) {
            ui.message(std::string(label) + " is not a number: \"" + *text + "\"", kApplicationTitle, Icon::Critical);
            return false;
        }
    ShowStationInStatusBar(workbench);
    return true;
}

bool ApplyHargreaves(Workbench& workbench, const std::array<std::string, 3>& texts, UserInterface& ui)
{
    static constexpr std::array<const char*, 3> kNames = {"a", "b", "c"};
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (!IsFiniteNumberText(texts[i])) {
            ui.message(std::string("The value of ") + kNames[i] + " is not a number: \"" + texts[i] + "\"",
                       kApplicationTitle, Icon::Critical);
            return false;
        }
    workbench.hargreaves = {NumericValue(texts[0]), NumericValue(texts[1]), NumericValue(texts[2])};
    return true;
}

namespace {

// The lines of the saved sheet, handed on some 64 KiB at a time.
void WriteSheetText(const MeteoSheet& sheet, const PieceWriter& write)
{
    constexpr std::size_t kPiece = 64 << 10;
    const int rows = sheet.lastNonEmptyRow();
    const int columns = sheet.lastNonEmptyColumn();
    std::string text;
    text.reserve(kPiece + 4096);
    for (int r = 1; r <= rows; ++r) {
        sheet.appendRowText(r, columns, text);
        text += "\r\n";
        if (text.size() >= kPiece) {
            write(text);
            text.clear();
        }
    }
    if (!text.empty()) write(text);
}

} // namespace

std::string SheetAsText(const MeteoSheet& sheet)
{
    std::string text;
    WriteSheetText(sheet, [&text](std::string_view piece) { text += piece; });
    return text;
}

bool SaveSheet(Workbench& workbench, const std::string& path, UserInterface& ui)
{
    auto busy = ui.busy(Pointer::Busy);
    const auto failure =
        WriteFileAtomically(path, [&](const PieceWriter& write) { WriteSheetText(workbench.sheet, write); });
    if (failure) {
        ui.message("The file " + path + " could not be written: " + *failure + ".", kApplicationTitle, Icon::Critical);
        return false;
    }
    return true;
}

void SaveSheetAs(Workbench& workbench, UserInterface& ui)
{
    const auto name = ui.chooseSaveFile("*.txt", "Save as");
    if (!name || name->empty() || HasWildcard(*name)) return;
    if (SaveSheet(workbench, *name, ui)) workbench.statusPanels[0] = "working file: " + *name;
}

} // namespace etp

namespace etp {

bool ApplyTurned(Workbench& workbench, const TurnedIrrigationTexts& texts, UserInterface& ui)
{
    auto applied = ApplyTurnedIrrigation(workbench.sheet, workbench.columns, texts, ui);
    if (!applied) return false;
    workbench.turnedApplications = std::move(*applied);
    return true;
}

namespace {

bool ApplyOnDemandWithEtOf(Workbench& workbench, int etColumn, const OnDemandIrrigationTexts& texts, UserInterface& ui)
{
    auto applied = ApplyOnDemandIrrigation(workbench.sheet, workbench.columns, etColumn, texts, ui);
    if (!applied) return false;
    workbench.onDemandApplications = std::move(*applied);
    return true;
}

} // namespace

bool ApplyOnDemand(Workbench& workbench, const std::string& etLabel, const OnDemandIrrigationTexts& texts,
                   UserInterface& ui)
{
    const EtColumns found = FindEtColumns(workbench.sheet);
    int column = 0;
    for (std::size_t k = 0; k < kEtLabels.size(); ++k)
        if (etLabel == kEtLabels[k]) column = found.column[k + 1];
    if (column == 0) {
        ui.message(kNoEtMessage, kApplicationTitle);
        return false;
    }
    return ApplyOnDemandWithEtOf(workbench, column, texts, ui);
}

bool ApplyOnDemand(Workbench& workbench, const MethodChoice& choice, const OnDemandIrrigationTexts& texts,
                   UserInterface& ui)
{
    const int column = ChosenEtColumn(choice, workbench.sheet, ui);
    return column != 0 && ApplyOnDemandWithEtOf(workbench, column, texts, ui);
}

} // namespace etp
