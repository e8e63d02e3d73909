#include "et/MethodAvailability.h"

#include "et/MethodTable.h"

namespace etp {

ColumnCheck OpenMethodDialog(MethodDialog dialog, const ColumnMap& columns, MethodSelection& methods)
{
    for (int box = DateBox; box <= RHmaxBox; ++box)
        if (!columns.assigned(box)) return ColumnCheck::VariableMissing;
    const bool radiation = columns.available(RadiationBox);
    const bool sunshine = columns.available(SunshineBox);
    if (!radiation && !sunshine) return ColumnCheck::NoRadiationOrSunshine;
    if (!columns.assigned(WindBox)) return ColumnCheck::WindMissing;

    const Openings opening = dialog == MethodDialog::Others ? kOthersAny
                             : radiation && sunshine        ? kCombinationBoth
                             : radiation                    ? kCombinationRadiation
                                                            : kCombinationSunshine;
    for (const MethodInfo& info : kMethods)
        if (info.enabledBy & opening) methods.enabled[info.method] = true;
    return ColumnCheck::Passed;
}

Outcome ConfirmMethodDialog(MethodDialog dialog, const MethodSelection& methods)
{
    for (const MethodInfo& info : kMethods)
        if (info.dialog == dialog && methods.checked[info.method]) return Outcome::Done();
    return Outcome::Refused(kSelectOneMethod);
}

} // namespace etp
