#include "models/MethodChoice.h"

#include "sheet/SheetQueries.h"

namespace etp {

bool MethodChoice::select(int index)
{
    if (!enabled || index < 0 || index >= static_cast<int>(options.size()) ||
        !options[index].visible)
        return false;
    for (std::size_t i = 0; i < options.size(); ++i) options[i].selected = static_cast<int>(i) == index;
    return true;
}

bool MethodChoice::selectCaption(std::string_view label)
{
    for (std::size_t i = 0; i < options.size(); ++i)
        if (options[i].visible && options[i].caption == label) return select(static_cast<int>(i));
    return false;
}

std::optional<int> MethodChoice::selectedIndex() const
{
    for (std::size_t i = 0; i < options.size(); ++i)
        if (options[i].selected) return static_cast<int>(i);
    return std::nullopt;
}

bool FillMethodChoice(MethodChoice& choice, const MeteoSheet& sheet)
{
    choice = MethodChoice{};
    for (std::size_t i = 0; i < choice.options.size(); ++i) choice.options[i].caption = kEtLabels[i];
    const EtColumns found = FindEtColumns(sheet);
    if (found.count == 0) return false;
    choice.enabled = true;
    for (std::size_t i = 0; i < choice.options.size(); ++i) {
        MethodOption& option = choice.options[i];
        option.visible = i < found.labels.size();
        if (!option.visible) continue;
        option.caption = kEtLabels[found.labels[i] - 1];
        choice.select(static_cast<int>(i));
    }
    return true;
}

std::vector<int> ChosenEtColumns(const MethodChoice& choice, const MeteoSheet& sheet)
{
    std::vector<int> columns;
    const auto index = choice.selectedIndex();
    if (!index || !choice.enabled) return columns;
    const std::string& label = choice.options[*index].caption;
    for (int c = 1; c <= kTitleScanColumns; ++c)
        if (sheet.cellText(1, c) == label) columns.push_back(c);
    return columns;
}

} // namespace etp
