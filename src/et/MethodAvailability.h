#pragma once
// What opening a method dialog checks and enables, and what its buttons do, without
// the dialog: the desktop program and the batch tool share these rules.
#include "base/UserInterface.h"
#include "et/Methods.h"
#include "sheet/Settings.h"

namespace etp {

enum class MethodDialog { Combination, Others };

inline constexpr const char* kProblemsInVariables = "Problems in defining metereological variables";
inline constexpr const char* kNoRadiationOrSunshine =
    "Problems in defining metereological variables - radiation or sunshine not available";
inline constexpr const char* kSelectOneMethod = "You should select at minimum one method";

// Checks the column boxes; on a failure shows its message and answers false (the
// dialog is then hidden). Otherwise enables the boxes the data allow (never disables
// one) and answers true.
bool OpenMethodDialog(MethodDialog dialog, const ColumnMap& columns, MethodSelection& methods, UserInterface& ui);

// "OK": true (hide the dialog) when at least one of the dialog's own boxes is checked;
// otherwise the message, and the dialog stays.
bool ConfirmMethodDialog(MethodDialog dialog, const MethodSelection& methods, UserInterface& ui);

// First and one-past-last method of a dialog.
inline constexpr int FirstMethod(MethodDialog dialog) { return dialog == MethodDialog::Combination ? 0 : 6; }
inline constexpr int EndMethod(MethodDialog dialog) { return FirstMethod(dialog) + 6; }

} // namespace etp
