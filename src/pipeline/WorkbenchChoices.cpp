#include "pipeline/WorkbenchChoices.h"

#include "et/MethodTable.h"

namespace etp {

MethodChoices MethodChoicesOf(const Workbench& workbench)
{
    MethodChoices choices;
    for (const MethodInfo& info : kMethods)
        if (workbench.methods.checked[info.method]) choices.methods.push_back(info.method);
    choices.hargreaves = workbench.hargreaves;
    choices.estimates = workbench.estimates;
    choices.methodOptions = workbench.methodOptions;
    return choices;
}

} // namespace etp
