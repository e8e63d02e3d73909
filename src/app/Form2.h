#pragma once
// "Combination methods": the six Penman-family methods, k = 0..5.
#include "app/MethodsDialog.h"

namespace etp {

class Form2 final : public MethodsDialog {
    Q_OBJECT
public:
    Form2(Workbench& workbench, UserInterface& ui, QWidget* parent);
};

} // namespace etp
