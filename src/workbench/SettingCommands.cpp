#include "workbench/SettingCommands.h"

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
    if (!workbench.stationSet) {
        workbench.statusPanels[1] = kStationNotSet;
        workbench.statusPanels[2].clear();
        workbench.statusPanels[3].clear();
        return;
    }
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
    workbench.stationSet = true;
    ShowStationInStatusBar(workbench);
    return std::nullopt;
}

std::optional<HargreavesCoefficients> ReadHargreaves(const HargreavesTexts& texts, HargreavesBox& wrong,
                                                     UserInterface& ui)
{
    struct Box {
        const char* name;
        double least, most;
        const char* range;
    };
    // Wide enough for every published variant and for a fit against PenMon (about 0.0015 to
    // 0.004 for a); a 0 or negative a, or an exponent of 2, is a typing slip.
    static constexpr std::array<Box, 3> kBoxes = {{{"a", 0.0001, 0.01, "from 0.0001 to 0.01"},
                                                   {"b", 0, 40, "from 0 to 40"},
                                                   {"c", 0.1, 1, "from 0.1 to 1"}}};
    std::array<double, 3> values{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const Box& box = kBoxes[i];
        std::string problem;
        if (!IsFiniteNumberText(texts[i])) {
            problem = " is not a number: \"";
        } else {
            values[i] = NumericValue(texts[i]);
            if (values[i] < box.least || values[i] > box.most) problem = std::string(" must be ") + box.range + ": \"";
        }
        if (!problem.empty()) {
            ui.message(std::string("The value of ") + box.name + problem + texts[i] + "\"", kApplicationTitle, Icon::Critical);
            wrong = static_cast<HargreavesBox>(i);
            return std::nullopt;
        }
    }
    return HargreavesCoefficients{values[0], values[1], values[2]};
}

std::optional<HargreavesBox> ApplyHargreaves(Workbench& workbench, const HargreavesTexts& texts, UserInterface& ui)
{
    HargreavesBox wrong{};
    const auto coefficients = ReadHargreaves(texts, wrong, ui);
    if (!coefficients) return wrong;
    workbench.hargreaves = *coefficients;
    return std::nullopt;
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
