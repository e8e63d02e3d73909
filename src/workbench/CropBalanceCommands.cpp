#include "workbench/CropBalanceCommands.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "base/FileBytes.h"
#include "base/Messages.h"
#include "base/Text.h"
#include "et/Fao56Terms.h"
#include "et/MethodTable.h"
#include "sheet/DecimalText.h"
#include "sheet/NumericValue.h"
#include "sheet/SheetQueries.h"
#include "workbench/SaveTextFile.h"

namespace etp {

namespace {

constexpr SaveDialog kCropTableDialog{"*.txt", "Save the daily crop water balance"};
constexpr SaveDialog kCropSummaryDialog{"*.txt", "Save the crop water balance summary"};

bool Refuse(UserInterface& ui, const std::string& message, Icon icon = Icon::Exclamation)
{
    ui.message(message, kApplicationTitle, icon);
    return false;
}

// The ET column of the label, or of the rightmost of "ASCE short" and "PenMon"; 0 after a message.
int EtColumn(const MeteoSheet& sheet, const std::string& label, UserInterface& ui)
{
    const EtColumns found = FindEtColumns(sheet);
    int column = 0;
    for (std::size_t k = 0; k < kEtLabels.size(); ++k) {
        const bool wanted = label.empty() ? std::string_view(kEtLabels[k]) == "ASCE short" ||
                                                std::string_view(kEtLabels[k]) == "PenMon"
                                          : label == kEtLabels[k];
        if (wanted) column = std::max(column, found.column[k + 1]);
    }
    if (column == 0)
        Refuse(ui, label.empty() ? std::string(kNoEtMessage) : "No column of the title row is labelled \"" + label + "\"",
               Icon::Critical);
    return column;
}

// Where the balance reads the sheet; none after a message.
std::optional<CropColumns> SheetColumns(const Workbench& wb, const CropDescription& crop, const std::string& etLabel,
                                        UserInterface& ui)
{
    CropColumns c;
    c.dates = wb.columns;
    if (c.dates.dateForm() == DateForm::None)
        return Refuse(ui, "The Date box names no column, nor do the year, month and day boxes.", Icon::Critical), std::nullopt;
    c.lastRow = LastDataRow(wb.sheet, wb.columns);
    c.rain = FindRainColumn(wb.sheet);
    if (c.rain == 0) return Refuse(ui, kNoRainMessage, Icon::Critical), std::nullopt;
    c.et = EtColumn(wb.sheet, etLabel, ui);
    if (c.et == 0) return std::nullopt;
    if (crop.kcAdjust) {
        if (const auto problem = CheckStation(wb.station)) return Refuse(ui, problem->message), std::nullopt;
        c.rhMin = wb.columns.column(ColumnBox::RHmin);
        c.wind = wb.columns.column(ColumnBox::Wind);
        c.humidityFactor = wb.units.factor(UnitKind::Humidity);
        const double toMetresPerSecond = wb.units.factor(UnitKind::Wind) / 86.4; // cell -> km d-1 -> m s-1
        c.windFactor = WindAt2m(toMetresPerSecond, ReadStationValues(wb.station).windHeight);
    }
    return c;
}

IrrigationPlan Plan(const CropBalanceTexts& texts)
{
    IrrigationPlan plan;
    plan.efficiency = NumericValue(texts.efficiency);
    if (LowerCase(texts.trigger) == "raw") plan.trigger = IrrigationTrigger::Raw;
    else if (!texts.trigger.empty()) {
        plan.trigger = IrrigationTrigger::FractionOfTaw;
        plan.fraction = NumericValue(texts.trigger);
    }
    if (!texts.depth.empty()) plan.depth = NumericValue(texts.depth);
    return plan;
}

// The description the boxes make: crop and soil first, then a line for each box that holds
// text; the key of each line, so that a problem names its box.
struct BoxDescription {
    std::string text;
    std::vector<std::string_view> lineKeys;
};

BoxDescription DescriptionOfBoxes(const CropBalanceForm& form)
{
    BoxDescription d;
    const auto add = [&d](std::string_view key, const std::string& value) {
        d.text += std::string(key) + " = " + value + "\n";
        d.lineKeys.push_back(key);
    };
    if (!form.crop.empty()) add("crop", form.crop);
    if (!form.soil.empty()) add("soil", form.soil);
    for (const std::string_view key : CropBoxKeys()) {
        const auto box = form.keys.find(key);
        if (box != form.keys.end() && box->second.find_first_not_of(" \t") != std::string::npos) add(key, box->second);
    }
    return d;
}

// A problem of the description, "line 9: p must be ..." or "the key planting is missing",
// told by the box: "The box p: p must be ...", "The box planting is empty.".
std::string BoxProblem(const std::string& problem, const std::vector<std::string_view>& lineKeys)
{
    constexpr std::string_view missingStart = "the key ", missingEnd = " is missing";
    if (problem.starts_with(missingStart) && problem.ends_with(missingEnd))
        return "The box " + problem.substr(missingStart.size(), problem.size() - missingStart.size() - missingEnd.size()) +
               " is empty.";
    const auto colon = problem.find(": ");
    const int line = problem.starts_with("line ") ? std::atoi(problem.c_str() + 5) : 0;
    if (colon != std::string::npos && line >= 1 && static_cast<std::size_t>(line) <= lineKeys.size())
        return "The box " + std::string(lineKeys[static_cast<std::size_t>(line) - 1]) + ": " + problem.substr(colon + 2);
    return problem;
}

// The irrigation choice as texts; false after a message.
bool IrrigationTexts(const CropBalanceForm& form, CropBalanceTexts& texts, CropBalanceNames& names, UserInterface& ui)
{
    texts.efficiency = form.efficiency;
    names.trigger = "Fraction of TAW";
    switch (form.irrigation) {
    case CropIrrigationChoice::None: break;
    case CropIrrigationChoice::Given: {
        if (form.irrigationFile.empty()) return Refuse(ui, "The box Irrigation file is empty.");
        std::string reason;
        const auto bytes = FileBytes::open(form.irrigationFile, reason);
        if (!bytes) return Refuse(ui, "The file " + form.irrigationFile + " cannot be read: " + reason + ".", Icon::Critical);
        texts.irrigations = bytes->bytes();
        names.irrigations = form.irrigationFile;
        break;
    }
    case CropIrrigationChoice::Raw:
        texts.trigger = "raw";
        texts.depth = form.depth;
        break;
    case CropIrrigationChoice::FractionOfTaw:
        // An empty trigger means no automatic irrigation, which is not what was chosen.
        if (form.fraction.empty()) return Refuse(ui, "The box Fraction of TAW is empty.");
        texts.trigger = form.fraction;
        texts.depth = form.depth;
        break;
    }
    return true;
}

} // namespace

std::optional<std::string> CropIrrigationTextProblem(const CropBalanceTexts& texts, const CropBalanceNames& names)
{
    const auto within = [](const std::string& text, double low, double high) {
        const double value = NumericValue(text);
        return IsFiniteNumberText(text) && value > low && value <= high;
    };
    if (!texts.trigger.empty() && LowerCase(texts.trigger) != "raw" && !within(texts.trigger, 0, 1))
        return names.trigger + " must be raw or a fraction of TAW above 0 and up to 1: \"" + texts.trigger + "\"";
    if (!texts.depth.empty() && !within(texts.depth, 0, 1000))
        return names.depth + " must be a depth above 0 and up to 1000 mm: \"" + texts.depth + "\"";
    if (!within(texts.efficiency, 0, 100))
        return names.efficiency + " must be a percentage above 0 and up to 100: \"" + texts.efficiency + "\"";
    return std::nullopt;
}

std::optional<CropBalance> RunCropBalance(const Workbench& workbench, const CropBalanceTexts& texts,
                                          const CropBalanceNames& names, UserInterface& ui)
{
    const CropDescriptionRead read = ReadCropDescription(texts.description);
    if (!read.description) return Refuse(ui, names.description + ": " + read.problem), std::nullopt;
    const CropDescription& crop = *read.description;
    const IrrigationFileRead given = ReadIrrigationFile(texts.irrigations);
    if (!given.problem.empty()) return Refuse(ui, names.irrigations + ": " + given.problem), std::nullopt;
    if (auto problem = CropIrrigationTextProblem(texts, names)) return Refuse(ui, *problem), std::nullopt;

    auto busy = ui.busy(Pointer::Busy);
    const auto columns = SheetColumns(workbench, crop, texts.etLabel, ui);
    if (!columns) return std::nullopt;
    const SeasonRead season = ReadSeason(workbench.sheet, *columns, crop.planting, SeasonLength(crop.stages));
    if (!season.outcome.done()) return Refuse(ui, season.outcome.message, Icon::Critical), std::nullopt;
    if (auto outside = IrrigationOutsideSeason(given.irrigations, season.days.front().date, season.days.back().date))
        return Refuse(ui, names.irrigations + ": " + *outside), std::nullopt;
    IrrigationPlan plan = Plan(texts);
    plan.given = given.irrigations;
    CropBalance balance = RunCropWaterBalance(crop, season.days, plan);
    if (!balance.outcome.done()) return Refuse(ui, balance.outcome.message, Icon::Critical), std::nullopt;
    return balance;
}

bool WriteCropBalanceFiles(UserInterface& ui, const CropBalance& balance, const std::string& tablePath,
                           const std::string& summaryPath)
{
    if (!tablePath.empty() && !WriteTextFile(ui, tablePath, [&] { return CropDailyTable(balance); })) return false;
    return summaryPath.empty() || WriteTextFile(ui, summaryPath, [&] { return CropSummaryText(balance); });
}

bool SaveCropBalanceFiles(const Workbench& workbench, const CropBalance& balance, UserInterface& ui)
{
    const std::string& data = workbench.workingFile.path;
    const auto table = AskSaveName(ui, kCropTableDialog, ProposedSaveName(data, kCropTableDialog, "-crop"));
    if (!table) return false;
    const auto summary =
        AskSaveName(ui, kCropSummaryDialog, ProposedSaveName(data, kCropSummaryDialog, "-crop-summary"));
    if (!summary) return false;
    auto busy = ui.busy(Pointer::Busy);
    return WriteCropBalanceFiles(ui, balance, *table, *summary);
}

bool RunCropBalanceForm(Workbench& workbench, UserInterface& ui)
{
    CropBalanceForm& form = workbench.cropBalance;
    form.balance.reset();
    const BoxDescription boxes = DescriptionOfBoxes(form);
    if (const CropDescriptionRead read = ReadCropDescription(boxes.text); !read.description)
        return Refuse(ui, BoxProblem(read.problem, boxes.lineKeys));
    CropBalanceTexts texts;
    texts.description = boxes.text;
    texts.etLabel = form.etLabel;
    CropBalanceNames names;
    if (!IrrigationTexts(form, texts, names, ui)) return false;
    form.balance = RunCropBalance(workbench, texts, names, ui);
    return form.balance.has_value();
}

bool AddCropIrrigationToRain(Workbench& workbench, const CropBalance& balance, UserInterface& ui)
{
    const int rainColumn = FindRainColumn(workbench.sheet);
    if (rainColumn == 0) return Refuse(ui, kNoRainMessage, Icon::Critical);
    std::vector<IrrigationApplication> applications;
    for (const CropBalanceDay& d : balance.days) {
        if (d.gross <= 0) continue;
        const double gross = std::round(d.gross * 100) / 100; // [mm] to 0.01 mm, as the daily table
        const double rain = RainValue(workbench.sheet.cellText(d.row, rainColumn)).value_or(0); // [mm]
        workbench.sheet.setCellText(d.row, rainColumn, DecimalText(rain + gross));
        applications.push_back({d.row, d.date, gross});
    }
    workbench.cropApplications = std::move(applications);
    return true;
}

} // namespace etp
