// The main window never loses work: the Save / Discard / Cancel question before exit,
// close and open when the sheet holds unsaved changes (and the plain exit question when
// it does not), Edit > Undo and Redo of Compute, irrigation and typing, File > Save and
// Recent files. Which saves and answers: tests/workbench/FileCommandsTest.

#include "AppSession.h"
#include "workbench/FileCommands.h"

using namespace etp;
using namespace etp::testing;

namespace {

// Every cell of the used part of the grid, row by row, as Grid1's model shows it.
QString GridText(const AppSession& app)
{
    const QAbstractItemModel* model = app.grid()->model();
    QString text;
    for (int r = 0; r <= app.workbench.sheet.lastNonEmptyRow(); ++r) {
        for (int c = 0; c < model->columnCount(); ++c) text += model->index(r, c).data().toString() + '\t';
        text += '\n';
    }
    return text;
}

QString Asked(const char* question) { return QStringLiteral("ETP computation|") + QString::fromLatin1(question); }

} // namespace

class TestUnsavedWork : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        app_ = std::make_unique<AppSession>();
        app_->openSample(app_->path("debilt.txt"), 365);
    }

    // Nothing changed since Open, or saved since: the plain question; "Yes" closes.
    void noChangeKeepsThePlainExitQuestion()
    {
        QVERIFY(!app_->form->isWindowModified());
        app_->computeOnly(Method::PenMon);
        QVERIFY(app_->form->isWindowModified());
        app_->triggerAction(QStringLiteral("save"));
        QVERIFY(!app_->form->isWindowModified());
        QVERIFY(ReadBytes(app_->path("debilt.txt")).contains("\tPenMon\r\n"));
        app_->ui.answers = {Answer::Yes};
        app_->triggerAction(QStringLiteral("exit"));
        QCOMPARE(app_->lastMessage(), QStringLiteral("ETP computation|Do you really want to exit the program?"));
        QVERIFY(!app_->form->isVisible());
    }

    // "&Exit" with unsaved results: Cancel stays, Save writes the working file and leaves.
    void exitAsksSaveDiscardCancel()
    {
        const QByteArray opened = ReadBytes(app_->path("debilt.txt"));
        app_->computeOnly(Method::PenMon);
        app_->ui.answers = {Answer::Cancel, Answer::Save};
        app_->triggerAction(QStringLiteral("exit"));
        QCOMPARE(app_->lastMessage(), Asked(kUnsavedBeforeExit));
        QVERIFY(app_->form->isVisible());
        QCOMPARE(ReadBytes(app_->path("debilt.txt")), opened);
        app_->triggerAction(QStringLiteral("exit"));
        QVERIFY(!app_->form->isVisible());
        QVERIFY(ReadBytes(app_->path("debilt.txt")).contains("\tPenMon\r\n"));
        QCOMPARE(app_->ui.messages.size(), std::size_t(2));
    }

    // The close box: Discard leaves without writing.
    void closeBoxDiscards()
    {
        const QByteArray opened = ReadBytes(app_->path("debilt.txt"));
        app_->setCell(3, 2, QStringLiteral("-40"));
        app_->ui.answers = {Answer::Discard};
        app_->form->close();
        QCOMPARE(app_->lastMessage(), Asked(kUnsavedBeforeClose));
        QVERIFY(!app_->form->isVisible());
        QCOMPARE(ReadBytes(app_->path("debilt.txt")), opened);
    }

    // Open over unsaved work: Cancel asks for no file; Save of a sheet that has no file yet
    // goes through Save as, and a cancelled Save as cancels the Open too.
    void openAsksFirstAndACancelledSaveCancelsIt()
    {
        app_.reset();
        app_ = std::make_unique<AppSession>();
        WriteBytes(app_->path("other.txt"), SampleSeries(3));
        app_->setCell(1, 1, QStringLiteral("typed"));
        app_->ui.answers = {Answer::Cancel, Answer::Save, Answer::Save};
        app_->ui.saveFiles = {std::nullopt, app_->path("typed.txt").toStdString()};
        app_->open(app_->path("other.txt"));
        QCOMPARE(app_->lastMessage(), Asked(kUnsavedBeforeOpen));
        app_->triggerAction(QStringLiteral("open"));
        QCOMPARE(app_->cell(1, 1), QStringLiteral("typed"));
        QCOMPARE(app_->ui.openFiles.size(), std::size_t(1)); // not asked for yet
        app_->triggerAction(QStringLiteral("open"));
        QCOMPARE(ReadBytes(app_->path("typed.txt")), QByteArray("typed\r\n"));
        QCOMPARE(app_->cell(1, 1), QStringLiteral("DATE"));
        QCOMPARE(app_->panel(1), QStringLiteral("working file: ") + app_->path("other.txt"));
        QVERIFY(!app_->form->isWindowModified());
    }

    // Undo and redo give the grid back its exact texts, and undoing back to the opened
    // sheet clears the modified mark: Compute, then the turned irrigation of the rain
    // column, then a typed cell.
    void undoAndRedoRestoreTheExactCells()
    {
        QAction* undo = Child<QAction>(app_->form.get(), QStringLiteral("undo"));
        QVERIFY(!undo->isEnabled());
        const QString opened = GridText(*app_);
        app_->computeOnly(Method::PenMon);
        const QString computed = GridText(*app_);
        QVERIFY(computed != opened);
        QWidget* turned = app_->openDialog(QStringLiteral("turned"), QStringLiteral("TurnedIrri"));
        app_->click(QStringLiteral("Command1"), turned);
        const QString irrigated = GridText(*app_);
        QVERIFY(irrigated != computed);
        app_->setCell(5, 2, QStringLiteral("typed"));
        const QString typed = GridText(*app_);
        QCOMPARE(undo->text(), QStringLiteral("&Undo Typing"));

        const QString states[] = {typed, irrigated, computed, opened};
        for (int i = 1; i < 4; ++i) {
            app_->triggerAction(QStringLiteral("undo"));
            QCOMPARE(GridText(*app_), states[i]);
            QCOMPARE(app_->form->isWindowModified(), i < 3);
        }
        QVERIFY(!undo->isEnabled());
        for (int i = 2; i >= 0; --i) {
            app_->triggerAction(QStringLiteral("redo"));
            QCOMPARE(GridText(*app_), states[i]);
        }
        QVERIFY(app_->form->isWindowModified());
        QVERIFY(app_->ui.messages.empty());
    }

    // The last files opened or saved, newest first, are there at the next run, and open
    // as File > Open does.
    void recentFilesOutliveTheRun()
    {
        const QString first = app_->path("debilt.txt"), second = app_->path("second.txt");
        WriteBytes(second, SampleSeries(3));
        app_->open(second);
        const std::unique_ptr<AppSession> lastRun = std::move(app_); // keeps its folder
        lastRun->form->hide();
        app_ = std::make_unique<AppSession>(Settings::KeptFromTheLastRun);
        auto* recent = Child<QMenu>(app_->form.get(), QStringLiteral("recentFiles"));
        QStringList items;
        for (const QAction* item : recent->actions()) items << item->text();
        QCOMPARE(items, (QStringList{"&1 " + second, "&2 " + first}));
        app_->triggerAction(QStringLiteral("recentFile2"));
        QCOMPARE(app_->panel(1), QStringLiteral("working file: ") + first);
        QCOMPARE(app_->cell(366, 1), QStringLiteral("31/12/2001"));
        QCOMPARE(Child<QAction>(app_->form.get(), QStringLiteral("recentFile1"))->text(), "&1 " + first);
    }

private:
    std::unique_ptr<AppSession> app_;
};

QTEST_MAIN(TestUnsavedWork)
#include "UnsavedWorkTest.moc"
