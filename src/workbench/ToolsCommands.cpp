#include "workbench/ToolsCommands.h"

#include "analysis/Summary.h"
#include "workbench/SaveTextFile.h"

namespace etp {

bool SaveSummaryAs(const Workbench& workbench, UserInterface& ui)
{
    return SaveTextFile(ui, kSaveSummaryDialog, [&] { return SummaryText(Summarize(workbench)); },
                        ProposedSaveName(workbench.workingFile.path, kSaveSummaryDialog, "-summary"))
        .has_value();
}

} // namespace etp
