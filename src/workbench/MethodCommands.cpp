#include "workbench/MethodCommands.h"

#include <algorithm>

#include "analysis/HargreavesCalibration.h"
#include "et/Compute.h"
#include "et/MethodAvailability.h"
#include "workbench/ShowOutcome.h"

namespace etp {

bool OpenMethods(Workbench& workbench, UserInterface& ui)
{
    switch (OpenMethodDialog(workbench.columns, workbench.methods, workbench.estimates)) {
    case ColumnCheck::Passed: return true;
    case ColumnCheck::VariableMissing: ui.message(kProblemsInVariables, kApplicationTitle, Icon::Critical); break;
    // The two questions have OK and Cancel; the answer makes no difference.
    case ColumnCheck::NoRadiationOrSunshine:
        ui.question(kNoRadiationOrSunshine, kApplicationTitle, Icon::Critical, Buttons::OkCancel);
        break;
    case ColumnCheck::WindMissing:
        ui.question(kProblemsInVariables, kApplicationTitle, Icon::Critical, Buttons::OkCancel);
        break;
    }
    return false;
}

bool ConfirmMethods(const Workbench& workbench, MethodDialog dialog, UserInterface& ui)
{
    const Outcome outcome = ConfirmMethodDialog(dialog, workbench.methods);
    if (!outcome.done()) ShowOutcome(outcome, ui);
    return outcome.done();
}

ComputeOutcome ComputeResults(Workbench& workbench, UserInterface& ui)
{
    // Nothing to run, or nothing to run it on: said before anything else is asked.
    const auto& checked = workbench.methods.checked;
    if (std::none_of(checked.begin(), checked.end(), [](bool ticked) { return ticked; })) {
        ui.message(kNoMethodTicked, kApplicationTitle, Icon::Exclamation);
        return ComputeOutcome::Refused;
    }
    if (workbench.sheet.lastNonEmptyRow() == 0) { // no file open, nothing typed
        ui.message(kNoDataToCompute, kApplicationTitle, Icon::Exclamation);
        return ComputeOutcome::Refused;
    }
    // A file opened for the first time: its station is asked for (the station dialog) first.
    if (!workbench.stationSet) return ComputeOutcome::StationRequested;
    auto busy = ui.busy(Pointer::Busy);
    const StationValues station = ReadStationValues(workbench.station);
    const ComputeSettings settings{workbench.columns, workbench.units, station, workbench.methods,
                                   workbench.hargreaves, workbench.estimates, workbench.methodOptions};
    Outcome outcome = CheckComputeSettings(settings);
    // A station box is checked as typed, so that its message shows the text; a sheet
    // without dates is told first.
    if (const auto problem = CheckStation(workbench.station); problem && workbench.columns.dateForm() != DateForm::None)
        outcome = Outcome::Refused(problem->message);
    if (outcome.done()) {
        if (StationAtOrigin(station) &&
            ui.question(kStationQuestion, kApplicationTitle, Icon::Question, Buttons::OkCancel) == Answer::Cancel)
            return ComputeOutcome::StationRequested;
        outcome = Compute(workbench.sheet, settings, workbench.previousMeanTemperature);
    }
    ShowOutcome(outcome, ui);
    switch (outcome.kind) {
    case Outcome::Kind::Done: return ComputeOutcome::Completed;
    case Outcome::Kind::Refused: return ComputeOutcome::Refused;
    case Outcome::Kind::Stopped: return ComputeOutcome::Stopped;
    }
    return ComputeOutcome::Stopped;
}

CalibrationOutcome CalibrateHargreavesCommand(Workbench& workbench, const HargreavesTexts& texts, HargreavesBox& wrong,
                                              UserInterface& ui)
{
    const auto shown = ReadHargreaves(texts, wrong, ui);
    if (!shown) return CalibrationOutcome::WrongBox;
    std::optional<HargreavesFit> fit;
    std::string refusal;
    {
        auto busy = ui.busy(Pointer::Busy);
        fit = CalibrateHargreaves(workbench, *shown, refusal);
    }
    if (!fit) {
        ui.message(refusal, kApplicationTitle, Icon::Exclamation);
        return CalibrationOutcome::NoFit;
    }
    const std::string question = CalibrationText(*fit) + "\nUse the fitted a in the Hargreaves coefficients?";
    if (ui.question(question, kApplicationTitle, Icon::Question, Buttons::YesNo) != Answer::Yes)
        return CalibrationOutcome::Declined;
    workbench.hargreaves = *shown;
    workbench.hargreaves.a = fit->fittedA;
    return CalibrationOutcome::Taken;
}

std::optional<int> ApplyPriestleyTaylorOptions(Workbench& workbench, const std::string& alpha, const std::string& krs,
                                               UserInterface& ui)
{
    MethodOptions options = workbench.methodOptions;
    auto problem = ReadPriestleyTaylorAlpha(alpha, options.priestleyTaylorAlpha);
    const int box = problem ? 0 : 1;
    if (!problem) problem = ReadPtExtradKrs(krs, options.ptExtradKrs);
    if (problem) {
        ui.message(*problem, kApplicationTitle, Icon::Critical);
        return box;
    }
    workbench.methodOptions = options;
    return std::nullopt;
}

} // namespace etp
