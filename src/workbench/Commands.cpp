#include "workbench/Commands.h"

#include "et/MethodTable.h"
#include "sheet/AutoFind.h"
#include "sheet/DecimalText.h"
#include "sheet/NumericValue.h"

namespace etp {

void TryAutoFinding(Workbench& workbench, UserInterface& ui)
{
    auto busy = ui.busy(Pointer::Busy);
    AutoFind(workbench.sheet, kResultLabels, workbench.columns, workbench.units);
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

} // namespace etp
