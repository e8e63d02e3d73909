#include "pipeline/IrrigationStep.h"

#include <algorithm>
#include <vector>

#include "base/Text.h"
#include "et/MethodTable.h"
#include "sheet/DecimalText.h"
#include "sheet/SheetQueries.h"
#include "workbench/IrrigationCommands.h"

namespace etp {

namespace {

TurnedIrrigationTexts TurnedTexts(const std::string& option)
{
    const auto f = SplitCommas(option);
    return {f[0], f[1], f[2], f[3], f[4], f[5]};
}

OnDemandIrrigationTexts OnDemandTexts(const std::string& option)
{
    const auto f = SplitCommas(option);
    return {f[1], f[2], f[3], f[4]};
}

void Print(std::ostream& out, const char* kind, const std::vector<IrrigationApplication>& applications)
{
    for (const auto& a : applications) out << kind << ": " << a.date << ' ' << DecimalText(a.amount) << " mm\n";
}

} // namespace

std::optional<std::string> CheckIrrigationOptions(const IrrigationOptions& options)
{
    if (!options.turned.empty()) {
        if (SplitCommas(options.turned).size() != 6)
            return "--turned takes six texts START,END,FREQUENCY,AMOUNT,THRESHOLD,DAYS: \"" + options.turned + "\"";
        if (auto problem = TurnedIrrigationTextProblem(TurnedTexts(options.turned))) return "--turned: " + *problem;
    }
    if (!options.onDemand.empty()) {
        const auto fields = SplitCommas(options.onDemand);
        if (fields.size() != 5)
            return "--on-demand takes five texts ET,START,END,LIMIT,RESTORING: \"" + options.onDemand + "\"";
        if (std::find(kEtLabels.begin(), kEtLabels.end(), fields[0]) == kEtLabels.end())
            return "--on-demand: the ET label must be one of " + EtLabelList() + ": \"" +
                   fields[0] + "\"";
        if (auto problem = OnDemandIrrigationTextProblem(OnDemandTexts(options.onDemand)))
            return "--on-demand: " + *problem;
    }
    return std::nullopt;
}

bool ApplyIrrigation(Workbench& workbench, const IrrigationOptions& options, std::ostream& out, UserInterface& ui)
{
    if (!options.turned.empty()) {
        if (!ApplyTurned(workbench, TurnedTexts(options.turned), ui)) return false;
        Print(out, "turned irrigation", workbench.turnedApplications);
    }
    if (!options.onDemand.empty()) {
        if (!ApplyOnDemand(workbench, SplitCommas(options.onDemand)[0], OnDemandTexts(options.onDemand), ui)) return false;
        Print(out, "on-demand irrigation", workbench.onDemandApplications);
    }
    return true;
}

} // namespace etp
