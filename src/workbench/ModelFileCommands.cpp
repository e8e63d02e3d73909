#include "workbench/ModelFileCommands.h"

namespace etp {

bool BuildCreamsTable(const Workbench& workbench, CreamsTable& table, UserInterface& ui)
{
    return BuildCreamsTable(workbench.sheet, workbench.columns, workbench.units, table, ui);
}

bool SaveCreamsRain(const Workbench& workbench, UserInterface& ui)
{
    return SaveCreamsRain(workbench.sheet, workbench.columns, ui);
}

void SaveCreamsAll(const Workbench& workbench, const CreamsTable& table, UserInterface& ui)
{
    SaveCreamsAll(table, workbench.sheet, workbench.columns, ui);
}

LeachmSettings NewLeachmSettings(const Workbench& workbench, UserInterface& ui)
{
    LeachmSettings settings;
    FillMethodChoice(settings.methods, workbench.sheet, ui);
    return settings;
}

bool SaveLeachmRain(const Workbench& workbench, const LeachmSettings& settings, UserInterface& ui)
{
    return SaveLeachmRain(workbench.sheet, workbench.columns, settings, ui);
}

bool SaveLeachmEtp(const Workbench& workbench, const LeachmSettings& settings, UserInterface& ui)
{
    return SaveLeachmEtp(workbench.sheet, workbench.columns, settings, ui);
}

void SaveLeachmAll(const Workbench& workbench, const LeachmSettings& settings, UserInterface& ui)
{
    SaveLeachmAll(workbench.sheet, workbench.columns, settings, ui);
}

MethodChoice NewMethodChoice(const Workbench& workbench, UserInterface& ui)
{
    MethodChoice methods;
    FillMethodChoice(methods, workbench.sheet, ui);
    return methods;
}

bool SaveMacroRain(const Workbench& workbench, UserInterface& ui) { return SaveMacroRain(workbench.sheet, workbench.columns, ui); }

bool SaveMacroEtp(const Workbench& workbench, const MethodChoice& methods, UserInterface& ui)
{
    return SaveMacroEtp(workbench.sheet, workbench.columns, methods, ui);
}

void SaveMacroAll(const Workbench& workbench, const MethodChoice& methods, UserInterface& ui)
{
    SaveMacroAll(workbench.sheet, workbench.columns, methods, ui);
}

} // namespace etp
