#include "pipeline/CropStep.h"

#include <algorithm>
#include <cmath>

#include "base/FileBytes.h"
#include "et/MethodTable.h"
#include "sheet/DecimalText.h"
#include "workbench/CropBalanceCommands.h"

namespace etp {

namespace {

CropBalanceTexts Texts(const CropOptions& options)
{
    CropBalanceTexts texts;
    texts.etLabel = options.et;
    texts.trigger = options.trigger;
    texts.depth = options.depth;
    if (!options.efficiency.empty()) texts.efficiency = options.efficiency;
    return texts;
}

CropBalanceNames Names(const CropOptions& options)
{
    return {options.crop, options.irrigation, "--crop-auto", "--crop-depth", "--crop-efficiency"};
}

// The whole text of a file into text; false after a message naming it.
bool ReadText(const std::string& path, std::string& text, UserInterface& ui)
{
    std::string reason;
    const auto bytes = FileBytes::open(path, reason);
    if (!bytes) {
        ui.message("The file " + path + " cannot be read: " + reason + ".", kApplicationTitle, Icon::Critical);
        return false;
    }
    text = bytes->bytes();
    return true;
}

} // namespace

std::optional<std::string> CheckCropOptions(const CropOptions& options)
{
    if (options.crop.empty()) {
        const std::pair<const char*, bool> given[] = {
            {"--crop-et", !options.et.empty()},          {"--crop-irrigation", !options.irrigation.empty()},
            {"--crop-auto", !options.trigger.empty()},   {"--crop-depth", !options.depth.empty()},
            {"--crop-efficiency", !options.efficiency.empty()}, {"--crop-out", !options.out.empty()},
            {"--crop-summary", !options.summary.empty()}, {"--crop-into-rain", options.intoRain}};
        for (const auto& [name, set] : given)
            if (set) return std::string(name) + " needs --crop FILE";
        return std::nullopt;
    }
    if (!options.et.empty() && std::find(kEtLabels.begin(), kEtLabels.end(), options.et) == kEtLabels.end())
        return "--crop-et: the ET label must be one of " + EtLabelList() + ": \"" + options.et + "\"";
    if (!options.depth.empty() && options.trigger.empty()) return std::string("--crop-depth needs --crop-auto");
    return CropIrrigationTextProblem(Texts(options), Names(options));
}

bool RunCropStep(Workbench& workbench, const CropOptions& options, std::ostream& out, UserInterface& ui)
{
    if (options.crop.empty()) return true;
    CropBalanceTexts texts = Texts(options);
    if (!ReadText(options.crop, texts.description, ui)) return false;
    if (!options.irrigation.empty() && !ReadText(options.irrigation, texts.irrigations, ui)) return false;
    const auto balance = RunCropBalance(workbench, texts, Names(options), ui);
    if (!balance || !WriteCropBalanceFiles(ui, *balance, options.out, options.summary)) return false;
    for (const CropBalanceDay& d : balance->days)
        if (d.gross > 0) out << "crop irrigation: " << d.date << ' ' << DecimalText(std::round(d.gross * 100) / 100) << " mm\n";
    return !options.intoRain || AddCropIrrigationToRain(workbench, *balance, ui);
}

} // namespace etp
