#pragma once
// "Turned irrigation": a fixed amount at a fixed interval within a period of the year,
// skipped after rain. The dialog holds its six texts while it is open; the close box
// discards it, so the next opening starts from the initial texts.
#include "app/IrrigationWidgets.h"
#include "irrigation/Irrigation.h"

class QLabel;

namespace etp {

struct Workbench;
class UserInterface;

class TurnedIrrigationDialog final : public IrrigationDialog {
    Q_OBJECT
public:
    TurnedIrrigationDialog(Workbench& workbench, UserInterface& ui, QWidget* parent);

private:
    const std::vector<IrrigationApplication>* apply() override;

    Workbench& workbench_;
    UserInterface& ui_;
    TurnedIrrigationTexts texts_;
    QLabel* Label7 = nullptr; // the note on the first irrigation day
};

} // namespace etp
