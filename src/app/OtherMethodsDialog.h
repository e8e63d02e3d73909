#pragma once
// "others methods": the radiation- and temperature-based methods and the potential
// radiation, k = 6..11.
#include "app/MethodsDialog.h"

namespace etp {

class OtherMethodsDialog final : public MethodsDialog {
    Q_OBJECT
public:
    OtherMethodsDialog(Workbench& workbench, UserInterface& ui, QWidget* parent);
};

} // namespace etp
