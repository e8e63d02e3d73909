#include "app/SheetUndoCommand.h"

#include "app/MeteoSheetModel.h"

namespace etp {

SheetUndoCommand::SheetUndoCommand(const QString& text, SheetEdit edit, Workbench& workbench, MeteoSheetModel& model)
    : QUndoCommand(text), edit_(std::move(edit)), workbench_(workbench), model_(model)
{
}

void SheetUndoCommand::undo()
{
    edit_.undo(workbench_);
    done_ = false;
    model_.cellsRewritten();
}

void SheetUndoCommand::redo()
{
    if (done_) return;
    edit_.redo(workbench_);
    done_ = true;
    model_.cellsRewritten();
}

} // namespace etp
