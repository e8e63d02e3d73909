// The main window's part in never losing work: Edit > Undo and Redo over the commands
// that change the sheet, the modified mark of the title, File > Recent files.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

#include "app/AppSettings.h"
#include "app/MainWindow.h"
#include "app/MeteoSheetModel.h"
#include "app/SheetUndoCommand.h"
#include "workbench/ComputedColumns.h"
#include "workbench/FileCommands.h"
#include "workbench/SheetEdit.h"

namespace etp {

namespace {

// Each entry keeps only the cells its command changed, yet a Compute of every method over
// 32,000 days is some megabytes.
constexpr int kUndoLimit = 50;

} // namespace

void MainWindow::buildHistory()
{
    undoStack_ = new QUndoStack(this);
    undoStack_->setUndoLimit(kUndoLimit);
    QAction* undo = undoAction_;
    QAction* redo = redoAction_;
    undo->setShortcut(QKeySequence::Undo);
    redo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    undo->setEnabled(false);
    redo->setEnabled(false);
    connect(undo, &QAction::triggered, undoStack_, &QUndoStack::undo);
    connect(redo, &QAction::triggered, undoStack_, &QUndoStack::redo);
    connect(undoStack_, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(undoStack_, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    // "&Undo Compute", "&Redo Turned irrigation".
    connect(undoStack_, &QUndoStack::undoTextChanged, undo,
            [undo](const QString& text) { undo->setText(text.isEmpty() ? QStringLiteral("&Undo") : QStringLiteral("&Undo ") + text); });
    connect(undoStack_, &QUndoStack::redoTextChanged, redo,
            [redo](const QString& text) { redo->setText(text.isEmpty() ? QStringLiteral("&Redo") : QStringLiteral("&Redo ") + text); });
    connect(undoStack_, &QUndoStack::indexChanged, this, &MainWindow::showModified);
    connect(undoStack_, &QUndoStack::indexChanged, this, &MainWindow::showSheetNote); // undo takes marks back too
    connect(model_, &MeteoSheetModel::cellEdited, this, &MainWindow::cellEdited);

    saveAction_->setShortcut(QKeySequence::Save);
    QMenu* file = menuBar()->actions().constFirst()->menu();
    recentFiles_ = new QMenu(QStringLiteral("Recent &files"), this);
    recentFiles_->setObjectName(QStringLiteral("recentFiles"));
    file->insertMenu(exitAction_, recentFiles_);
    file->insertSeparator(exitAction_);
    // A file named on the command line was opened before the window was made.
    if (!workbench_.workingFile.path.empty()) AddRecentFile(QString::fromStdString(workbench_.workingFile.path));
    showRecentFiles();
}

void MainWindow::beginSheetEdit() { pendingEdit_ = std::make_unique<SheetEdit>(workbench_); }

void MainWindow::endSheetEdit(const QString& command)
{
    if (!pendingEdit_) return;
    const std::unique_ptr<SheetEdit> edit = std::move(pendingEdit_);
    if (edit->finish(workbench_)) undoStack_->push(new SheetUndoCommand(command, std::move(*edit), workbench_, *model_));
    showModified();
}

void MainWindow::cellEdited(int row, int column, const QByteArray& before, quint64 revisionBefore)
{
    const std::string_view text(before.constData(), static_cast<std::size_t>(before.size()));
    const ComputedColumns computedBefore = workbench_.computed;
    if (MarkResultsOutOfDate(workbench_, row, column)) model_->marksChanged();
    undoStack_->push(new SheetUndoCommand(QStringLiteral("Typing"),
                                          SheetEdit::OfCell(workbench_, row, column, text, revisionBefore, computedBefore),
                                          workbench_, *model_));
    typedRow_ = row;
    typedColumn_ = column;
    showSheetNote();
}

void MainWindow::showModified() { setWindowModified(HasUnsavedChanges(workbench_)); }

void MainWindow::showRecentFiles()
{
    recentFiles_->clear();
    const QStringList files = RecentFiles();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString& path = files[i];
        QAction* item = recentFiles_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)));
        item->setObjectName(QStringLiteral("recentFile%1").arg(i + 1));
        connect(item, &QAction::triggered, this, [this, path] { openRecentFile(path); });
    }
    recentFiles_->setEnabled(!files.isEmpty());
}

void MainWindow::openRecentFile(const QString& path)
{
    if (!SaveChangesFirst(workbench_, kUnsavedBeforeOpen, ui_)) return showStatusPanels();
    // A file moved or deleted since leaves the list (after "il file non esiste").
    if (!QFileInfo::exists(path)) RemoveRecentFile(path);
    rememberStation(); // as the file being left had it last
    if (model_->rewrite([&] { return OpenNamedFile(workbench_, path.toStdString(), ui_); })) sheetOpened();
    showRecentFiles();
    showStatusPanels();
}

void MainWindow::sheetOpened()
{
    undoStack_->clear();
    typedRow_ = typedColumn_ = 0;
    showColumnMap(); // found afresh for this file
    columnsChanged();
    AddRecentFile(QString::fromStdString(workbench_.workingFile.path));
    rememberStation(); // kept, or named by the file's header
    showRecentFiles();
    showModified();
}

void MainWindow::sheetSaved()
{
    undoStack_->setClean();
    AddRecentFile(QString::fromStdString(workbench_.workingFile.path));
    rememberStation();
    showRecentFiles();
    showModified();
}

} // namespace etp
