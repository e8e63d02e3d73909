// libFuzzer target: any bytes as a weather text file. A TAB file's cells must hold exactly
// the fields a plain split at CR LF, CR, LF and TAB gives, fields beyond the last column
// must be counted, and the sheet saved as text and read again must give the same cells.
// A CSV file (no TAB in the first line, but ";" or ",") must import without a fault.
//   fuzz/run.sh text [SECONDS]
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "sheet/MeteoSheet.h"
#include "import/TextImport.h"
#include "workbench/FileCommands.h"

namespace {

using Line = std::vector<std::string_view>;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The reference reading of a TAB file: one line per CR LF, CR or LF, fields at TAB.
std::vector<Line> Split(std::string_view bytes)
{
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        auto end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = bytes.size();
        Line fields;
        const auto line = bytes.substr(start, end - start);
        for (std::size_t from = 0;;) {
            const auto tab = line.find('\t', from);
            fields.push_back(line.substr(from, tab == std::string_view::npos ? std::string_view::npos : tab - from));
            if (tab == std::string_view::npos) break;
            from = tab + 1;
        }
        lines.push_back(std::move(fields));
        start = end + 1;
        if (end < bytes.size() && bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
    }
    return lines;
}

bool IsCsv(std::string_view bytes)
{
    const auto first = bytes.substr(0, bytes.find_first_of("\r\n"));
    return first.find('\t') == std::string_view::npos && first.find_first_of(";,") != std::string_view::npos;
}

void ExpectSameCells(const etp::MeteoSheet& a, const etp::MeteoSheet& b, int rows, int columns)
{
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= columns; ++c)
            if (a.cellText(r, c) != b.cellText(r, c))
                etp::fuzz::Fail("cell changed by saving and reading again at", std::to_string(r) + "," + std::to_string(c));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    etp::MeteoSheet sheet;
    const auto report = etp::ReadTextLines(sheet, bytes);
    (void)etp::TextImportProblem(bytes);
    if (sheet.rowCount() < report.lines) etp::fuzz::Fail("sheet shorter than the file");
    if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
    if (IsCsv(bytes)) return 0;
    const auto lines = Split(bytes);
    if (report.lines != static_cast<int>(lines.size())) etp::fuzz::Fail("line count");

    int dropped = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        const auto& fields = lines[i];
        for (int c = 1; c <= etp::MeteoSheet::kMaxColumns; ++c) {
            const std::string_view expected = c <= static_cast<int>(fields.size()) ? fields[c - 1] : std::string_view();
            if (sheet.cellText(row, c) != expected)
                etp::fuzz::Fail("cell differs from its field at", std::to_string(row) + "," + std::to_string(c));
        }
        for (std::size_t k = etp::MeteoSheet::kMaxColumns; k < fields.size(); ++k) dropped += !fields[k].empty();
    }
    if (report.droppedFields != dropped) etp::fuzz::Fail("dropped field count");

    // A first cell that still starts with a byte-order mark loses it when read again.
    if (sheet.cellText(1, 1).starts_with(kByteOrderMark)) return 0;
    // A sheet of one column whose first cell holds ";" or "," is saved as a line that
    // reads as CSV.
    const std::string saved = etp::SheetAsText(sheet);
    if (IsCsv(saved)) return 0;
    etp::MeteoSheet again;
    etp::ReadTextLines(again, saved);
    if (again.lastNonEmptyRow() != sheet.lastNonEmptyRow() || again.lastNonEmptyColumn() != sheet.lastNonEmptyColumn())
        etp::fuzz::Fail("saving and reading again changed the sheet's extent");
    ExpectSameCells(sheet, again, sheet.lastNonEmptyRow(), sheet.lastNonEmptyColumn());
    return 0;
}
