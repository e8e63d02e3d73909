// The settings dialogs: the station (Form3), "Hargreaves Options" (FormOpzHarg), the
// About box (frmAbout), "Combination methods" (Form2) and "others methods"
// (frmOthermet). What their boxes and buttons hand to the workbench and the status bar,
// the About box's own "OK", the method boxes enabled at each opening as the column
// assignment allows, and what "OK" and "annulla" do. Which texts are refused:
// tests/workbench.
#include "AppSession.h"
#include "et/MethodAvailability.h"

using namespace etp;
using namespace etp::testing;

class TestSettingsDialogs : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        app_ = std::make_unique<AppSession>();
        // With every box at "?" both openings are refused, but both dialogs now exist.
        app_->triggerAction(QStringLiteral("combination"));
        app_->triggerAction(QStringLiteral("Other_Methods"));
        QCOMPARE(app_->ui.messages, std::vector<std::string>(2, "ETP computation|" + std::string(kProblemsInVariables)));
        QCOMPARE(app_->ui.icons.back(), Icon::Critical);
        QVERIFY(!app_->dialog(QStringLiteral("Form2"))->isVisible() && !app_->dialog(QStringLiteral("frmOthermet"))->isVisible());
        QCOMPARE(enabledFlags(), QStringLiteral("000000000001"));
        app_->ui.messages.clear();
    }
    void cleanup() { app_.reset(); }

    // The next computation reads the workbench, not the status bar, which waits for an "OK"
    // with numbers.
    void stationTypingReachesTheWorkbenchAndOnlyOkShowsThePanels()
    {
        QWidget* station = open("station", "Form3");
        app_->type(QStringLiteral("Text1"), QStringLiteral("45.5"), station);
        app_->type(QStringLiteral("Text2"), QStringLiteral("high"), station);
        app_->type(QStringLiteral("Text3"), QStringLiteral("10"), station);
        QCOMPARE(app_->workbench.station.latitude, std::string("45.5"));
        QCOMPARE(app_->workbench.station.altitude, std::string("high"));
        QCOMPARE(app_->workbench.station.windHeight, std::string("10"));
        app_->click(QStringLiteral("Command1"), station);
        QCOMPARE(app_->ui.messages.size(), std::size_t(1));
        QVERIFY(station->isVisible());
        QCOMPARE(app_->panel(2), QStringLiteral("Latitude: 0°"));

        app_->type(QStringLiteral("Text2"), QStringLiteral("250"), station);
        app_->click(QStringLiteral("Command1"), station);
        QCOMPARE(app_->ui.messages.size(), std::size_t(1));
        QVERIFY(!station->isVisible());
        QCOMPARE(app_->panel(2), QStringLiteral("Latitude: 45.5°"));
        QCOMPARE(app_->panel(3), QStringLiteral("Altitude a.s.l.: 250 m"));
        QCOMPARE(app_->panel(4), QStringLiteral("Wind speed measurement hight: 10 m"));
    }

    // "Restore defaults" changes the boxes only; "OK" with three numbers changes the
    // coefficients, and the boxes keep what was typed.
    void hargreavesOnlyOkChangesTheCoefficients()
    {
        QWidget* dialog = open("OpzHargr", "FormOpzHarg");
        QVERIFY(!Child<QLabel>(dialog, QStringLiteral("Label1"))->text().contains(QLatin1Char('\r'))); // line breaks shown
        app_->type(QStringLiteral("Text1"), QStringLiteral("0.0022"), dialog);
        app_->type(QStringLiteral("Text2"), QStringLiteral("17.8"), dialog);
        app_->type(QStringLiteral("Text3"), QStringLiteral("0.6"), dialog);
        app_->click(QStringLiteral("Command1"), dialog);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(app_->workbench.hargreaves.a, 0.0022);
        QCOMPARE(app_->workbench.hargreaves.b, 17.8);
        QCOMPARE(app_->workbench.hargreaves.c, 0.6);
        QVERIFY(open("OpzHargr", "FormOpzHarg") == dialog);
        QCOMPARE(text(dialog, "Text1"), QStringLiteral("0.0022"));

        app_->click(QStringLiteral("Command2"), dialog); // Restore defaults
        QCOMPARE(text(dialog, "Text3"), QStringLiteral(".5"));
        QCOMPARE(app_->workbench.hargreaves.a, 0.0022); // until "OK"
        app_->click(QStringLiteral("Command1"), dialog);
        QCOMPARE(app_->workbench.hargreaves.a, 0.0023);
        QCOMPARE(app_->workbench.hargreaves.c, 0.5);
    }

    // Without a system monitor (an empty PATH) "System Info" says so; "OK" discards the box
    // and the next showing builds it again, with its icon.
    void aboutSystemInfoAndOk()
    {
        const QTemporaryDir empty;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(empty.path()));
        const QPointer<QWidget> about = open("about", "frmAbout");
        app_->click(QStringLiteral("cmdSysInfo"), about);
        qputenv("PATH", path);
        QCOMPARE(app_->ui.messages, std::vector<std::string>{"ETP computation|System Information Is Unavailable At This Time"});
        QVERIFY(about->isVisible());

        app_->click(QStringLiteral("cmdOK"), about);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(about.isNull());
        QWidget* second = open("about", "frmAbout");
        QVERIFY(second && second->isVisible());
        QVERIFY(!Child<QLabel>(second, QStringLiteral("picIcon"))->pixmap().isNull()); // the icon resource is linked in
    }

    void boxesFollowTheColumnsAtEachOpening_data()
    {
        QTest::addColumn<QString>("radiation");
        QTest::addColumn<QString>("sunshine");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("enabled"); // k = 0..11, both dialogs
        QTest::addColumn<QString>("message"); // empty: the dialog is shown
        // PenMon, P-T, PFAOrad here; Turc and P-T extrad in the others dialog.
        QTest::newRow("combination, radiation only") << "6" << "0" << "combination" << "001110010101" << "";
        QTest::newRow("others, sunshine only") << "0" << "8" << "Other_Methods" << "000000111111" << "";
        QTest::newRow("combination, neither") << "0" << "0" << "combination" << "000000000001"
                                              << QString::fromLatin1(kNoRadiationOrSunshine);
    }

    // Both dialogs were refused once in init(): this opening is their second.
    void boxesFollowTheColumnsAtEachOpening()
    {
        QFETCH(QString, radiation);
        QFETCH(QString, sunshine);
        QFETCH(QString, item);
        QFETCH(QString, message);
        setColumns(radiation, sunshine);
        if (!message.isEmpty()) app_->ui.answers.push_back(Answer::Ok); // OK and Cancel: either will do
        QWidget* dialog = open(qPrintable(item), item == QStringLiteral("combination") ? "Form2" : "frmOthermet");
        QTEST(enabledFlags(), "enabled");
        QCOMPARE(dialog->isVisible(), message.isEmpty());
        QCOMPARE(app_->lastMessage(), message.isEmpty() ? QString() : "ETP computation|" + message);
        QVERIFY(app_->ui.messages.size() <= 1);
    }

    // "OK" needs a tick of its own dialog; ticks and unticks reach the workbench at once
    // (what Compute does with them: Form1Test and the core tests); "annulla" hides the one
    // dialog, which keeps its ticks.
    void okNeedsATickAndTheTicksStay()
    {
        setColumns(QStringLiteral("6"), QStringLiteral("8"));
        QWidget* others = open("Other_Methods", "frmOthermet");
        ClickIndicator(check("frmOthermet", 6));
        app_->click(QStringLiteral("Command1"), others);
        QVERIFY(!others->isVisible());

        QWidget* combination = open("combination", "Form2");
        app_->click(QStringLiteral("Command1"), combination);
        QCOMPARE(app_->ui.messages, std::vector<std::string>{"ETP computation|" + std::string(kSelectOneMethod)});
        QVERIFY(combination->isVisible());
        ClickIndicator(check("Form2", 3));
        QVERIFY(app_->workbench.methods.checked[Method::PenMon]);
        ClickIndicator(check("Form2", 4));
        ClickIndicator(check("Form2", 3)); // changed my mind
        QVERIFY(!app_->workbench.methods.checked[Method::PenMon] && app_->workbench.methods.checked[Method::PriestleyTaylor]);
        app_->click(QStringLiteral("Command2"), combination); // annulla
        QVERIFY(!combination->isVisible());

        QVERIFY(open("combination", "Form2") == combination);
        QVERIFY(check("Form2", 4)->isChecked());
        ClickIndicator(check("Form2", 1));
        app_->click(QStringLiteral("Command1"), combination);
        QVERIFY(!combination->isVisible());
        QCOMPARE(app_->ui.messages.size(), std::size_t(1));
        QVERIFY(app_->workbench.methods.checked[Method::PenFao] && app_->workbench.methods.checked[Method::PriestleyTaylor]);
    }

private:
    // The eight column boxes hold 1..8, radiation and sunshine as given.
    void setColumns(const QString& radiation, const QString& sunshine);
    // Enabled flags of the twelve boxes, k = 0..11, as "0"/"1".
    QString enabledFlags() const;
    QCheckBox* check(const char* dialog, int number) const;

    QWidget* open(const char* item, const char* dialog) { return app_->openDialog(QString::fromLatin1(item), QString::fromLatin1(dialog)); }
    QString text(const QWidget* dialog, const char* box) const { return Child<QLineEdit>(dialog, QString::fromLatin1(box))->text(); }
    std::unique_ptr<AppSession> app_;
};

void TestSettingsDialogs::setColumns(const QString& radiation, const QString& sunshine)
{
    for (int i = 0; i < 8; ++i)
        app_->type(QStringLiteral("Text1_%1").arg(i), i == 5 ? radiation : i == 7 ? sunshine : QString::number(i + 1));
}

QCheckBox* TestSettingsDialogs::check(const char* dialog, int number) const
{
    return Child<QCheckBox>(app_->dialog(QString::fromLatin1(dialog)), QStringLiteral("Check%1").arg(number));
}

QString TestSettingsDialogs::enabledFlags() const
{
    QString flags;
    for (const char* dialog : {"Form2", "frmOthermet"})
        for (int number = 1; number <= 6; ++number) flags += check(dialog, number)->isEnabled() ? '1' : '0';
    return flags;
}

QTEST_MAIN(TestSettingsDialogs)
#include "SettingsDialogsTest.moc"
