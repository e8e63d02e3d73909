// libFuzzer target: "Try auto finding" over any text file. Every box must end as "?",
// "0" (sunshine only) or the number of a column whose title has the box's keyword; the
// units must be entries of their lists; and the titles' case must not matter.
//   fuzz/run.sh autofind [SECONDS]
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "sheet/AutoFind.h"
#include "sheet/SheetQueries.h"
#include "import/TextImport.h"

namespace {

std::string Upper(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

// The keyword every title of a box's column holds (one of them for wind).
bool TitleFits(etp::ColumnBox box, const std::string& title)
{
    const auto has = [&](const char* word) { return title.find(word) != std::string::npos; };
    switch (box) {
    case etp::ColumnBox::Date: return has("DAT");
    case etp::ColumnBox::Tmin: return has("MIN") && has("T");
    case etp::ColumnBox::Tmax: return has("MAX") && has("T");
    case etp::ColumnBox::RHmin: return has("MIN") && has("R");
    case etp::ColumnBox::RHmax: return has("MAX") && has("R");
    case etp::ColumnBox::Radiation: return has("RAD");
    case etp::ColumnBox::Wind: return has("WI") || has("VE");
    case etp::ColumnBox::Sunshine: break;
    }
    return has("ELI");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1) return 0;
    etp::UnitSelection units;
    units.index = {data[0] % 4, data[0] / 4 % 2, data[0] / 8 % 2, data[0] / 16 % 2};
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    etp::MeteoSheet sheet;
    etp::ReadTextLines(sheet, bytes);
    etp::ColumnMap columns;
    etp::AutoFind(sheet, {}, columns, units);

    const int used = etp::UsedColumnCount(sheet);
    for (const etp::ColumnBox box : etp::kAllColumnBoxes) {
        const std::string& text = columns.text[box];
        if (text == "?" || text == "0") continue;
        const int column = columns.column(box);
        if (column < 1 || column > used || std::to_string(column) != text) etp::fuzz::Fail("box text", text);
        if (!TitleFits(box, Upper(sheet.cellText(1, column))) && etp::KnownTitleBox(sheet.cellText(1, column)) != box)
            etp::fuzz::Fail("box names a column without its keyword", text);
    }
    for (const etp::UnitKind kind : etp::kAllUnitKinds)
        if (units.index[kind] < 0 || units.index[kind] >= std::ssize(etp::UnitSelection::list(kind))) etp::fuzz::Fail("unit index");

    // The same file with lower-case titles finds the same columns and units.
    etp::MeteoSheet lower = sheet;
    for (int c = 1; c <= lower.columnCount(); ++c) lower.setCellText(1, c, Lower(sheet.cellText(1, c)));
    etp::ColumnMap lowerColumns;
    etp::UnitSelection lowerUnits;
    lowerUnits.index = {data[0] % 4, data[0] / 4 % 2, data[0] / 8 % 2, data[0] / 16 % 2};
    etp::AutoFind(lower, {}, lowerColumns, lowerUnits);
    if (lowerColumns.text != columns.text || lowerUnits.index != units.index) etp::fuzz::Fail("title case changed the result");
    return 0;
}
