#include "models/ModelFile.h"

#include <cmath>

#include "base/ArithmeticError.h"
#include "base/AtomicFile.h"
#include "models/DayNumbers.h"
#include "sheet/NumericValue.h"
#include "sheet/SheetQueries.h"

namespace etp {

std::optional<std::string> AskOutputFile(UserInterface& ui, const SaveDialog& dialog)
{
    auto name = ui.chooseSaveFile(dialog.initialName, dialog.title);
    if (!name || name->empty() || name->find_first_of("*?") != std::string::npos) return std::nullopt;
    return name;
}

int RainColumnOrMessage(const MeteoSheet& sheet, UserInterface& ui)
{
    const int column = FindRainColumn(sheet);
    if (column == 0) ui.message(kNoRainMessage, kApplicationTitle);
    return column;
}

bool WriteModelFile(const std::string& path, const std::function<std::string()>& build, UserInterface& ui)
{
    auto busy = ui.busy(Pointer::Busy);
    std::string content;
    try {
        content = build();
    } catch (const RefusedInput& refusal) {
        ui.message(refusal.what(), kApplicationTitle, Icon::Critical);
        return false;
    } catch (const ArithmeticError& error) {
        ui.message(std::string("Arithmetic error: ") + error.what(), kApplicationTitle, Icon::Critical);
        return false;
    }
    if (const auto failure = WriteFileAtomically(path, content)) {
        ui.message("The file " + path + " could not be written: " + *failure + ".", kApplicationTitle, Icon::Critical);
        return false;
    }
    return true;
}

bool SaveRainFile(const MeteoSheet& sheet, const SaveDialog& dialog, UserInterface& ui,
                  const std::function<std::string(int rainColumn)>& build)
{
    const auto path = AskOutputFile(ui, dialog);
    if (!path) return false;
    const int rainColumn = RainColumnOrMessage(sheet, ui);
    if (rainColumn == 0) return false;
    return WriteModelFile(*path, [&] { return build(rainColumn); }, ui);
}

double FiniteCellValue(const MeteoSheet& sheet, int row, int column)
{
    const std::string_view text = sheet.cellText(row, column);
    const double value = NumericValue(text);
    if (!std::isfinite(value))
        throw RefusedInput("The value in row " + std::to_string(row) + ", column " + std::to_string(column) +
                           " is too large to be written: \"" + std::string(text) + "\"");
    return value;
}

int RowDayNumber(const MeteoSheet& sheet, int row, int dateColumn, double firstYear, bool refuseEarlierYear)
{
    const std::string_view text = sheet.cellText(row, dateColumn);
    const PositionalDate date = ReadDateByPosition(text);
    if (refuseEarlierYear && std::nearbyint(date.year) < std::nearbyint(firstYear))
        throw RefusedInput("The dates go back to an earlier year at row " + std::to_string(row) + " (\"" +
                           std::string(text) + "\"): day and week numbers cannot run on from year 99 into year 00.");
    const auto day = DayNumber(date, firstYear);
    if (!day)
        throw RefusedInput("The date in row " + std::to_string(row) + " has no month from 1 to 12 in characters 4-5: \"" +
                           std::string(text) + "\"");
    return *day;
}

} // namespace etp
