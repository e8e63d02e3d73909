// The main window: Open, the column boxes and auto finding, Compute and its station
// question, Save as, the status bar and the exit confirmation.

#include "AppSession.h"
#include "et/MethodTable.h"
#include "workbench/SettingCommands.h"
#include "workbench/MethodCommands.h"

using namespace etp;
using namespace etp::testing;

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init() { app_ = std::make_unique<AppSession>(); }

    void autoFindAndTheBoxesGoBothWaysWithTheWorkbench()
    {
        // Typed boxes and a chosen unit reach the workbench.
        app_->type(QStringLiteral("Text1_5"), QStringLiteral("12"));
        QCOMPARE(app_->workbench.columns.text(ColumnBox::Radiation), std::string("12"));
        auto* wind = Child<QComboBox>(app_->form.get(), QStringLiteral("Combo2"));
        wind->setFocus();
        QTest::keyClick(wind, Qt::Key_Down);
        QCOMPARE(app_->workbench.units.text(UnitKind::Wind), std::string("m s^-1"));

        // Auto finding writes the boxes and the lists back from the workbench.
        app_->openSample(app_->path("days.txt"), 30);
        for (int i = 0; i < 8; ++i) QCOMPARE(app_->box(i), QString::number(i + 1));
        const std::pair<const char*, const char*> units[] = {{"Combo1", "MJ m^-2"}, {"Combo2", "m s^-1"}, {"Combo3", "hours"}};
        for (const auto& [combo, unit] : units)
            QCOMPARE(Child<QComboBox>(app_->form.get(), QString::fromLatin1(combo))->currentText(), QString::fromLatin1(unit));
    }

    // Each box of the three method dialogs reaches its own method: one tick and one result
    // column per method, in the order of the method table.
    void computeAppendsOneColumnPerTickedMethod()
    {
        app_->openSample(app_->path("days.txt"), 5);
        for (const MethodInfo& info : kMethods) app_->tick(info.method);
        app_->click(QStringLiteral("Command1"));
        QStringList titles;
        for (std::size_t k = 0; k < kMethods.size(); ++k) titles << app_->cell(1, 10 + int(k));
        QCOMPARE(titles, QStringList({"PenFAO", "PFAOnocorr", "PenMon", "P-T", "PFAOrad", "PFAOsun", "Hargr.", "Turc",
                                      "Thornt.", "P-T extrad", "Bl-Cr", "PotRad", "ASCE short", "ASCE tall"}));
        QVERIFY(!app_->cell(6, 21).isEmpty());
        // Five days of January: Thornthwaite's heat index has one month to go on.
        QCOMPARE(app_->ui.messages.size(), std::size_t(1));
        QVERIFY(app_->lastMessage().endsWith(
            QStringLiteral("|Thornt.: 2001 has 1 month of temperatures; its heat index uses that month")));
    }

    // A station with sunshine, then one without, in one run of the program: the second
    // computes no sunshine method, says why, and its dialog shows their boxes disabled.
    void aStationWithoutSunshineAfterOneWithComputesNoSunshineMethod()
    {
        app_->openSample(app_->path("sunny.txt"), 5);
        for (const Method method : MethodsOf(MethodDialog::Combination)) app_->tick(method);
        app_->click(QStringLiteral("Command1"));
        QCOMPARE(app_->cell(1, 10), QStringLiteral("PenFAO"));

        QByteArray withoutSunshine;
        for (const QByteArray& line : SampleSeries(5).split('\n')) {
            if (line.isEmpty()) continue;
            QList<QByteArray> fields = line.split('\t');
            fields.removeAt(7); // ELIOF
            withoutSunshine += fields.join('\t') + '\n';
        }
        WriteBytes(app_->path("cloudy.txt"), withoutSunshine);
        app_->ui.answers = {Answer::Discard}; // the first station's results
        app_->open(app_->path("cloudy.txt"));
        app_->click(QStringLiteral("CmdAutoFind"));
        app_->setStation(QStringLiteral("45"), QStringLiteral("100"));
        app_->click(QStringLiteral("Command1"));
        QStringList titles;
        for (int c = 8; !app_->cell(1, c).isEmpty(); ++c) titles << app_->cell(1, c);
        QCOMPARE(titles, QStringList({"RAIN", "PFAOnocorr", "PenMon", "P-T", "PFAOrad"}));
        const QString box = app_->box(static_cast<int>(Index(ColumnBox::Sunshine)));
        QVERIFY2(app_->lastMessage().contains(QStringLiteral("PenFAO: needs the sunshine column; box Suns. dur. is ") + box),
                 qPrintable(app_->lastMessage()));
        QVERIFY(app_->lastMessage().contains(QStringLiteral("PFAOsun: needs the sunshine column")));

        QWidget* dialog = app_->openDialog(QStringLiteral("combination"), QStringLiteral("Form2"));
        QVERIFY(!Child<QCheckBox>(dialog, QStringLiteral("Check1"))->isEnabled());
        QVERIFY(Child<QCheckBox>(dialog, QStringLiteral("Check3"))->isEnabled());
    }

    // A file opened for the first time has no station: the status bar says so in one panel,
    // and Compute shows the station dialog and computes nothing. Set at 0° and 0 m, Compute
    // asks whether that was meant: "Cancel" shows the station dialog with the focus in its
    // first box (it was left with the focus elsewhere) and computes nothing; "OK" computes.
    void computeWithoutAStationAsksFirst()
    {
        WriteBytes(app_->path("days.txt"), SampleSeries(5));
        app_->open(app_->path("days.txt"));
        QCOMPARE(app_->panel(2), QString::fromLatin1(kStationNotSet));
        QVERIFY(!Child<QLabel>(app_->form.get(), QStringLiteral("StatusBar1_3"))->isVisible());
        app_->click(QStringLiteral("CmdAutoFind"));
        app_->tick(Method::PotentialRadiation);
        app_->click(QStringLiteral("Command1"));
        QWidget* station = app_->dialog(QStringLiteral("Form3"));
        QVERIFY(station && station->isVisible());
        QVERIFY(app_->ui.messages.empty());
        QCOMPARE(app_->cell(1, 10), QString());
        app_->setStation(QStringLiteral("0"), QStringLiteral("0"));
        QCOMPARE(app_->panel(2), QStringLiteral("Latitude: 0°"));
        QVERIFY(Child<QLabel>(app_->form.get(), QStringLiteral("StatusBar1_3"))->isVisible());

        app_->openDialog(QStringLiteral("station"), QStringLiteral("Form3"));
        Child<QWidget>(station, QStringLiteral("Text3"))->setFocus();
        station->close();
        app_->ui.answers = {Answer::Cancel, Answer::Ok};
        app_->click(QStringLiteral("Command1"));
        QCOMPARE(app_->lastMessage(), QString::fromLatin1(kApplicationTitle) + "|" + QString::fromUtf8(kStationQuestion));
        QCOMPARE(app_->cell(1, 10), QString());
        QVERIFY(station->isVisible());
        QCOMPARE(station->focusWidget(), Child<QWidget>(station, QStringLiteral("Text1")));

        app_->click(QStringLiteral("Command1"));
        QCOMPARE(app_->ui.messages.size(), std::size_t(2));
        QCOMPARE(app_->cell(1, 10), QStringLiteral("PotRad"));
    }

    // The station belongs to the file: given for A, unset for a new B (whose boxes are found
    // afresh), A's again when A is opened again, in this run and in the next.
    void eachFileOpensWithItsOwnStation()
    {
        const QString a = app_->path("a.txt"), b = app_->path("b.txt");
        app_->openSample(a, 5);
        app_->setStation(QStringLiteral("52.1"), QStringLiteral("2"));
        QCOMPARE(app_->box(7), QStringLiteral("8"));
        WriteBytes(b, SampleSeries(5));
        app_->open(b);
        QCOMPARE(app_->panel(2), QString::fromLatin1(kStationNotSet));
        QCOMPARE(app_->box(7), QStringLiteral("?"));
        app_->open(a);
        QCOMPARE(app_->panel(2), QStringLiteral("Latitude: 52.1°"));
        QCOMPARE(app_->panel(3), QStringLiteral("Altitude a.s.l.: 2 m"));

        app_->open(b);
        const std::unique_ptr<AppSession> lastRun = std::move(app_); // keeps its folder
        lastRun->form->hide();
        app_ = std::make_unique<AppSession>(Settings::KeptFromTheLastRun);
        app_->triggerAction(QStringLiteral("recentFile2")); // a.txt, behind b.txt
        QCOMPARE(app_->panel(1), QStringLiteral("working file: ") + a);
        QCOMPARE(app_->panel(2), QStringLiteral("Latitude: 52.1°"));
    }

    // After Compute, a number typed over in an input column marks the result's title cell
    // (its text unchanged) and says so in the status bar, until the method is computed
    // again. A text that is no number is coloured and named in the status bar as soon as it
    // is typed; Undo takes it back, marks and all.
    void typedInputsMarkResultsAndTextsThatAreNoNumber()
    {
        app_->openSample(app_->path("days.txt"), 5);
        app_->computeOnly(Method::PenMon);
        const QAbstractItemModel* model = app_->grid()->model();
        const QModelIndex title = model->index(0, 9), rh = model->index(2, 3);
        auto* note = Child<QLabel>(app_->form.get(), QStringLiteral("SheetNote"));
        const auto marked = [](const QModelIndex& cell) { return cell.data(Qt::BackgroundRole).canConvert<QBrush>(); };
        QVERIFY(!marked(title) && !note->isVisible());

        app_->setCell(2, 2, QStringLiteral("3.5"));
        QVERIFY(marked(title));
        QVERIFY(!title.data(Qt::DecorationRole).value<QIcon>().isNull());
        QCOMPARE(title.data().toString(), QStringLiteral("PenMon"));
        QVERIFY(note->isVisible());
        QCOMPARE(note->text(), QStringLiteral("PenMon (col 10) out of date: inputs edited since Compute"));
        app_->computeOnly(Method::PenMon);
        QVERIFY(!marked(title) && !marked(model->index(0, 10)));
        QVERIFY(!note->isVisible());

        const QString was = app_->cell(3, 4);
        app_->setCell(3, 4, QStringLiteral("8o"));
        QVERIFY(marked(rh));
        QVERIFY(marked(model->index(0, 10)));
        QCOMPARE(note->text(), QStringLiteral("Row 3 (02/01/2001), U.R. min: \"8o\" is not a number (Compute reads 8)"));
        QCOMPARE(note->toolTip(), note->text() + QStringLiteral("\nPenMon (col 11) out of date: inputs edited since Compute"));
        app_->triggerAction(QStringLiteral("undo"));
        QCOMPARE(app_->cell(3, 4), was);
        QVERIFY(!marked(rh) && !marked(model->index(0, 10)));
        QVERIFY(!note->isVisible());
        QVERIFY(Child<QLabel>(app_->form.get(), QStringLiteral("StatusBar1_1"))->isVisible());
    }

    // The reading and writing themselves are the core's; the window chooses the files,
    // shows the sheet in the grid and names the working file.
    void openAndSaveAsShowTheSheetAndNameTheFile()
    {
        app_->openSample(app_->path("days.txt"), 5);
        QCOMPARE(app_->panel(1), QStringLiteral("working file: ") + app_->path("days.txt"));
        QCOMPARE(app_->cell(6, 1), QStringLiteral("05/01/2001"));
        app_->computeOnly(Method::PenMon);
        const QString saved = app_->path("saved.txt");
        app_->ui.saveFiles.push_back(saved.toStdString());
        app_->triggerAction(QStringLiteral("saveas"));
        QCOMPARE(app_->panel(1), QStringLiteral("working file: ") + saved);
        QVERIFY(ReadBytes(saved).startsWith(SampleSeries(5).left(40)));
        QVERIFY(ReadBytes(saved).contains("\tPenMon\r\n"));
        QVERIFY(app_->ui.messages.empty());
    }

    // A file opened after another starts at its first day and first column, wherever the
    // grid was left.
    void openShowsTheTopLeftCell()
    {
        app_->openSample(app_->path("days.txt"), 400);
        QTableView* grid = app_->grid();
        grid->scrollTo(grid->model()->index(300, 29));
        QVERIFY(grid->horizontalScrollBar()->value() > 0 && grid->verticalScrollBar()->value() > 0);
        app_->open(app_->path("days.txt"));
        QCOMPARE(grid->horizontalScrollBar()->value(), 0);
        QCOMPARE(grid->verticalScrollBar()->value(), 0);
    }

    // "&Exit" and the close box each ask their own question; only "Yes" closes.
    void leavingAsksFirst()
    {
        app_->ui.answers = {Answer::No, Answer::No, Answer::Yes};
        app_->triggerAction(QStringLiteral("exit"));
        QCOMPARE(app_->lastMessage(), QStringLiteral("ETP computation|Do you really want to exit the program?"));
        QVERIFY(app_->form->isVisible());
        app_->form->close();
        QVERIFY(app_->form->isVisible());
        app_->form->close();
        QVERIFY(!app_->form->isVisible());
        QCOMPARE(app_->lastMessage(), QStringLiteral("ETP computation|Do you really want to close the program?"));
        QCOMPARE(app_->ui.icons, std::vector<Icon>(3, Icon::Question));
    }

    // A second opening while shown brings the same dialog forward. The close box hides a
    // dialog, which comes back as it was left, or discards it, and the next opening builds
    // it afresh with its first texts (and, for LEACHM and MACRO, a fresh scan of the ET
    // columns).
    void eachDialogIsKeptOrDiscardedByItsCloseBox()
    {
        app_->openSample(app_->path("days.txt"), 60);
        app_->computeOnly(Method::PenMon);
        const std::tuple<const char*, const char*, bool> dialogs[] = {
            {"station", "Form3", false},       {"OpzHargr", "FormOpzHarg", false}, {"combination", "Form2", false},
            {"Other_Methods", "frmOthermet", false}, {"creams", "Form4", false}, {"about", "frmAbout", false},
            {"chart", "ChartDialog", false},   {"summary", "SummaryDialog", false}, {"checkdata", "DataCheckDialog", false},
            {"leachm", "Form5", true},         {"macro", "form6", true},           {"turned", "TurnedIrri", true},
            {"domanda", "Domirr", true},       {"Standard_Methods", "frmStandard", false}};
        const auto firstBox = [](const QWidget* dialog) { return dialog->findChild<QLineEdit*>(); };
        for (const auto& [item, name, discards] : dialogs) {
            const QPointer<QWidget> dialog = app_->openDialog(item, name);
            const bool hasBox = firstBox(dialog) != nullptr;
            const QString initial = hasBox ? firstBox(dialog)->text() : QString();
            if (hasBox) app_->type(firstBox(dialog)->objectName(), QStringLiteral("7"), dialog);
            QVERIFY(app_->openDialog(item, name) == dialog && dialog->isVisible());
            dialog->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY2(dialog.isNull() == discards, name);
            QWidget* again = app_->openDialog(item, name);
            QVERIFY(again->isVisible());
            // The Hargreaves dialog's close box is its "Cancel": the coefficient shows again.
            const bool typedStays = !discards && QLatin1String(name) != QLatin1String("FormOpzHarg");
            if (hasBox) QCOMPARE(firstBox(again)->text(), typedStays ? QStringLiteral("7") : initial);
            again->hide();
        }
        QCOMPARE(app_->ui.messages, std::vector<std::string>());
    }

private:
    std::unique_ptr<AppSession> app_;
};

QTEST_MAIN(TestMainWindow)
#include "MainWindowTest.moc"
