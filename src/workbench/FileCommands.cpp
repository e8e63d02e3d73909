#include "workbench/FileCommands.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "sheet/NumericValue.h"
#include "sheet/TextImport.h"
#include "base/Messages.h"
#include "workbench/SaveTextFile.h"

namespace etp {

namespace {

// A file's bytes, in a buffer that is not filled with zeros before the file is read.
struct FileBytes {
    std::unique_ptr<char[]> data;
    std::size_t size = 0;
    std::string_view view() const { return {data.get(), size}; }
};

std::optional<FileBytes> ReadWholeFile(const std::string& path, std::string& reason)
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
    // Where the size is known the bytes go straight into a buffer of that size; what the
    // size did not tell (a file still growing, or one without a size) is read after it.
    FileBytes bytes;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.clear();
    in.seekg(0, std::ios::beg);
    in.clear();
    if (size > 0) {
        bytes.data = std::make_unique_for_overwrite<char[]>(static_cast<std::size_t>(size));
        in.read(bytes.data.get(), size);
        bytes.size = static_cast<std::size_t>(in.gcount());
    }
    if (in.bad()) {
        reason = "it cannot be read";
        return std::nullopt;
    }
    if (!in.eof()) {
        std::ostringstream rest;
        rest << in.rdbuf();
        const std::string more = std::move(rest).str();
        if (!more.empty()) {
            auto whole = std::make_unique_for_overwrite<char[]>(bytes.size + more.size());
            std::copy_n(bytes.data.get(), bytes.size, whole.get());
            std::copy_n(more.data(), more.size(), whole.get() + bytes.size);
            bytes.data = std::move(whole);
            bytes.size += more.size();
        }
    }
    if (in.bad()) {
        reason = "it cannot be read";
        return std::nullopt;
    }
    return bytes;
}

void ClearSheet(MeteoSheet& sheet) { sheet.clearBlock(1, 1, sheet.rowCount(), sheet.columnCount()); }

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
        report = ReadTextLines(workbench.sheet, bytes->view());
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
        ui.message(kNotAWorkbookMessage, kNotAWorkbookTitle);
        return false;
    }
    const auto names = reader.sheetNames(name);
    if (!names) {
        ui.message(kNoSheetNamesMessage, kImportTitle);
        return false;
    }
    double index = 0;
    if (names->size() >= 2) {
        const auto answer = ui.inputText(SheetPrompt(*names), kSheetChoiceTitle, kSheetChoiceDefault);
        if (!answer || answer->empty()) return false;
        if (!IsNumberText(*answer)) {
            ui.message("The sheet number is not a number: \"" + *answer + "\"", kApplicationTitle, Icon::Critical);
            return false;
        }
        index = std::max(NumericValue(*answer) - 1, 0.0);
    }
    index = std::nearbyint(std::min(index, 1e9));
    if (!reader.importSheet(name, static_cast<int>(index), workbench.sheet)) {
        ui.message(kImportFailedMessage, kImportTitle);
        return false;
    }
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
    std::error_code ec;
    if (HasWildcard(*name) || !std::filesystem::exists(*name, ec)) {
        ui.message(kNoSuchFileMessage, kApplicationTitle);
        return false;
    }
    workbench.statusPanels[0] = "working file: " + *name;
    if (name->find(".xls") != std::string::npos) return ImportWorkbook(workbench, *name, ui);
    return ImportText(workbench, *name, ui);
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

void SaveSheetAs(Workbench& workbench, UserInterface& ui)
{
    if (const auto name = SaveTextFile(ui, kSaveSheetDialog, SheetPieces(workbench.sheet)))
        workbench.statusPanels[0] = "working file: " + *name;
}

} // namespace etp
