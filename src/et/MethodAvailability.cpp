#include "et/MethodAvailability.h"

namespace etp {

bool OpenMethodDialog(MethodDialog dialog, const ColumnMap& columns, MethodSelection& methods, UserInterface& ui)
{
    for (int box = DateBox; box <= RHmaxBox; ++box)
        if (!columns.assigned(box)) {
            ui.message(kProblemsInVariables, kApplicationTitle, Icon::Critical);
            return false;
        }
    const bool radiation = columns.available(RadiationBox);
    const bool sunshine = columns.available(SunshineBox);
    if (!radiation && !sunshine) {
        // OK and Cancel; the answer makes no difference.
        ui.question(kNoRadiationOrSunshine, kApplicationTitle, Icon::Critical, Buttons::OkCancel);
        return false;
    }
    if (!columns.assigned(WindBox)) {
        ui.question(kProblemsInVariables, kApplicationTitle, Icon::Critical, Buttons::OkCancel);
        return false;
    }

    auto enable = [&methods](int k) { methods.enabled[static_cast<std::size_t>(k)] = true; };
    if (dialog == MethodDialog::Combination) {
        if (radiation && sunshine) {
            for (int k = MethodPenFao; k <= MethodPenFaoSunshine; ++k) enable(k);
        } else if (radiation) {
            enable(MethodPenFaoRadiation);
            enable(MethodPenMon);
            enable(MethodPriestleyTaylor);
            enable(MethodTurc);
            enable(MethodPriestleyTaylorExtrad);
        }
    } else {
        enable(MethodHargreaves);
        enable(MethodThornthwaite);
        enable(MethodBlaneyCriddle);
        // The test before these two passes whatever the radiation box holds.
        enable(MethodTurc);
        enable(MethodPriestleyTaylorExtrad);
    }
    enable(MethodPotentialRadiation);
    return true;
}

bool ConfirmMethodDialog(MethodDialog dialog, const MethodSelection& methods, UserInterface& ui)
{
    for (int k = FirstMethod(dialog); k < EndMethod(dialog); ++k)
        if (methods.checked[static_cast<std::size_t>(k)]) return true;
    ui.message(kSelectOneMethod, kApplicationTitle, Icon::Critical);
    return false;
}

} // namespace etp
