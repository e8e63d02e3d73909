#pragma once
// One entry of Edit > Undo / Redo: a command that changed the sheet (Compute, an
// irrigation, a typed cell), held as the workbench's SheetEdit. It is pushed after the
// command ran, so its first redo does nothing; later ones put the "after" side back.
#include <QUndoCommand>

#include "workbench/SheetEdit.h"

namespace etp {

class MeteoSheetModel;

class SheetUndoCommand final : public QUndoCommand {
public:
    SheetUndoCommand(const QString& text, SheetEdit edit, Workbench& workbench, MeteoSheetModel& model);

    void undo() override;
    void redo() override;

private:
    SheetEdit edit_;
    Workbench& workbench_;
    MeteoSheetModel& model_;
    bool done_ = true; // the command itself did it
};

} // namespace etp
