#pragma once
// "Irrigation function of ETP-rain": water whenever ET minus rain, summed since the last
// watering, exceeds a limit, giving back a share of it. The ET column is chosen among
// those the title row held when the dialog was created; the close box discards the
// dialog, so the next opening starts from the initial texts and scans the titles afresh.
#include "app/IrrigationWidgets.h"
#include "irrigation/Irrigation.h"
#include "models/MethodChoice.h"

namespace etp {

struct Workbench;
class UserInterface;
class MethodChoiceBox;

class OnDemandIrrigationDialog final : public IrrigationDialog {
    Q_OBJECT
public:
    // Fills the choice from the title row (with "You dont have computed the ETP!!" when
    // it holds no ET column).
    OnDemandIrrigationDialog(Workbench& workbench, UserInterface& ui, QWidget* parent);

private:
    const std::vector<IrrigationApplication>* apply() override;

    Workbench& workbench_;
    UserInterface& ui_;
    MethodChoice choice_;
    OnDemandIrrigationTexts texts_;
    MethodChoiceBox* Frame1 = nullptr; // Option3_0 .. Option3_7
};

} // namespace etp
