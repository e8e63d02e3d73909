#include "workbench/IrrigationCommands.h"

#include <functional>

#include "sheet/SheetQueries.h"
#include "base/Messages.h"
#include "workbench/ModelFileCommands.h"
#include "workbench/ShowOutcome.h"

namespace etp {

namespace {

// The texts are checked before the pointer turns busy; the rain column is looked for
// under it. apply runs with the rain column and adds to it.
bool Irrigate(Workbench& workbench, const std::optional<std::string>& textProblem, UserInterface& ui,
              const std::function<IrrigationRun(int rainColumn)>& apply,
              std::vector<IrrigationApplication>& applications)
{
    if (textProblem) {
        ui.message(*textProblem, kApplicationTitle, Icon::Exclamation);
        return false;
    }
    auto busy = ui.busy(Pointer::Busy);
    const int rainColumn = FindRainColumn(workbench.sheet);
    if (rainColumn == 0) {
        ui.message(kNoRainMessage, kApplicationTitle);
        return false;
    }
    IrrigationRun run = apply(rainColumn);
    if (!run.outcome.done()) {
        ShowOutcome(run.outcome, ui);
        return false;
    }
    applications = std::move(run.applications);
    return true;
}

bool ApplyOnDemandWithEtOf(Workbench& workbench, int etColumn, const OnDemandIrrigationTexts& texts, UserInterface& ui)
{
    return Irrigate(
        workbench, OnDemandIrrigationTextProblem(texts), ui,
        [&](int rainColumn) { return ApplyOnDemandIrrigation(workbench.sheet, workbench.columns, rainColumn, etColumn, texts); },
        workbench.onDemandApplications);
}

} // namespace

bool ApplyTurned(Workbench& workbench, const TurnedIrrigationTexts& texts, UserInterface& ui)
{
    return Irrigate(
        workbench, TurnedIrrigationTextProblem(texts), ui,
        [&](int rainColumn) { return ApplyTurnedIrrigation(workbench.sheet, workbench.columns, rainColumn, texts); },
        workbench.turnedApplications);
}

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
