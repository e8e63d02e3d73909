#include "et/MethodAvailability.h"

#include "et/MethodTable.h"

namespace etp {

ColumnCheck OpenMethodDialog(MethodDialog dialog, const ColumnMap& columns, MethodSelection& methods)
{
    for (const ColumnBox box : {ColumnBox::Date, ColumnBox::Tmin, ColumnBox::Tmax, ColumnBox::RHmin, ColumnBox::RHmax})
        if (!columns.assigned(box)) return ColumnCheck::VariableMissing;
    const bool radiation = columns.available(ColumnBox::Radiation);
    const bool sunshine = columns.available(ColumnBox::Sunshine);
    if (!radiation && !sunshine) return ColumnCheck::NoRadiationOrSunshine;
    if (!columns.assigned(ColumnBox::Wind)) return ColumnCheck::WindMissing;

    const Openings opening = dialog == MethodDialog::Others   ? kOthersAny
                             : dialog == MethodDialog::Standard ? (radiation ? kStandardRadiation : 0)
                             : radiation && sunshine          ? kCombinationBoth
                             : radiation                      ? kCombinationRadiation
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
