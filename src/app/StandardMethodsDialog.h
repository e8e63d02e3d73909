#pragma once
// "Standard methods": the ASCE-EWRI (2005) standardized references, short (grass) and
// tall (alfalfa).
#include "app/MethodsDialog.h"

namespace etp {

class StandardMethodsDialog final : public MethodsDialog {
    Q_OBJECT
public:
    StandardMethodsDialog(Workbench& workbench, UserInterface& ui, QWidget* parent);
};

} // namespace etp
