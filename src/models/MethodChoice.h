#pragma once
// The choice of the ET column that the LEACHM and MACRO dialogs and on-demand irrigation
// read their daily ET from: option buttons in one exclusive group, one for each result
// column of an ET method (kEtLabels) found in the title row.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "et/MethodTable.h"
#include "sheet/MeteoSheet.h"
#include "sheet/SheetQueries.h"

namespace etp {

struct MethodOption {
    std::string label;   // the title of its column
    int column = 0;      // the column it reads; 0 in a disabled group
    std::string caption; // the label, told apart by its column where the label repeats
    bool visible = true;
    bool selected = false;
};

struct MethodChoice {
    // Option3(0) .. Option3(29): as many as the title scan can find ET columns. The first
    // thirteen show the labels of a disabled group.
    std::array<MethodOption, kTitleScanColumns> options;
    bool enabled = false;

    // Selects a visible option of an enabled group and clears the others; false, and no
    // change, otherwise.
    bool select(int index);
    // Selects the rightmost column titled `label` (the default where only a label is
    // given); false when there is none.
    bool selectLabel(std::string_view label);
    std::optional<int> selectedIndex() const;
};

// Runs when a dialog holding a choice is created: the ET columns of the title row
// (FindEtColumns) in sheet order, one visible option each, the last one of the leading
// labels selected (kLeadingEtLabels), or the last one when none of them is there. With
// none: a disabled group showing the labels of kEtLabels. Answers whether a column was
// found.
bool FillMethodChoice(MethodChoice& choice, const MeteoSheet& sheet);

// The columns of 1-30 whose title equals the label of the selected option, left to
// right. None when nothing is selected, the group is disabled or no column carries that
// label any more.
std::vector<int> ChosenEtColumns(const MethodChoice& choice, const MeteoSheet& sheet);

// The column to read daily ET from: the selected option's own column while its title is
// still the option's label; else (the sheet changed since the choice was filled) the
// rightmost of ChosenEtColumns. 0 when there is none.
int SelectedEtColumn(const MethodChoice& choice, const MeteoSheet& sheet);

} // namespace etp
