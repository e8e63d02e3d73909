// The desktop's answers to the commands: the boxes they show (title, text, icon,
// buttons), the answer each button gives, the file filters and the busy pointer.
#include <QtTest>
#include <QtWidgets>

#include "app/AppSettings.h"
#include "app/QtUserInterface.h"

using namespace etp;

namespace {

struct BoxSeen {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool normalPointer = false;
};

// Presses the button of the next message box as soon as it is up (Escape when the box
// has no such button), noting what it showed.
void PressOnNextBox(QMessageBox::StandardButton button, BoxSeen& seen)
{
    QTimer::singleShot(0, [button, &seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons(), QApplication::overrideCursor() == nullptr};
        if (QAbstractButton* pressed = box->button(button)) pressed->click();
        else box->reject();
    });
}

struct FileDialogSeen {
    QString directory, filter, file, suffix;
};

// Cancels the next file dialog as soon as it is up, noting where it opened, its filter and
// the name it proposed.
void CancelNextFileDialog(FileDialogSeen& seen)
{
    QTimer::singleShot(0, [&seen] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        const QStringList files = dialog->selectedFiles();
        seen = {dialog->directory().absolutePath(), dialog->selectedNameFilter(),
                files.isEmpty() ? QString() : QFileInfo(files.constFirst()).fileName(), dialog->defaultSuffix()};
        dialog->reject();
    });
}

Qt::CursorShape OverrideShape() { return QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : Qt::ArrowCursor; }

} // namespace

class TestQtUserInterface : public QObject {
    Q_OBJECT
    QtUserInterface ui_;

private slots:
    // The folder of the last file dialog is the tests' own setting, never the person's.
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("etp-tests"));
        QSettings().clear();
    }

    // Open starts with every supported format in the last folder used; a save dialog
    // given a proposed name shows it under the filter of its extension.
    void fileDialogsStartWithAllFormatsOrTheProposedName()
    {
        const QTemporaryDir folder;
        SetLastFolder(folder.path());
        FileDialogSeen seen;
        CancelNextFileDialog(seen);
        QCOMPARE(ui_.chooseOpenFile("*.txt;*.csv;*.tsv;*.xls;*.xlsx;*.ods",
                                    "All supported files|*.txt;*.csv;*.tsv;*.xls;*.xlsx;*.ods|Excel (*.xls)|*.xls"),
                 std::nullopt);
        QCOMPARE(seen.filter, QStringLiteral("All supported files (*.txt *.csv *.tsv *.xls *.xlsx *.ods)"));
        QCOMPARE(seen.directory, folder.path());

        CancelNextFileDialog(seen);
        QCOMPARE(ui_.chooseSaveFile("debilt.tr", "Save T and Rad"), std::nullopt);
        QCOMPARE(seen.filter, QStringLiteral("*.tr (*.tr)"));
        QCOMPARE(seen.file, QStringLiteral("debilt.tr"));
        QCOMPARE(seen.suffix, QStringLiteral("tr"));
        QCOMPARE(seen.directory, folder.path());
    }

    // A pattern missing from its description is added; a pattern without one is dropped.
    void filtersAndTexts()
    {
        QCOMPARE(QtFileFilters("text files (*.txt)|*.txt|Excel (*.xls)|*.xls"), QStringLiteral("text files (*.txt);;Excel (*.xls)"));
        QCOMPARE(QtFileFilters("Both|*.txt;*.csv|All files|*"), QStringLiteral("Both (*.txt *.csv);;All files (*)"));
        QCOMPARE(QtFileFilters("Rain|*.rn"), QStringLiteral("Rain (*.rn)"));
        QCOMPARE(QtFileFilters("Rain (*.rn)|*.rn|*.etp"), QStringLiteral("Rain (*.rn)"));
        QCOMPARE(ShownText("Found 2 sheets\r\r1)  1995\r\n2)  1996"), QStringLiteral("Found 2 sheets\n\n1)  1995\n2)  1996"));
        QCOMPARE(ShownText("Latitude: 0\xC2\xB0"), QStringLiteral("Latitude: 0°"));
    }

    // Escape answers "No" or "Cancel".
    void questionAnswersWithThePressedButton()
    {
        const std::tuple<Buttons, QMessageBox::StandardButton, Answer> rows[] = {
            {Buttons::YesNo, QMessageBox::Yes, Answer::Yes},       {Buttons::YesNo, QMessageBox::No, Answer::No},
            {Buttons::YesNo, QMessageBox::NoButton, Answer::No},   {Buttons::OkCancel, QMessageBox::Ok, Answer::Ok},
            {Buttons::OkCancel, QMessageBox::Cancel, Answer::Cancel}, {Buttons::OkCancel, QMessageBox::NoButton, Answer::Cancel},
            {Buttons::SaveDiscardCancel, QMessageBox::Save, Answer::Save},
            {Buttons::SaveDiscardCancel, QMessageBox::Discard, Answer::Discard},
            {Buttons::SaveDiscardCancel, QMessageBox::NoButton, Answer::Cancel}};
        for (const auto& [buttons, press, answer] : rows) {
            BoxSeen seen;
            PressOnNextBox(press, seen);
            QCOMPARE(ui_.question("Sure?", kApplicationTitle, Icon::Question, buttons), answer);
            QCOMPARE(seen.icon, QMessageBox::Question);
            QCOMPARE(seen.title, QStringLiteral("ETP computation"));
        }
    }

    // A choice among items: the prompt above a list of the numbered items, the default
    // picked; the answer is the number of the item picked, none when cancelled.
    void listChoiceAnswersTheNumberPicked()
    {
        const std::vector<std::string> sheets = {"1995", "1996", "Notes"};
        QString shown;
        QStringList items;
        const auto pick = [&](int row) {
            QTimer::singleShot(0, [&, row] {
                auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
                if (!dialog) return;
                shown = dialog->windowTitle() + '|' + dialog->labelText() + '|' + dialog->textValue();
                auto* list = dialog->findChild<QListView*>();
                items.clear();
                for (int i = 0; list && i < list->model()->rowCount(); ++i) items << list->model()->index(i, 0).data().toString();
                if (row < 0) return dialog->reject();
                list->setCurrentIndex(list->model()->index(row, 0));
                dialog->accept();
            });
        };
        pick(2);
        QCOMPARE(ui_.chooseFromList("Found 3 sheets\r\rplease", "selection of sheet", sheets, "1"), std::optional<std::string>("3"));
        QCOMPARE(shown, QStringLiteral("selection of sheet|Found 3 sheets\n\nplease|1)  1995"));
        QCOMPARE(items, (QStringList{QStringLiteral("1)  1995"), QStringLiteral("2)  1996"), QStringLiteral("3)  Notes")}));
        pick(-1);
        QCOMPARE(ui_.chooseFromList("Found 3 sheets", "selection of sheet", sheets, "2"), std::optional<std::string>());
        QVERIFY(shown.endsWith(QStringLiteral("|2)  1996")));
    }

    // The pointers nest; a box asks for a click, so the normal pointer is shown while it
    // is up, and the busy one again after.
    void messageUnderTheBusyPointer()
    {
        {
            auto busy = ui_.busy(Pointer::Busy);
            QCOMPARE(OverrideShape(), Qt::WaitCursor);
            {
                auto arrow = ui_.busy(Pointer::BusyArrow);
                QCOMPARE(OverrideShape(), Qt::WaitCursor);
                BoxSeen seen;
                PressOnNextBox(QMessageBox::Ok, seen);
                ui_.message("first line\rsecond line", "Result", Icon::Critical);
                QCOMPARE(seen.title, QStringLiteral("Result"));
                QCOMPARE(seen.text, QStringLiteral("first line\nsecond line"));
                QCOMPARE(seen.icon, QMessageBox::Critical);
                QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
                QVERIFY(seen.normalPointer);
                QCOMPARE(OverrideShape(), Qt::WaitCursor);
            }
            QCOMPARE(OverrideShape(), Qt::WaitCursor);
        }
        QVERIFY(!QApplication::overrideCursor());
    }
};

QTEST_MAIN(TestQtUserInterface)
#include "QtUserInterfaceTest.moc"
