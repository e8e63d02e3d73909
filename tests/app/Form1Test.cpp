// The main window: menus, Open, auto finding, Compute, Save as, the status bar and the
// exit confirmation, driven by objectName with a scripted person.
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "AppSession.h"
#include "SampleSeries.h"
#include "et/Compute.h"

using namespace etp;
using namespace etp::testing;

namespace {

const QString kApp = QString::fromLatin1(kApplicationTitle);

QStringList VisibleWindows()
{
    QStringList names;
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible()) names << window->objectName();
    names.sort();
    return names;
}

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void menuTreeHasEveryItemWithItsAccessKeyAndName();
    void unwiredItemsDoNothing();
    void statusPanelsStartWithTheDefaultStation();

    void openReadsTheChosenTextFile();
    void typingInTheGridGoesIntoTheSheet();

    void autoFindFillsTheColumnBoxesAndUnits();
    void typedBoxesAndChosenUnitsGoIntoTheWorkbench();

    void computeAppendsOneColumnPerTickedMethod();
    void cancelOfTheStationQuestionShowsTheStationDialog();
    void okOfTheStationQuestionComputesAtZero();

    void saveAsWritesWhatOpenReadsBack();

    void exitAsksToExitAndNoKeepsTheWindow();
    void closeBoxAsksToCloseAndYesCloses();

    void largeSeriesOpensAndComputesQuickly();

private:
    std::unique_ptr<AppSession> app_;
    std::unique_ptr<QTemporaryDir> dir_;
    QString path(const char* name) const { return dir_->filePath(QString::fromLatin1(name)); }
};

void TestForm1::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    app_ = std::make_unique<AppSession>();
}

void TestForm1::cleanup()
{
    app_.reset();
    dir_.reset();
}

// ---- the window

void TestForm1::menuTreeHasEveryItemWithItsAccessKeyAndName()
{
    QStringList tree;
    for (const QAction* top : app_->form->menuBar()->actions()) {
        if (!top->menu()) {
            tree << top->text() + QStringLiteral(" = ") + top->objectName();
            continue;
        }
        for (const QAction* item : top->menu()->actions())
            tree << top->text() + QStringLiteral(" > ") + item->text() + QStringLiteral(" = ") + item->objectName();
    }
    const QStringList expected = {
        "&File > &Open = open",
        "&File > &Save as = saveas",
        "&File > &Exit = exit",
        "&Station = station",
        "&Etp methods > &Combination = combination",
        "&Etp methods > &Other methods = Other_Methods",
        "&Models meteo files > &CREAMS = creams",
        "&Models meteo files > &LEACHM = leachm",
        "&Models meteo files > CS&YMBA = CSYMBA",
        "&Models meteo files > &MACRO = macro",
        "&Irrigation > &Turned irrigation = turned",
        "&Irrigation > &On demand = domanda",
        "&Option > &PenmanMonteith = OpzPenmon",
        "&Option > &Priestley-Taylor = OpzPt",
        "&Option > &Turc = OpzTurc",
        "&Option > &Hargreaves = OpzHargr",
        "&Option > &Potential Radiation = OpzPotRad",
        "&Tools > Check &data... = checkdata",
        "&Tools > &Chart... = chart",
        "&Tools > &Summary... = summary",
        "&Help > &help = helph",
        "&Help > &about = about",
    };
    QCOMPARE(tree, expected);
}

void TestForm1::unwiredItemsDoNothing()
{
    app_->openSample(path("days.txt"), 3);
    const QStringList windowsBefore = VisibleWindows();
    const QString panelBefore = app_->panel(1);
    app_->ui.messages.clear();
    for (const char* name : {"CSYMBA", "OpzPenmon", "OpzPt",
                             "OpzTurc", "OpzPotRad", "helph"})
        app_->triggerAction(QString::fromLatin1(name));
    QCOMPARE(VisibleWindows(), windowsBefore);
    QVERIFY(app_->ui.messages.empty());
    QCOMPARE(app_->panel(1), panelBefore);
    QCOMPARE(app_->columnCount(), 30);
    QCOMPARE(app_->cell(1, 10), QString());
}

void TestForm1::statusPanelsStartWithTheDefaultStation()
{
    QCOMPARE(app_->panel(1), QStringLiteral("working file: none"));
    QCOMPARE(app_->panel(2), QStringLiteral("Latitude: 0°"));
    QCOMPARE(app_->panel(3), QStringLiteral("Altitude a.s.l.: 0 m"));
    QCOMPARE(app_->panel(4), QStringLiteral("Wind speed measurement hight: 2 m"));
    for (int i = 0; i < 8; ++i) QCOMPARE(app_->box(i), QStringLiteral("?"));
}

// ---- Open

void TestForm1::openReadsTheChosenTextFile()
{
    const QString file = path("station.txt");
    WriteBytes(file, "DATE\tTMIN\r\n01/02/2003\t-1.5\r\n\r\n02/02/2003\t12,5\r\n");
    app_->open(file);
    QVERIFY(app_->ui.messages.empty());
    QCOMPARE(app_->panel(1), QStringLiteral("working file: ") + file);
    QCOMPARE(app_->cell(1, 1), QStringLiteral("DATE"));
    QCOMPARE(app_->cell(2, 2), QStringLiteral("-1.5"));
    QCOMPARE(app_->cell(3, 1), QString()); // the empty line keeps its row
    QCOMPARE(app_->cell(4, 2), QStringLiteral("12,5"));
    QCOMPARE(app_->cell(5, 1), QString());
    // The grid's header still carries the column numbers to type into the boxes.
    const QAbstractItemModel* model = Child<QTableView>(app_->form.get(), QStringLiteral("Grid1"))->model();
    QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("2"));
}

void TestForm1::typingInTheGridGoesIntoTheSheet()
{
    auto* grid = Child<QTableView>(app_->form.get(), QStringLiteral("Grid1"));
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(4, 2)); // sheet row 5, column 3
    QTest::keyClick(grid, Qt::Key_F2); // start editing the cell
    QWidget* editor = QApplication::focusWidget();
    QVERIFY(editor && editor != grid);
    QTest::keyClicks(editor, QStringLiteral("25 °C"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the delegate commits on a queued call
    QCOMPARE(app_->workbench.sheet.cellText(5, 3), std::string_view("25 \xC2\xB0" "C"));
    QCOMPARE(app_->cell(5, 3), QStringLiteral("25 °C"));
}

// ---- Try auto finding

void TestForm1::autoFindFillsTheColumnBoxesAndUnits()
{
    const QString file = path("days.txt");
    WriteBytes(file, SampleSeries(30));
    app_->open(file);
    app_->click(QStringLiteral("CmdAutoFind"));
    for (int i = 0; i < 8; ++i) QCOMPARE(app_->box(i), QString::number(i + 1));
    QCOMPARE(Child<QComboBox>(app_->form.get(), QStringLiteral("Combo1"))->currentText(), QStringLiteral("MJ m^-2"));
    QCOMPARE(Child<QComboBox>(app_->form.get(), QStringLiteral("Combo2"))->currentText(), QStringLiteral("m s^-1"));
    QCOMPARE(Child<QComboBox>(app_->form.get(), QStringLiteral("Combo3"))->currentText(), QStringLiteral("hours"));
    QVERIFY(app_->ui.messages.empty());
}

void TestForm1::typedBoxesAndChosenUnitsGoIntoTheWorkbench()
{
    app_->type(QStringLiteral("Text1_7"), QStringLiteral("0"));
    app_->type(QStringLiteral("Text1_5"), QStringLiteral("12"));
    QCOMPARE(app_->workbench.columns.text[SunshineBox], std::string("0"));
    QCOMPARE(app_->workbench.columns.text[RadiationBox], std::string("12"));

    auto* wind = Child<QComboBox>(app_->form.get(), QStringLiteral("Combo2"));
    wind->setFocus();
    QTest::keyClick(wind, Qt::Key_Down);
    QCOMPARE(app_->workbench.units.text(WindUnit), std::string("m s^-1"));
    // Auto finding writes the lists back from the workbench.
    const QString file = path("days.txt");
    WriteBytes(file, "DATE\tWIND\r\n01/01/2001\t350\r\n");
    app_->open(file);
    app_->click(QStringLiteral("CmdAutoFind"));
    QCOMPARE(wind->currentText(), QStringLiteral("km d^-1"));
}

// ---- Compute

void TestForm1::computeAppendsOneColumnPerTickedMethod()
{
    app_->openSample(path("days.txt"), 5);
    app_->tick(MethodPenMon);
    app_->tick(MethodHargreaves);
    app_->click(QStringLiteral("Command1"));
    QCOMPARE(app_->cell(1, 10), QStringLiteral("PenMon"));
    QCOMPARE(app_->cell(1, 11), QStringLiteral("Hargr."));
    for (int row = 2; row <= 6; ++row)
        for (int column : {10, 11}) {
            bool number = false;
            QVERIFY2(app_->cell(row, column).toDouble(&number) > 0 && number,
                     qPrintable(QStringLiteral("row %1 column %2: %3").arg(row).arg(column).arg(app_->cell(row, column))));
        }
    QCOMPARE(app_->cell(7, 10), QString()); // no day, no value
    QCOMPARE(app_->cell(1, 12), QString());

    // Again: a fresh pair of columns after the last title.
    app_->click(QStringLiteral("Command1"));
    QCOMPARE(app_->cell(1, 12), QStringLiteral("PenMon"));
    QCOMPARE(app_->cell(1, 13), QStringLiteral("Hargr."));
    QCOMPARE(app_->cell(2, 13), app_->cell(2, 11));
    QVERIFY(app_->ui.messages.empty());
}

void TestForm1::cancelOfTheStationQuestionShowsTheStationDialog()
{
    const QString file = path("days.txt");
    WriteBytes(file, SampleSeries(5));
    app_->open(file);
    app_->click(QStringLiteral("CmdAutoFind"));
    app_->tick(MethodPotentialRadiation);
    // Left earlier with the focus in another box.
    app_->triggerAction(QStringLiteral("station"));
    Child<QWidget>(app_->dialog(QStringLiteral("Form3")), QStringLiteral("Text3"))->setFocus();
    app_->dialog(QStringLiteral("Form3"))->close();
    app_->ui.answers.push_back(Answer::Cancel);
    app_->click(QStringLiteral("Command1"));

    QCOMPARE(app_->lastMessage(), kApp + "|" + QString::fromUtf8(kStationQuestion));
    QCOMPARE(app_->ui.icons.back(), Icon::Question);
    QCOMPARE(app_->cell(1, 10), QString()); // nothing computed
    QWidget* station = app_->dialog(QStringLiteral("Form3"));
    QVERIFY(station && station->isVisible());
    QCOMPARE(station->focusWidget(), Child<QWidget>(station, QStringLiteral("Text1")));
}

void TestForm1::okOfTheStationQuestionComputesAtZero()
{
    const QString file = path("days.txt");
    WriteBytes(file, SampleSeries(5));
    app_->open(file);
    app_->click(QStringLiteral("CmdAutoFind"));
    app_->tick(MethodPotentialRadiation);
    app_->ui.answers.push_back(Answer::Ok);
    app_->click(QStringLiteral("Command1"));
    QCOMPARE(app_->cell(1, 10), QStringLiteral("PotRad"));
    QVERIFY(!app_->cell(2, 10).isEmpty());
    QVERIFY(!app_->dialog(QStringLiteral("Form3")));
}

// ---- Save as

void TestForm1::saveAsWritesWhatOpenReadsBack()
{
    app_->openSample(path("days.txt"), 5);
    app_->tick(MethodPenMon);
    app_->click(QStringLiteral("Command1"));
    // A note below the days, after an empty date cell, must survive too.
    app_->workbench.sheet.setCellText(12, 4, "checked by hand");
    std::vector<QStringList> before;
    for (int row = 1; row <= 13; ++row) {
        QStringList cells;
        for (int column = 1; column <= 11; ++column) cells << app_->cell(row, column);
        before.push_back(cells);
    }

    const QString saved = path("saved.txt");
    app_->ui.saveFiles.push_back(saved.toStdString());
    app_->triggerAction(QStringLiteral("saveas"));
    QCOMPARE(app_->panel(1), QStringLiteral("working file: ") + saved);
    const QByteArray bytes = ReadBytes(saved);
    QCOMPARE(bytes.count("\r\n"), 12); // rows 1 to 12, each with its CR LF
    QCOMPARE(bytes.count('\n'), 12);
    QVERIFY(bytes.endsWith("\t\t\tchecked by hand\t\t\t\t\t\t\r\n")); // columns 1 to 10

    app_->open(saved);
    QVERIFY(app_->ui.messages.empty());
    for (int row = 1; row <= 13; ++row)
        for (int column = 1; column <= 11; ++column)
            QCOMPARE(app_->cell(row, column), before[static_cast<std::size_t>(row - 1)][column - 1]);
}

// ---- leaving

void TestForm1::exitAsksToExitAndNoKeepsTheWindow()
{
    app_->openSample(path("days.txt"), 3);
    app_->ui.messages.clear();
    app_->ui.answers.push_back(Answer::No);
    app_->triggerAction(QStringLiteral("exit"));
    QCOMPARE(app_->ui.messages, std::vector<std::string>{"ETP computation|Do you really want to exit the program?"});
    QCOMPARE(app_->ui.icons.back(), Icon::Question);
    QVERIFY(app_->form->isVisible());
    QCOMPARE(app_->cell(1, 1), QStringLiteral("DATE"));

    // After "&Exit", the close box asks its own question.
    app_->ui.answers.push_back(Answer::No);
    app_->form->close();
    QCOMPARE(app_->lastMessage(), QStringLiteral("ETP computation|Do you really want to close the program?"));
    QVERIFY(app_->form->isVisible());
}

void TestForm1::closeBoxAsksToCloseAndYesCloses()
{
    app_->ui.answers.push_back(Answer::Yes);
    app_->form->close();
    QCOMPARE(app_->ui.messages, std::vector<std::string>{"ETP computation|Do you really want to close the program?"});
    QVERIFY(!app_->form->isVisible());
}

// ---- size

// 32,000 lines and all twelve methods must leave the window responsive. The bounds are
// four times the targets (open + show 0.5 s, Compute 0.2 s), so that a slow machine
// passes and a copy of the sheet or a per-row measurement does not.
void TestForm1::largeSeriesOpensAndComputesQuickly()
{
    const QString file = path("large.txt");
    WriteBytes(file, SampleSeries(31999));
    auto* grid = Child<QTableView>(app_->form.get(), QStringLiteral("Grid1"));

    QElapsedTimer timer;
    timer.start();
    app_->open(file);
    grid->viewport()->repaint();
    QCoreApplication::processEvents();
    const qint64 openMs = timer.elapsed();

    app_->click(QStringLiteral("CmdAutoFind"));
    app_->setStation(QStringLiteral("45"), QStringLiteral("100"));
    for (int k = 0; k < kMethodCount; ++k) app_->tick(k);
    timer.restart();
    app_->click(QStringLiteral("Command1"));
    grid->viewport()->repaint();
    QCoreApplication::processEvents();
    const qint64 computeMs = timer.elapsed();

    qInfo("32000 lines: open + show %lld ms, Compute of 12 methods %lld ms", openMs, computeMs);
    QCOMPARE(app_->cell(32000, 1), QStringLiteral("10/08/2088"));
    QCOMPARE(app_->cell(1, 21), QStringLiteral("PotRad"));
    QVERIFY(!app_->cell(32000, 21).isEmpty());
    QVERIFY2(openMs < 2000, "open + show too slow");
    QVERIFY2(computeMs < 800, "Compute too slow");
}

QTEST_MAIN(TestForm1)
#include "Form1Test.moc"
