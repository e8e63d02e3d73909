#include "models/MethodChoice.h"

#include <algorithm>

namespace etp {

bool MethodChoice::select(int index)
{
    if (!enabled || index < 0 || index >= static_cast<int>(options.size()) ||
        !options[index].visible)
        return false;
    for (std::size_t i = 0; i < options.size(); ++i) options[i].selected = static_cast<int>(i) == index;
    return true;
}

bool MethodChoice::selectLabel(std::string_view label)
{
    for (std::size_t i = options.size(); i-- > 0;)
        if (options[i].visible && options[i].label == label) return select(static_cast<int>(i));
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
    const EtColumns found = FindEtColumns(sheet);
    if (found.count == 0) {
        for (std::size_t i = 0; i < choice.options.size(); ++i) {
            MethodOption& option = choice.options[i];
            option.visible = i < kEtLabels.size();
            if (option.visible) option.label = option.caption = kEtLabels[i];
        }
        return false;
    }
    std::vector<TitledColumn> titled;
    for (int i = 0; i < found.count; ++i) titled.push_back({kEtLabels[found.labels[i] - 1], found.columns[i]});
    const std::vector<std::string> names = ColumnNames(titled);
    choice.enabled = true;
    int selected = 0;
    for (std::size_t i = 0; i < choice.options.size(); ++i) {
        MethodOption& option = choice.options[i];
        option.visible = i < titled.size();
        if (!option.visible) continue;
        option.label = titled[i].label;
        option.column = titled[i].column;
        option.caption = names[i];
        if (found.labels[i] <= kLeadingEtLabels || found.labels[selected] > kLeadingEtLabels) selected = static_cast<int>(i);
    }
    choice.select(selected);
    return true;
}

std::vector<int> ChosenEtColumns(const MethodChoice& choice, const MeteoSheet& sheet)
{
    std::vector<int> columns;
    const auto index = choice.selectedIndex();
    if (!index || !choice.enabled) return columns;
    const std::string& label = choice.options[*index].label;
    for (int c = 1; c <= kTitleScanColumns; ++c)
        if (sheet.cellText(1, c) == label) columns.push_back(c);
    return columns;
}

int SelectedEtColumn(const MethodChoice& choice, const MeteoSheet& sheet)
{
    const std::vector<int> columns = ChosenEtColumns(choice, sheet);
    if (columns.empty()) return 0;
    const int own = choice.options[*choice.selectedIndex()].column;
    return std::find(columns.begin(), columns.end(), own) != columns.end() ? own : columns.back();
}

} // namespace etp
