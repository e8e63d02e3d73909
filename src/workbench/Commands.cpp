#include "workbench/Commands.h"

#include "et/MethodTable.h"
#include "sheet/AutoFind.h"
#include "sheet/DecimalText.h"
#include "sheet/NumericValue.h"

namespace etp {

void TryAutoFinding(Workbench& workbench, UserInterface& ui)
{
    auto busy = ui.busy(Pointer::Busy);
    const AutoFindResult found = AutoFind(workbench.sheet, kResultLabels, workbench.columns, workbench.units);
    // A wind column whose title names its height (NASA POWER's WS10M) measures there.
    if (found.windHeight && !workbench.stationGiven.windHeight && workbench.station.windHeight != found.windHeight) {
        workbench.station.windHeight = found.windHeight;
        ShowStationInStatusBar(workbench);
    }
}

std::string NumberText(double value)
{
    const std::string text = DecimalText(value);
    return text.front() == '-' ? text : " " + text;
}

void ShowStationInStatusBar(Workbench& workbench)
{
    const StationParameters& station = workbench.station;
    workbench.statusPanels[1] = "Latitude:" + NumberText(NumericValue(station.latitude)) + "°";
    workbench.statusPanels[2] = "Altitude a.s.l.:" + NumberText(NumericValue(station.altitude)) + " m";
    workbench.statusPanels[3] = "Wind speed measurement hight:" + NumberText(NumericValue(station.windHeight)) + " m";
}

std::optional<StationBox> ApplyStation(Workbench& workbench, UserInterface& ui)
{
    if (const auto problem = CheckStation(workbench.station)) {
        ui.message(problem->message, kApplicationTitle, Icon::Critical);
        return problem->box;
    }
    ShowStationInStatusBar(workbench);
    return std::nullopt;
}

bool ApplyHargreaves(Workbench& workbench, const std::array<std::string, 3>& texts, UserInterface& ui)
{
    static constexpr std::array<const char*, 3> kNames = {"a", "b", "c"};
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (!IsFiniteNumberText(texts[i])) {
            ui.message(std::string("The value of ") + kNames[i] + " is not a number: \"" + texts[i] + "\"",
                       kApplicationTitle, Icon::Critical);
            return false;
        }
    workbench.hargreaves = {NumericValue(texts[0]), NumericValue(texts[1]), NumericValue(texts[2])};
    return true;
}

namespace {

// The names CheckEstimateSettings gives the coefficients, in box order.
constexpr std::array<const char*, 4> kCoefficientNames = {"Angstrom a", "Angstrom b", "kRs", "K0"};

// The box to correct: the first whose typed value, added in box order to settings the
// check takes (a and b of 0, so that a + b is only refused once b is in), makes
// CheckEstimateSettings refuse them; it checks in box order too, so its message is
// about that box.
EstimateBox BoxAtFault(const EstimateSettings& typed)
{
    EstimateSettings partial{.angstromA = 0, .angstromB = 0};
    for (std::size_t i = 0; i < kEstimateCoefficients.size(); ++i) {
        partial.*kEstimateCoefficients[i] = typed.*kEstimateCoefficients[i];
        if (CheckEstimateSettings(partial)) return static_cast<EstimateBox>(i);
    }
    return EstimateBox::K0; // not reached: the typed settings were refused
}

} // namespace

std::optional<EstimateBox> ApplyEstimates(Workbench& workbench, const EstimateTexts& texts, UserInterface& ui)
{
    EstimateSettings typed{.radiation = texts.radiation, .humidity = texts.humidity, .wind = texts.wind};
    for (std::size_t i = 0; i < texts.coefficients.size(); ++i) {
        const std::string& text = texts.coefficients[i];
        if (!IsFiniteNumberText(text)) {
            ui.message(std::string(kCoefficientNames[i]) + " is not a number: \"" + text + "\"", kApplicationTitle,
                       Icon::Critical);
            return static_cast<EstimateBox>(i);
        }
        typed.*kEstimateCoefficients[i] = NumericValue(text);
    }
    if (const auto problem = CheckEstimateSettings(typed)) {
        ui.message(*problem, kApplicationTitle, Icon::Critical);
        return BoxAtFault(typed);
    }
    workbench.estimates = typed;
    return std::nullopt;
}

} // namespace etp
