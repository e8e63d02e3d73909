#pragma once
// The choice of the ET column that the LEACHM and MACRO dialogs and on-demand irrigation
// read their daily ET from: eight option buttons in one exclusive group, offering the
// result columns of the ET methods (kEtLabels) found in the title row.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "et/MethodTable.h"
#include "sheet/MeteoSheet.h"

namespace etp {

struct MethodOption {
    std::string caption;
    bool visible = true;
    bool selected = false;
};

struct MethodChoice {
    std::array<MethodOption, kEtLabels.size()> options; // Option3(0) .. Option3(7)
    bool enabled = false;

    // Selects a visible option of an enabled group and clears the others; false, and no
    // change, otherwise.
    bool select(int index);
    // Selects the first visible option showing `label`; false when there is none.
    bool selectCaption(std::string_view label);
    std::optional<int> selectedIndex() const;
};

// Runs when a dialog holding a choice is created: the eight labels as captions, then the
// ET columns of the title row (FindEtColumns) in sheet order, one visible option each,
// the last one selected. With none: a disabled group showing the eight labels. Answers
// whether a column was found.
bool FillMethodChoice(MethodChoice& choice, const MeteoSheet& sheet);

// The columns of 1-30 whose title equals the caption of the selected option, left to
// right; the rightmost is the one to read daily ET from. None when nothing is selected,
// the group is disabled or no column carries that label any more.
std::vector<int> ChosenEtColumns(const MethodChoice& choice, const MeteoSheet& sheet);

} // namespace etp
