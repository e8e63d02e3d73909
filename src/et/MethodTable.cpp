#include "et/MethodTable.h"

#include <algorithm>

#include "sheet/SheetQueries.h"

namespace etp {

Inputs DayInputs(const MethodInfo& info, const ColumnMap& columns)
{
    if (info.method == Method::BlaneyCriddle && !BlaneyCriddleAdjusts(columns)) return kTemperatureInputs;
    return info.inputs;
}

std::optional<Method> MethodOfLabel(std::string_view label)
{
    for (const MethodInfo& info : kMethods)
        if (label == info.label) return info.method;
    return std::nullopt;
}

std::vector<Method> MethodsOf(MethodDialog dialog)
{
    std::vector<Method> methods;
    for (const MethodInfo& info : kMethods)
        if (info.dialog == dialog) methods.push_back(info.method);
    return methods;
}

EtColumns FindEtColumns(const MeteoSheet& sheet)
{
    EtColumns found;
    for (int c = 1; c <= kTitleScanColumns; ++c) {
        const std::string_view title = sheet.cellText(1, c);
        for (std::size_t k = 0; k < kEtLabels.size(); ++k) {
            if (title != kEtLabels[k]) continue;
            ++found.count;
            found.labels.push_back(static_cast<int>(k) + 1);
            found.columns.push_back(c);
            found.column[k + 1] = c;
        }
    }
    return found;
}

std::string ColumnName(std::string_view label, int column)
{
    return std::string(label) + " (col " + std::to_string(column) + ")";
}

std::vector<std::string> ColumnNames(const std::vector<TitledColumn>& columns)
{
    std::vector<std::string> names;
    for (const TitledColumn& column : columns) {
        const auto sameLabel = [&](const TitledColumn& other) { return other.label == column.label; };
        const bool repeated = std::count_if(columns.begin(), columns.end(), sameLabel) > 1;
        names.push_back(repeated ? ColumnName(column.label, column.column) : column.label);
    }
    return names;
}

std::string EtLabelList()
{
    std::string list;
    for (const char* label : kEtLabels) list += (list.empty() ? "" : ", ") + std::string(label);
    return list;
}

} // namespace etp
