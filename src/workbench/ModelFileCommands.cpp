#include "workbench/ModelFileCommands.h"

#include <functional>

#include "models/CreamsWriter.h"
#include "models/MacroWriter.h"
#include "models/ModelFile.h"
#include "sheet/SheetQueries.h"
#include "base/Messages.h"
#include "workbench/SaveTextFile.h"

namespace etp {

namespace {

// A rain file: the file is asked for first, then the rain column is looked for ("No
// rain in data sheet" and nothing written when there is none).
bool SaveRainFile(const Workbench& workbench, const SaveDialog& dialog, UserInterface& ui,
                  const std::function<std::string(int rainColumn)>& build)
{
    const auto path = AskSaveName(ui, dialog);
    if (!path) return false;
    const int rainColumn = FindRainColumn(workbench.sheet);
    if (rainColumn == 0) {
        ui.message(kNoRainMessage, kApplicationTitle);
        return false;
    }
    return WriteTextFile(ui, *path, [&] { return build(rainColumn); });
}

// An ET file: the ET column is chosen before the file is asked for.
bool SaveEtFile(const Workbench& workbench, const MethodChoice& methods, const SaveDialog& dialog, UserInterface& ui,
                const std::function<std::string(int etColumn)>& build)
{
    const int etColumn = ChosenEtColumn(methods, workbench.sheet, ui);
    if (etColumn == 0) return false;
    return SaveTextFile(ui, dialog, [&] { return build(etColumn); }).has_value();
}

} // namespace

bool BuildCreamsTable(const Workbench& workbench, CreamsTable& table, UserInterface& ui)
{
    auto busy = ui.busy(Pointer::Busy);
    try {
        table.fill(CreamsMonthlyLines(workbench.sheet, workbench.columns, workbench.units));
        return true;
    } catch (const MissingInput& gap) {
        table.refuse(gap.what());
        ui.message(gap.what(), kApplicationTitle, Icon::Critical);
        return false;
    } catch (const RefusedInput& refusal) {
        table.fill({});
        ui.message(refusal.what(), kApplicationTitle, Icon::Critical);
        return false;
    }
}

bool SaveCreamsTemperatureRadiation(const CreamsTable& table, UserInterface& ui)
{
    if (!table.refusal().empty()) {
        ui.message(table.refusal(), kApplicationTitle, Icon::Critical);
        return false;
    }
    return SaveTextFile(ui, kCreamsTemperatureRadiationDialog, [&] { return CreamsTemperatureRadiationText(table); }).has_value();
}

bool SaveCreamsRain(const Workbench& workbench, UserInterface& ui)
{
    return SaveRainFile(workbench, kCreamsRainDialog, ui,
                        [&](int rainColumn) { return CreamsRainText(workbench.sheet, workbench.columns, rainColumn); });
}

void SaveCreamsAll(const Workbench& workbench, const CreamsTable& table, UserInterface& ui)
{
    SaveCreamsTemperatureRadiation(table, ui);
    SaveCreamsRain(workbench, ui);
}

LeachmSettings NewLeachmSettings(const Workbench& workbench, UserInterface& ui)
{
    LeachmSettings settings;
    settings.methods = NewMethodChoice(workbench, ui);
    return settings;
}

bool SaveLeachmRain(const Workbench& workbench, const LeachmSettings& settings, UserInterface& ui)
{
    return SaveRainFile(workbench, kLeachmRainDialog, ui, [&](int rainColumn) {
        return LeachmRainText(workbench.sheet, workbench.columns, rainColumn, settings.dates, LeachmNitrogen(settings));
    });
}

bool SaveLeachmEtp(const Workbench& workbench, const LeachmSettings& settings, UserInterface& ui)
{
    return SaveEtFile(workbench, settings.methods, kLeachmEtpDialog, ui,
                      [&](int etColumn) { return LeachmEtpText(workbench.sheet, workbench.columns, etColumn); });
}

void SaveLeachmAll(const Workbench& workbench, const LeachmSettings& settings, UserInterface& ui)
{
    SaveLeachmRain(workbench, settings, ui);
    SaveLeachmEtp(workbench, settings, ui);
}

MethodChoice NewMethodChoice(const Workbench& workbench, UserInterface& ui)
{
    MethodChoice methods;
    if (!FillMethodChoice(methods, workbench.sheet)) ui.message(kNoEtMessage, kApplicationTitle);
    return methods;
}

int ChosenEtColumn(const MethodChoice& choice, const MeteoSheet& sheet, UserInterface& ui)
{
    const std::vector<int> columns = ChosenEtColumns(choice, sheet);
    for (std::size_t i = 0; i < columns.size(); ++i) ui.beep();
    if (columns.empty()) {
        ui.message(kNoEtMessage, kApplicationTitle);
        return 0;
    }
    return columns.back();
}

bool SaveMacroRain(const Workbench& workbench, UserInterface& ui)
{
    return SaveRainFile(workbench, kMacroRainDialog, ui, [&](int rainColumn) {
        return MacroDailyText(workbench.sheet, workbench.columns, rainColumn, MacroFile::Rain);
    });
}

bool SaveMacroEtp(const Workbench& workbench, const MethodChoice& methods, UserInterface& ui)
{
    return SaveEtFile(workbench, methods, kMacroEtpDialog, ui, [&](int etColumn) {
        return MacroDailyText(workbench.sheet, workbench.columns, etColumn, MacroFile::Etp);
    });
}

void SaveMacroAll(const Workbench& workbench, const MethodChoice& methods, UserInterface& ui)
{
    SaveMacroRain(workbench, ui);
    SaveMacroEtp(workbench, methods, ui);
}

} // namespace etp
