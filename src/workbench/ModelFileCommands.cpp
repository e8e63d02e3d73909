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

// How one save of a "Save all" ended: a cancelled file stops the saves after it.
enum class Saved { Written, Cancelled, Failed };

Saved Written(bool written) { return written ? Saved::Written : Saved::Failed; }

// The name the dialog proposes: the data file's with the dialog's extension.
std::string Proposed(const Workbench& workbench, const SaveDialog& dialog)
{
    return ProposedSaveName(workbench.workingFile.path, dialog);
}

// A rain file: the file is asked for first, then the rain column is looked for ("No
// rain in data sheet" and nothing written when there is none).
Saved SaveRainFile(const Workbench& workbench, const SaveDialog& dialog, UserInterface& ui,
                   const std::function<std::string(int rainColumn)>& build)
{
    const auto path = AskSaveName(ui, dialog, Proposed(workbench, dialog));
    if (!path) return Saved::Cancelled;
    const int rainColumn = FindRainColumn(workbench.sheet);
    if (rainColumn == 0) {
        ui.message(kNoRainMessage, kApplicationTitle);
        return Saved::Failed;
    }
    return Written(WriteTextFile(ui, *path, [&] { return build(rainColumn); }));
}

// An ET file: the ET column is chosen before the file is asked for.
Saved SaveEtFile(const Workbench& workbench, const MethodChoice& methods, const SaveDialog& dialog, UserInterface& ui,
                 const std::function<std::string(int etColumn)>& build)
{
    const int etColumn = ChosenEtColumn(methods, workbench.sheet, ui);
    if (etColumn == 0) return Saved::Failed;
    const auto path = AskSaveName(ui, dialog, Proposed(workbench, dialog));
    if (!path) return Saved::Cancelled;
    return Written(WriteTextFile(ui, *path, [&] { return build(etColumn); }));
}

// "Save all" saves the first file, then the second unless the first was cancelled; then
// it says which file it did not write.
void SaveBoth(const std::function<Saved()>& first, const std::function<Saved()>& second, const char* secondNotWritten,
              UserInterface& ui)
{
    if (first() != Saved::Cancelled) {
        second();
        return;
    }
    ui.message(std::string("Save all was cancelled: ") + secondNotWritten + ".", kApplicationTitle, Icon::Information);
}

Saved SaveCreamsTr(const Workbench& workbench, const CreamsTable& table, UserInterface& ui)
{
    if (!table.refusal().empty()) {
        ui.message(table.refusal(), kApplicationTitle, Icon::Critical);
        return Saved::Failed;
    }
    const auto path = AskSaveName(ui, kCreamsTemperatureRadiationDialog,
                                  Proposed(workbench, kCreamsTemperatureRadiationDialog));
    if (!path) return Saved::Cancelled;
    return Written(WriteTextFile(ui, *path, [&] { return CreamsTemperatureRadiationText(table); }));
}

Saved SaveCreamsRainFile(const Workbench& workbench, UserInterface& ui)
{
    return SaveRainFile(workbench, kCreamsRainDialog, ui,
                        [&](int rainColumn) { return CreamsRainText(workbench.sheet, workbench.columns, rainColumn); });
}

Saved SaveLeachmRainFile(const Workbench& workbench, const LeachmSettings& settings, UserInterface& ui)
{
    return SaveRainFile(workbench, kLeachmRainDialog, ui, [&](int rainColumn) {
        return LeachmRainText(workbench.sheet, workbench.columns, rainColumn, settings.dates, LeachmNitrogen(settings));
    });
}

Saved SaveLeachmEtpFile(const Workbench& workbench, const LeachmSettings& settings, UserInterface& ui)
{
    return SaveEtFile(workbench, settings.methods, kLeachmEtpDialog, ui,
                      [&](int etColumn) { return LeachmEtpText(workbench.sheet, workbench.columns, etColumn, workbench.units); });
}

Saved SaveMacroRainFile(const Workbench& workbench, UserInterface& ui)
{
    return SaveRainFile(workbench, kMacroRainDialog, ui, [&](int rainColumn) {
        return MacroDailyText(workbench.sheet, workbench.columns, rainColumn, MacroFile::Rain);
    });
}

Saved SaveMacroEtpFile(const Workbench& workbench, const MethodChoice& methods, UserInterface& ui)
{
    return SaveEtFile(workbench, methods, kMacroEtpDialog, ui, [&](int etColumn) {
        return MacroDailyText(workbench.sheet, workbench.columns, etColumn, MacroFile::Etp);
    });
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

bool SaveCreamsTemperatureRadiation(const Workbench& workbench, const CreamsTable& table, UserInterface& ui)
{
    return SaveCreamsTr(workbench, table, ui) == Saved::Written;
}

bool SaveCreamsRain(const Workbench& workbench, UserInterface& ui)
{
    return SaveCreamsRainFile(workbench, ui) == Saved::Written;
}

void SaveCreamsAll(const Workbench& workbench, const CreamsTable& table, UserInterface& ui)
{
    SaveBoth([&] { return SaveCreamsTr(workbench, table, ui); }, [&] { return SaveCreamsRainFile(workbench, ui); },
             kCreamsRainNotWritten, ui);
}

LeachmSettings NewLeachmSettings(const Workbench& workbench, UserInterface& ui)
{
    LeachmSettings settings;
    settings.methods = NewMethodChoice(workbench, ui);
    return settings;
}

bool SaveLeachmRain(const Workbench& workbench, const LeachmSettings& settings, UserInterface& ui)
{
    return SaveLeachmRainFile(workbench, settings, ui) == Saved::Written;
}

bool SaveLeachmEtp(const Workbench& workbench, const LeachmSettings& settings, UserInterface& ui)
{
    return SaveLeachmEtpFile(workbench, settings, ui) == Saved::Written;
}

void SaveLeachmAll(const Workbench& workbench, const LeachmSettings& settings, UserInterface& ui)
{
    SaveBoth([&] { return SaveLeachmRainFile(workbench, settings, ui); },
             [&] { return SaveLeachmEtpFile(workbench, settings, ui); }, kLeachmEtpNotWritten, ui);
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
    return SelectedEtColumn(choice, sheet);
}

bool SaveMacroRain(const Workbench& workbench, UserInterface& ui)
{
    return SaveMacroRainFile(workbench, ui) == Saved::Written;
}

bool SaveMacroEtp(const Workbench& workbench, const MethodChoice& methods, UserInterface& ui)
{
    return SaveMacroEtpFile(workbench, methods, ui) == Saved::Written;
}

void SaveMacroAll(const Workbench& workbench, const MethodChoice& methods, UserInterface& ui)
{
    SaveBoth([&] { return SaveMacroRainFile(workbench, ui); }, [&] { return SaveMacroEtpFile(workbench, methods, ui); },
             kMacroEtpNotWritten, ui);
}

} // namespace etp
