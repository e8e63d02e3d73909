#pragma once
// "Combination methods": the six Penman-family methods, k = 0..5.
#include "app/MethodsDialog.h"

namespace etp {

class CombinationMethodsDialog final : public MethodsDialog {
    Q_OBJECT
public:
    CombinationMethodsDialog(Workbench& workbench, UserInterface& ui, QWidget* parent);
};

} // namespace etp
