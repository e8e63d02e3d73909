#include "pipeline/ModelFilesStep.h"

#include <algorithm>
#include <vector>

#include "et/MethodTable.h"
#include "sheet/NumericValue.h"
#include "sheet/SheetQueries.h"
#include "base/Messages.h"
#include "workbench/ModelFileCommands.h"
#include "workbench/SaveTextFile.h"

namespace etp {

namespace {

std::vector<std::string> SplitAtCommas(const std::string& text)
{
    std::vector<std::string> parts(1);
    for (const char c : text) {
        if (c == ',')
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

bool IsEtLabel(const std::string& label)
{
    return std::find(kEtLabels.begin(), kEtLabels.end(), label) != kEtLabels.end();
}

// The dialog's choice as it is created, then the label asked for, if any: a label the
// title row does not carry cannot be chosen.
bool ChooseEt(MethodChoice& methods, const Workbench& workbench, const std::string& label, UserInterface& ui)
{
    methods = NewMethodChoice(workbench, ui);
    if (!methods.enabled) return false;
    if (label.empty() || methods.selectLabel(label)) return true;
    ui.message(kNoEtMessage, kApplicationTitle);
    return false;
}

template <typename Save>
bool SaveTo(const std::string& path, ConsoleUserInterface& ui, Save save)
{
    if (path.empty()) return true;
    ui.queueSaveFile(path);
    return save();
}

} // namespace

std::optional<std::string> CheckModelFileOptions(const ModelFileOptions& options)
{
    for (const auto& [name, label] : {std::pair{"--leachm-et", &options.leachmEt}, std::pair{"--macro-et", &options.macroEt}})
        if (!label->empty() && !IsEtLabel(*label))
            return std::string(name) + " takes one of " + EtLabelList() + ": \"" + *label + "\"";
    bool day = false;
    if (auto problem = kLeachmDatesWords.read(options.leachmDates, day, false)) return problem;
    const auto nitrogen = SplitAtCommas(options.leachmN);
    if (nitrogen.size() != 3 || !std::all_of(nitrogen.begin(), nitrogen.end(), [](const std::string& n) { return IsNumberText(n); }))
        return "--leachm-n takes three numbers UREA,AMMONIUM,NITRATE: \"" + options.leachmN + "\"";
    const std::pair<const char*, const std::string*> files[] = {
        {"--creams-tr", &options.creamsTr},   {"--creams-rain", &options.creamsRain}, {"--leachm-rain", &options.leachmRain},
        {"--leachm-etp", &options.leachmEtp}, {"--macro-rain", &options.macroRain},   {"--macro-etp", &options.macroEtp}};
    for (const auto& [name, file] : files)
        if (HasWildcard(*file))
            return std::string(name) + " takes a file name without * or ?: \"" + *file + "\"";
    return std::nullopt;
}

bool WriteModelFiles(const Workbench& workbench, const ModelFileOptions& options, ConsoleUserInterface& ui)
{
    if (!options.creamsTr.empty() || !options.creamsRain.empty()) {
        CreamsTable table; // the "&CREAMS" command fills it before its dialog shows
        // A day without its temperature or radiation refuses the monthly file only; the
        // rain file, as in the dialog, is still written.
        if (!BuildCreamsTable(workbench, table, ui) && (table.refusal().empty() || !options.creamsTr.empty()))
            return false;
        if (!SaveTo(options.creamsTr, ui, [&] { return SaveCreamsTemperatureRadiation(workbench, table, ui); })) return false;
        if (!SaveTo(options.creamsRain, ui, [&] { return SaveCreamsRain(workbench, ui); })) return false;
    }

    LeachmSettings leachm;
    const auto nitrogen = SplitAtCommas(options.leachmN);
    leachm.urea = nitrogen[0];
    leachm.ammonium = nitrogen[1];
    leachm.nitrate = nitrogen[2];
    leachm.dates = options.leachmDates == kLeachmDatesWords.second ? LeachmDateFormat::DayNumber : LeachmDateFormat::Ddmmaa;
    if (!SaveTo(options.leachmRain, ui, [&] { return SaveLeachmRain(workbench, leachm, ui); })) return false;
    if (!options.leachmEtp.empty() && !ChooseEt(leachm.methods, workbench, options.leachmEt, ui)) return false;
    if (!SaveTo(options.leachmEtp, ui, [&] { return SaveLeachmEtp(workbench, leachm, ui); })) return false;

    MethodChoice macro;
    if (!SaveTo(options.macroRain, ui, [&] { return SaveMacroRain(workbench, ui); })) return false;
    if (!options.macroEtp.empty() && !ChooseEt(macro, workbench, options.macroEt, ui)) return false;
    return SaveTo(options.macroEtp, ui, [&] { return SaveMacroEtp(workbench, macro, ui); });
}

} // namespace etp
