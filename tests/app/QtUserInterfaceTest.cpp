// The desktop's answers to the commands: the boxes they show (title, text, icon,
// buttons), the answer each button gives, the file filters and the busy pointer.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/QtUserInterface.h"

using namespace etp;

namespace {

struct BoxSeen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool normalPointer = false;
};

// Presses the button of the next message box as soon as it is up, noting what it showed.
void PressOnNextBox(QMessageBox::StandardButton button, BoxSeen& seen)
{
    QTimer::singleShot(0, [button, &seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                QApplication::overrideCursor() == nullptr};
        if (QAbstractButton* pressed = box->button(button))
            pressed->click();
        else
            box->reject();
    });
}

Qt::CursorShape OverrideShape() { return QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : Qt::ArrowCursor; }

} // namespace

class TestQtUserInterface : public QObject {
    Q_OBJECT
private slots:
    void filtersBecomeQtFilters_data();
    void filtersBecomeQtFilters();
    void carriageReturnsAreLineBreaks();

    void messageShowsTitleTextAndIcon();
    void questionAnswersWithThePressedButton_data();
    void questionAnswersWithThePressedButton();

    void busyPointerNestsAndComesBack();

private:
    QtUserInterface ui_;
};

void TestQtUserInterface::filtersBecomeQtFilters_data()
{
    QTest::addColumn<QString>("filters");
    QTest::addColumn<QString>("qt");
    QTest::newRow("open") << "text files (*.txt)|*.txt|Excel (*.xls)|*.xls" << "text files (*.txt);;Excel (*.xls)";
    QTest::newRow("pattern missing from the description") << "Rain|*.rn" << "Rain (*.rn)";
    QTest::newRow("pattern without its description is dropped") << "Rain (*.rn)|*.rn|*.etp" << "Rain (*.rn)";
}

void TestQtUserInterface::filtersBecomeQtFilters()
{
    QFETCH(QString, filters);
    QTEST(QtFileFilters(filters.toStdString()), "qt");
}

void TestQtUserInterface::carriageReturnsAreLineBreaks()
{
    QCOMPARE(ShownText("Found 2 sheets\r\r1)  1995\r\n2)  1996"), QStringLiteral("Found 2 sheets\n\n1)  1995\n2)  1996"));
    QCOMPARE(ShownText("Latitude: 0\xC2\xB0"), QStringLiteral("Latitude: 0°"));
}

void TestQtUserInterface::messageShowsTitleTextAndIcon()
{
    BoxSeen seen;
    PressOnNextBox(QMessageBox::Ok, seen);
    ui_.message("first line\rsecond line", "Result", Icon::Critical);
    QCOMPARE(seen.title, QStringLiteral("Result"));
    QCOMPARE(seen.text, QStringLiteral("first line\nsecond line"));
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void TestQtUserInterface::questionAnswersWithThePressedButton_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("press");
    QTest::addColumn<int>("answer");
    QTest::newRow("yes") << int(Buttons::YesNo) << int(QMessageBox::Yes) << int(Answer::Yes);
    QTest::newRow("no") << int(Buttons::YesNo) << int(QMessageBox::No) << int(Answer::No);
    QTest::newRow("escape on yes/no is no") << int(Buttons::YesNo) << int(QMessageBox::NoButton) << int(Answer::No);
    QTest::newRow("ok") << int(Buttons::OkCancel) << int(QMessageBox::Ok) << int(Answer::Ok);
    QTest::newRow("cancel") << int(Buttons::OkCancel) << int(QMessageBox::Cancel) << int(Answer::Cancel);
    QTest::newRow("escape on ok/cancel is cancel") << int(Buttons::OkCancel) << int(QMessageBox::NoButton)
                                                   << int(Answer::Cancel);
}

void TestQtUserInterface::questionAnswersWithThePressedButton()
{
    QFETCH(int, buttons);
    QFETCH(int, press);
    BoxSeen seen;
    PressOnNextBox(static_cast<QMessageBox::StandardButton>(press), seen);
    const Answer answer = ui_.question("Sure?", kApplicationTitle, Icon::Question, static_cast<Buttons>(buttons));
    QTEST(int(answer), "answer");
    QCOMPARE(seen.icon, QMessageBox::Question);
    QCOMPARE(seen.title, QStringLiteral("ETP computation"));
}

void TestQtUserInterface::busyPointerNestsAndComesBack()
{
    {
        auto busy = ui_.busy(Pointer::Busy);
        QCOMPARE(OverrideShape(), Qt::WaitCursor);
        {
            auto arrow = ui_.busy(Pointer::BusyArrow);
            QCOMPARE(OverrideShape(), Qt::BusyCursor);
            // A box asks for a click: normal pointer while it is up, busy again after.
            BoxSeen seen;
            PressOnNextBox(QMessageBox::Ok, seen);
            ui_.message("Import complete.", "Result", Icon::None);
            QVERIFY(seen.normalPointer);
            QCOMPARE(OverrideShape(), Qt::BusyCursor);
        }
        QCOMPARE(OverrideShape(), Qt::WaitCursor);
    }
    QVERIFY(!QApplication::overrideCursor());
}

QTEST_MAIN(TestQtUserInterface)
#include "QtUserInterfaceTest.moc"
