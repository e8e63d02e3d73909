// The main window: Open, the grid, the column boxes and auto finding, Compute and its
// station question, Save as, the status bar and the exit confirmation.
#include <QApplication>
#include <QComboBox>
#include <QTest>

#include "AppSession.h"
#include "SampleSeries.h"
#include "et/MethodTable.h"
#include "workbench/MethodCommands.h"

using namespace etp;
using namespace etp::testing;

class TestForm1 : public QObject {
    Q_OBJECT
private slots:
    void init() { app_ = std::make_unique<AppSession>(); }

    void openShowsTheFileInTheGridAndTheStatusBar();
    void autoFindAndTheBoxesGoBothWaysWithTheWorkbench();
    void computeAppendsOneColumnPerTickedMethod();
    void stationQuestion_data();
    void stationQuestion();
    void saveAsWritesTheSheetAndNamesTheFile();
    void leavingAsksFirst();

private:
    std::unique_ptr<AppSession> app_;
    QString path(const char* name) const { return app_->path(name); }
};

void TestForm1::openShowsTheFileInTheGridAndTheStatusBar()
{
    QCOMPARE(app_->panel(1), QStringLiteral("working file: none"));
    QCOMPARE(app_->panel(2), QStringLiteral("Latitude: 0°"));
    for (int i = 0; i < 8; ++i) QCOMPARE(app_->box(i), QStringLiteral("?"));

    const QString file = path("station.txt");
    WriteBytes(file, "DATE\tTMIN\r\n01/02/2003\t-1.5\r\n");
    app_->open(file);
    QVERIFY(app_->ui.messages.empty());
    QCOMPARE(app_->panel(1), QStringLiteral("working file: ") + file);
    QCOMPARE(app_->cell(1, 1), QStringLiteral("DATE"));
    QCOMPARE(app_->cell(2, 2), QStringLiteral("-1.5"));
}

void TestForm1::autoFindAndTheBoxesGoBothWaysWithTheWorkbench()
{
    // Typed boxes and a chosen unit reach the workbench.
    app_->type(QStringLiteral("Text1_5"), QStringLiteral("12"));
    QCOMPARE(app_->workbench.columns.text[ColumnBox::Radiation], std::string("12"));
    auto* wind = Child<QComboBox>(app_->form.get(), QStringLiteral("Combo2"));
    wind->setFocus();
    QTest::keyClick(wind, Qt::Key_Down);
    QCOMPARE(app_->workbench.units.text(UnitKind::Wind), std::string("m s^-1"));

    // Auto finding writes the boxes and the lists back from the workbench.
    WriteBytes(path("days.txt"), SampleSeries(30));
    app_->open(path("days.txt"));
    app_->click(QStringLiteral("CmdAutoFind"));
    for (int i = 0; i < 8; ++i) QCOMPARE(app_->box(i), QString::number(i + 1));
    const std::pair<const char*, const char*> units[] = {{"Combo1", "MJ m^-2"}, {"Combo2", "m s^-1"}, {"Combo3", "hours"}};
    for (const auto& [combo, unit] : units)
        QCOMPARE(Child<QComboBox>(app_->form.get(), QString::fromLatin1(combo))->currentText(), QString::fromLatin1(unit));
    QVERIFY(app_->ui.messages.empty());
}

// Each box of the two method dialogs reaches its own method: twelve ticks, twelve
// result columns in the order of the method table.
void TestForm1::computeAppendsOneColumnPerTickedMethod()
{
    app_->openSample(path("days.txt"), 5);
    for (const MethodInfo& info : kMethods) app_->tick(info.method);
    app_->click(QStringLiteral("Command1"));
    QStringList titles, labels;
    for (std::size_t k = 0; k < kMethods.size(); ++k) {
        titles << app_->cell(1, 10 + int(k));
        labels << QString::fromUtf8(kMethods[k].label);
    }
    QCOMPARE(titles, labels);
    QVERIFY(!app_->cell(6, 21).isEmpty());
    QVERIFY(app_->ui.messages.empty());
}

void TestForm1::stationQuestion_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("title");     // of column 10 afterwards
    QTest::addColumn<bool>("stationShown"); // the station dialog, focus in its first box
    QTest::newRow("cancel shows the station dialog") << int(Answer::Cancel) << QString() << true;
    QTest::newRow("ok computes at the default station") << int(Answer::Ok) << QStringLiteral("PotRad") << false;
}

// Compute without a station asks first.
void TestForm1::stationQuestion()
{
    QFETCH(int, answer);
    QFETCH(bool, stationShown);
    WriteBytes(path("days.txt"), SampleSeries(5));
    app_->open(path("days.txt"));
    app_->click(QStringLiteral("CmdAutoFind"));
    app_->tick(Method::PotentialRadiation);
    if (stationShown) { // left earlier with the focus in another box
        Child<QWidget>(app_->openDialog(QStringLiteral("station"), QStringLiteral("Form3")), QStringLiteral("Text3"))->setFocus();
        app_->dialog(QStringLiteral("Form3"))->close();
    }
    app_->ui.answers.push_back(static_cast<Answer>(answer));
    app_->click(QStringLiteral("Command1"));

    QCOMPARE(app_->lastMessage(), QString::fromLatin1(kApplicationTitle) + "|" + QString::fromUtf8(kStationQuestion));
    QTEST(app_->cell(1, 10), "title");
    QWidget* station = app_->dialog(QStringLiteral("Form3"));
    QCOMPARE(station && station->isVisible(), stationShown);
    if (stationShown) QCOMPARE(station->focusWidget(), Child<QWidget>(station, QStringLiteral("Text1")));
}

// The writing itself is the core's; the window chooses the file and names it.
void TestForm1::saveAsWritesTheSheetAndNamesTheFile()
{
    app_->openSample(path("days.txt"), 5);
    app_->computeOnly(Method::PenMon);
    const QString saved = path("saved.txt");
    app_->ui.saveFiles.push_back(saved.toStdString());
    app_->triggerAction(QStringLiteral("saveas"));
    QCOMPARE(app_->panel(1), QStringLiteral("working file: ") + saved);
    QVERIFY(ReadBytes(saved).startsWith(SampleSeries(5).left(40)));
    QVERIFY(ReadBytes(saved).contains("\tPenMon\r\n"));
}

// "&Exit" and the close box each ask their own question; only "Yes" closes.
void TestForm1::leavingAsksFirst()
{
    const auto leave = [this](bool menu, Answer answer) {
        app_->ui.answers.push_back(answer);
        if (menu)
            app_->triggerAction(QStringLiteral("exit"));
        else
            app_->form->close();
        return app_->lastMessage();
    };
    QCOMPARE(leave(true, Answer::No), QStringLiteral("ETP computation|Do you really want to exit the program?"));
    QVERIFY(app_->form->isVisible());
    QCOMPARE(leave(false, Answer::No), QStringLiteral("ETP computation|Do you really want to close the program?"));
    QVERIFY(app_->form->isVisible());
    QCOMPARE(leave(false, Answer::Yes), QStringLiteral("ETP computation|Do you really want to close the program?"));
    QVERIFY(!app_->form->isVisible());
    QCOMPARE(app_->ui.messages.size(), std::size_t(3));
    QCOMPARE(app_->ui.icons, std::vector<Icon>(3, Icon::Question));
}

QTEST_MAIN(TestForm1)
#include "Form1Test.moc"
