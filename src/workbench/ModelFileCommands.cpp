#include "workbench/ModelFileCommands.h"

#include <algorithm>
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

// Days without a value in the columns a file reads refuse it before its file is asked for.
bool RefusedForGaps(const Workbench& workbench, const std::vector<FileColumn>& read, const char* notWritten,
                    UserInterface& ui)
{
    const auto refusal = MissingDaysRefusal(workbench.sheet, workbench.columns, read, notWritten);
    if (refusal) ui.message(*refusal, kApplicationTitle, Icon::Critical);
    return refusal.has_value();
}

// After a file that may hold estimated days: how many it holds, when the estimates are on
// or some are there.
void TellEstimatedDays(const Workbench& workbench, std::string_view file, const EstimatedDays& days, UserInterface& ui)
{
    if (days.count > 0 || workbench.estimates.any())
        ui.message(EstimatedDaysLine(file, days), kApplicationTitle, Icon::Information);
}

// A rain file: the rain column is looked for and its gaps refuse the file before it is
// asked for. Without a rain column the file is asked for first, then "No rain in data
// sheet" ends the save with nothing written.
Saved SaveRainFile(const Workbench& workbench, const SaveDialog& dialog, const char* notWritten, UserInterface& ui,
                   const std::function<std::string(int rainColumn)>& build)
{
    const int rainColumn = FindRainColumn(workbench.sheet);
    if (rainColumn != 0 && RefusedForGaps(workbench, RainFileColumns(workbench.sheet, rainColumn), notWritten, ui))
        return Saved::Failed;
    const auto path = AskSaveName(ui, dialog, Proposed(workbench, dialog));
    if (!path) return Saved::Cancelled;
    if (rainColumn == 0) {
        ui.message(kNoRainMessage, kApplicationTitle);
        return Saved::Failed;
    }
    return Written(WriteTextFile(ui, *path, [&] { return build(rainColumn); }));
}

// An ET file: the ET column is chosen and its gaps (and those of `columnsOf` it) refuse
// the file before the file is asked for. Once written, the file's estimated days are told.
Saved SaveEtFile(const Workbench& workbench, const MethodChoice& methods, const SaveDialog& dialog,
                 const char* notWritten, const char* file, UserInterface& ui,
                 const std::function<std::vector<FileColumn>(int etColumn)>& columnsOf,
                 const std::function<std::string(int etColumn)>& build)
{
    const int etColumn = ChosenEtColumn(methods, workbench.sheet, ui);
    if (etColumn == 0) return Saved::Failed;
    if (RefusedForGaps(workbench, columnsOf(etColumn), notWritten, ui)) return Saved::Failed;
    const auto path = AskSaveName(ui, dialog, Proposed(workbench, dialog));
    if (!path) return Saved::Cancelled;
    if (!WriteTextFile(ui, *path, [&] { return build(etColumn); })) return Saved::Failed;
    // The run that wrote the column, as recorded; the sheet's layout for a column read from a file.
    const auto run = std::find_if(workbench.computed.begin(), workbench.computed.end(),
                                  [etColumn](const ComputedColumn& c) { return c.column == etColumn; });
    const int estimated = run != workbench.computed.end() ? run->estimated : RunEstimatedColumn(workbench.sheet, etColumn);
    TellEstimatedDays(workbench, file,
                      EstimatedEtDays(workbench.sheet, etColumn, estimated, LastDataRow(workbench.sheet, workbench.columns)), ui);
    return Saved::Written;
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
    if (!WriteTextFile(ui, *path, [&] { return CreamsTemperatureRadiationText(table); })) return Saved::Failed;
    TellEstimatedDays(workbench, kCreamsTemperatureRadiationFile, table.estimated(), ui);
    return Saved::Written;
}

Saved SaveCreamsRainFile(const Workbench& workbench, UserInterface& ui)
{
    return SaveRainFile(workbench, kCreamsRainDialog, kCreamsRainNotWritten, ui,
                        [&](int rainColumn) { return CreamsRainText(workbench.sheet, workbench.columns, rainColumn); });
}

Saved SaveLeachmRainFile(const Workbench& workbench, const LeachmSettings& settings, UserInterface& ui)
{
    return SaveRainFile(workbench, kLeachmRainDialog, kLeachmRainNotWritten, ui, [&](int rainColumn) {
        return LeachmRainText(workbench.sheet, workbench.columns, rainColumn, settings.dates, LeachmNitrogen(settings));
    });
}

Saved SaveLeachmEtpFile(const Workbench& workbench, const LeachmSettings& settings, UserInterface& ui)
{
    return SaveEtFile(
        workbench, settings.methods, kLeachmEtpDialog, kLeachmEtpNotWritten, kLeachmEtpFile, ui,
        [&](int etColumn) { return LeachmEtpColumns(workbench.sheet, workbench.columns, etColumn); },
        [&](int etColumn) { return LeachmEtpText(workbench.sheet, workbench.columns, etColumn, workbench.units); });
}

Saved SaveMacroRainFile(const Workbench& workbench, UserInterface& ui)
{
    return SaveRainFile(workbench, kMacroRainDialog, kMacroRainNotWritten, ui, [&](int rainColumn) {
        return MacroDailyText(workbench.sheet, workbench.columns, rainColumn, MacroFile::Rain);
    });
}

Saved SaveMacroEtpFile(const Workbench& workbench, const MethodChoice& methods, UserInterface& ui)
{
    return SaveEtFile(
        workbench, methods, kMacroEtpDialog, kMacroEtpNotWritten, kMacroEtpFile, ui,
        [&](int etColumn) { return MacroEtpColumns(workbench.sheet, etColumn); },
        [&](int etColumn) { return MacroDailyText(workbench.sheet, workbench.columns, etColumn, MacroFile::Etp); });
}

} // namespace

bool BuildCreamsTable(const Workbench& workbench, CreamsTable& table, UserInterface& ui)
{
    auto busy = ui.busy(Pointer::Busy);
    try {
        const ModelEstimates estimates{workbench.station, workbench.estimates};
        EstimatedDays estimated;
        auto lines = CreamsMonthlyLines(workbench.sheet, workbench.columns, workbench.units, &estimates, &estimated);
        table.fill(lines, estimated);
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
