// The settings dialogs: the station (StationDialog), "Hargreaves Options" (HargreavesOptionsDialog), the
// About box (AboutDialog), "Combination methods" (CombinationMethodsDialog), "others methods" (OtherMethodsDialog)
// and "Standard methods" (StandardMethodsDialog). What their boxes and buttons hand to the workbench and the status bar,
// the About box's own "OK", the method boxes enabled at each opening as the column
// assignment allows, and what "OK" and "annulla" do. Which texts are refused:
// tests/workbench.
#include "AppSession.h"
#include "et/MethodAvailability.h"
#include "et/MethodOptions.h"
#include "sheet/DecimalText.h"

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
        QCOMPARE(station->focusWidget()->objectName(), QStringLiteral("Text2")); // the box to correct
        QCOMPARE(app_->panel(2), QStringLiteral("Latitude: 0°"));

        app_->type(QStringLiteral("Text2"), QStringLiteral("250"), station);
        app_->click(QStringLiteral("Command1"), station);
        QCOMPARE(app_->ui.messages.size(), std::size_t(1));
        QVERIFY(!station->isVisible());
        QCOMPARE(app_->panel(2), QStringLiteral("Latitude: 45.5°"));
        QCOMPARE(app_->panel(3), QStringLiteral("Altitude a.s.l.: 250 m"));
        QCOMPARE(app_->panel(4), QStringLiteral("Wind speed measurement hight: 10 m"));

        // Shown again: the latitude box has the focus; "Cancel" puts back what it held.
        QVERIFY(open("station", "Form3") == station);
        QCOMPARE(station->focusWidget()->objectName(), QStringLiteral("Text1"));
        app_->type(QStringLiteral("Text1"), QStringLiteral("95"), station);
        app_->click(QStringLiteral("Command2"), station);
        QVERIFY(!station->isVisible());
        QCOMPARE(app_->workbench.station.latitude, std::string("45.5"));
        QCOMPARE(text(station, "Text1"), QStringLiteral("45.5"));
    }

    // A decimal comma is a decimal mark in the three boxes: "1,9" is 1.9 m.
    void stationBoxesTakeADecimalComma()
    {
        QWidget* station = open("station", "Form3");
        app_->type(QStringLiteral("Text1"), QStringLiteral("-33,25"), station);
        app_->type(QStringLiteral("Text2"), QStringLiteral("250"), station);
        app_->type(QStringLiteral("Text3"), QStringLiteral("1,9"), station);
        app_->click(QStringLiteral("Command1"), station);
        QVERIFY(app_->ui.messages.empty());
        QVERIFY(!station->isVisible());
        QCOMPARE(app_->workbench.station.latitude, std::string("-33.25"));
        QCOMPARE(app_->panel(2), QStringLiteral("Latitude:-33.25°"));
        QCOMPARE(app_->panel(4), QStringLiteral("Wind speed measurement hight: 1.9 m"));
        QVERIFY(open("station", "Form3") == station);
        QCOMPARE(text(station, "Text3"), QStringLiteral("1.9"));
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
        const HargreavesCoefficients& coefficients = app_->workbench.hargreaves;
        QVERIFY(coefficients.a == 0.0022 && coefficients.b == 17.8 && coefficients.c == 0.6);
        QVERIFY(open("OpzHargr", "FormOpzHarg") == dialog);
        QCOMPARE(text(dialog, "Text1"), QStringLiteral("0.0022"));

        app_->click(QStringLiteral("Command2"), dialog); // Restore defaults
        QCOMPARE(text(dialog, "Text3"), QStringLiteral(".5"));
        QCOMPARE(coefficients.a, 0.0022); // until "OK"
        app_->click(QStringLiteral("Command1"), dialog);
        QVERIFY(coefficients.a == 0.0023 && coefficients.c == 0.5);
    }

    // A box out of its range is refused by name, with the cursor in it; "Cancel" and the
    // close box change nothing, and the next showing starts from the coefficients.
    void hargreavesOkChecksEachBoxAndCancelChangesNothing()
    {
        QWidget* dialog = open("OpzHargr", "FormOpzHarg");
        app_->type(QStringLiteral("Text1"), QStringLiteral("-5"), dialog);
        app_->click(QStringLiteral("Command1"), dialog);
        QCOMPARE(app_->ui.messages, std::vector<std::string>{"ETP computation|The value of a must be from 0.0001 to 0.01: \"-5\""});
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->focusWidget()->objectName(), QStringLiteral("Text1"));
        app_->type(QStringLiteral("Text1"), QStringLiteral("0.002"), dialog);
        app_->type(QStringLiteral("Text3"), QStringLiteral("5"), dialog);
        app_->click(QStringLiteral("Command1"), dialog);
        QCOMPARE(app_->ui.messages.size(), std::size_t(2));
        QCOMPARE(dialog->focusWidget()->objectName(), QStringLiteral("Text3"));
        QCOMPARE(app_->workbench.hargreaves.a, 0.0023);

        app_->click(QStringLiteral("Command3"), dialog); // Cancel
        QVERIFY(!dialog->isVisible());
        QCOMPARE(app_->workbench.hargreaves.a, 0.0023);
        QVERIFY(open("OpzHargr", "FormOpzHarg") == dialog);
        QCOMPARE(text(dialog, "Text1"), QStringLiteral("0.0023"));
        QCOMPARE(text(dialog, "Text3"), QStringLiteral("0.5")); // the coefficient, not the "5" typed
        app_->type(QStringLiteral("Text2"), QStringLiteral("20"), dialog);
        dialog->close(); // the close box
        QCOMPARE(app_->workbench.hargreaves.b, 17.8);
        open("OpzHargr", "FormOpzHarg");
        QCOMPARE(text(dialog, "Text2"), QStringLiteral("17.8"));
        QCOMPARE(app_->ui.messages.size(), std::size_t(2));
    }

    // A refused "OK" keeps the dialog open with the cursor in the box to correct; "Cancel"
    // changes nothing, and the next showing starts again from the settings.
    void missingDataOkNeedsValidBoxesAndCancelChangesNothing()
    {
        QWidget* dialog = open("OpzMissing", "FormMissing");
        QVERIFY(dialog->isVisible() && dialog->isModal());
        QCOMPARE(text(dialog, "TxtAngstromA"), QStringLiteral("0.25"));
        ClickIndicator(Child<QCheckBox>(dialog, QStringLiteral("ChkRadiation")));
        app_->type(QStringLiteral("TxtAngstromA"), QStringLiteral("1.2"), dialog);
        app_->click(QStringLiteral("Command1"), dialog);
        QCOMPARE(app_->ui.messages, std::vector<std::string>{"ETP computation|Angstrom a must be from 0 to 1: 1.2"});
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->focusWidget()->objectName(), QStringLiteral("TxtAngstromA"));
        app_->type(QStringLiteral("TxtAngstromA"), QStringLiteral("0.6"), dialog); // a + b = 1.1
        app_->click(QStringLiteral("Command1"), dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->focusWidget()->objectName(), QStringLiteral("TxtAngstromB"));
        QVERIFY(!app_->workbench.estimates.radiation);

        app_->type(QStringLiteral("TxtAngstromA"), QStringLiteral("0.3"), dialog);
        app_->click(QStringLiteral("Command1"), dialog);
        QVERIFY(!dialog->isVisible());
        QVERIFY(app_->workbench.estimates.radiation && app_->workbench.estimates.angstromA == 0.3);

        QVERIFY(open("OpzMissing", "FormMissing") == dialog);
        ClickIndicator(Child<QCheckBox>(dialog, QStringLiteral("ChkRadiation")));
        app_->type(QStringLiteral("TxtKrs"), QStringLiteral("0.19"), dialog);
        app_->click(QStringLiteral("Command2"), dialog);
        QVERIFY(!dialog->isVisible());
        QVERIFY(app_->workbench.estimates.radiation && app_->workbench.estimates.krs == 0.16);
        open("OpzMissing", "FormMissing");
        QVERIFY(Child<QCheckBox>(dialog, QStringLiteral("ChkRadiation"))->isChecked());
        QCOMPARE(text(dialog, "TxtKrs"), QStringLiteral("0.16"));
        QCOMPARE(text(dialog, "TxtAngstromA"), QStringLiteral("0.3"));
    }

    // The Option menu's method dialogs: modal, each showing starts from the workbench,
    // "Cancel" changes nothing, "OK" keeps the choice; P-T's alpha must be from 1 to 2.
    void methodOptionDialogsOkKeepsCancelChangesNothing()
    {
        for (const auto& [item, name] : {std::pair{"OpzPenmon", "FormOpzPenmon"}, std::pair{"OpzTurc", "FormOpzTurc"},
                                         std::pair{"OpzPotRad", "FormOpzPotRad"}}) {
            const std::size_t changed = ChangedOptionLines(app_->workbench.methodOptions).size();
            QWidget* dialog = open(item, name);
            QVERIFY(dialog->isVisible() && dialog->isModal());
            QVERIFY(Child<QRadioButton>(dialog, QStringLiteral("Option1"))->isChecked());
            ClickIndicator(Child<QRadioButton>(dialog, QStringLiteral("Option2")));
            app_->click(QStringLiteral("Command2"), dialog);
            QVERIFY(!dialog->isVisible());
            QCOMPARE(ChangedOptionLines(app_->workbench.methodOptions).size(), changed);
            QVERIFY(open(item, name) == dialog);
            QVERIFY(Child<QRadioButton>(dialog, QStringLiteral("Option1"))->isChecked());
            ClickIndicator(Child<QRadioButton>(dialog, QStringLiteral("Option2")));
            app_->click(QStringLiteral("Command1"), dialog);
            QCOMPARE(ChangedOptionLines(app_->workbench.methodOptions).size(), changed + 1);
            open(item, name);
            QVERIFY(Child<QRadioButton>(dialog, QStringLiteral("Option2"))->isChecked());
            app_->click(QStringLiteral("Command2"), dialog);
        }
        const MethodOptions& options = app_->workbench.methodOptions;
        QVERIFY(options.penMonSoilHeat == SoilHeatFlux::Zero && options.turcHumidity == TurcHumidity::Off &&
                options.potentialRadiationUnit == PotentialRadiationUnit::MillimetresPerDay);

        QWidget* pt = open("OpzPt", "FormOpzPt");
        QCOMPARE(text(pt, "Text1"), QStringLiteral("1.26"));
        app_->type(QStringLiteral("Text1"), QStringLiteral("2.5"), pt);
        app_->click(QStringLiteral("Command1"), pt);
        QCOMPARE(app_->ui.messages,
                 std::vector<std::string>{"ETP computation|The Priestley-Taylor alpha is a number from 1 to 2: \"2.5\""});
        QVERIFY(pt->isVisible());
        app_->type(QStringLiteral("Text1"), QStringLiteral("1.5"), pt);
        app_->type(QStringLiteral("Text2"), QStringLiteral("0.5"), pt);
        app_->click(QStringLiteral("Command1"), pt);
        QVERIFY(pt->isVisible());
        QCOMPARE(options.priestleyTaylorAlpha, 1.26); // both or neither
        app_->type(QStringLiteral("Text2"), QStringLiteral("0.19"), pt);
        app_->click(QStringLiteral("Command1"), pt);
        QVERIFY(!pt->isVisible());
        QCOMPARE(options.priestleyTaylorAlpha, 1.5);
        QCOMPARE(options.ptExtradKrs, 0.19);
    }

    // "Calibrate against PenMon" on 60 sample days fits the a the box shows, also after
    // "Restore defaults" has put back another than the coefficient's; the fit is shown as a
    // question, and "Yes" makes the fitted a, with the b and c shown, the coefficients. A
    // wrong box is refused as "OK" refuses it, before anything is fitted.
    void hargreavesCalibrationUsesTheBoxesAsShown()
    {
        app_->openSample(app_->path("sample.txt"), 60);
        app_->ui.messages.clear();
        QWidget* dialog = open("OpzHargr", "FormOpzHarg");
        app_->type(QStringLiteral("Text1"), QStringLiteral("0.003"), dialog);
        app_->click(QStringLiteral("Command1"), dialog);
        open("OpzHargr", "FormOpzHarg");
        app_->click(QStringLiteral("Command2"), dialog); // Restore defaults: a = 0.0023 shown
        app_->ui.answers.push_back(Answer::No);
        app_->click(QStringLiteral("CmdCalibrate"), dialog);
        QVERIFY(app_->lastMessage().startsWith(QStringLiteral("ETP computation|Hargreaves against PenMon over 60 days\na = 0.0023 fitted: a = ")));
        QCOMPARE(app_->workbench.hargreaves.a, 0.003);

        app_->type(QStringLiteral("Text3"), QStringLiteral("0.6"), dialog);
        app_->ui.answers.push_back(Answer::Yes);
        app_->click(QStringLiteral("CmdCalibrate"), dialog);
        const HargreavesCoefficients& taken = app_->workbench.hargreaves;
        QVERIFY(taken.a != 0.003 && taken.a != 0.0023);
        QVERIFY(taken.b == 17.8 && taken.c == 0.6);
        QCOMPARE(text(dialog, "Text1"), QString::fromStdString(DecimalText(taken.a)));
        QVERIFY(app_->lastMessage().contains(QStringLiteral("fitted: a = ") + QString::fromStdString(DecimalText(taken.a).substr(0, 6))));

        const std::size_t shown = app_->ui.messages.size();
        app_->type(QStringLiteral("Text2"), QStringLiteral("-1"), dialog);
        app_->click(QStringLiteral("CmdCalibrate"), dialog); // no question queued: none may be asked
        QCOMPARE(app_->ui.messages.size(), shown + 1);
        QCOMPARE(app_->lastMessage(), QStringLiteral("ETP computation|The value of b must be from 0 to 40: \"-1\""));
        QCOMPARE(dialog->focusWidget()->objectName(), QStringLiteral("Text2"));
    }

    // Help > help shows the guide; CSYMBA, which has no file layout, cannot be chosen.
    void helpShowsTheGuide()
    {
        app_->triggerAction(QStringLiteral("helph"));
        auto* help = Child<QTextBrowser>(app_->form.get(), QStringLiteral("FormHelp"));
        QVERIFY(help->isVisible() && help->isWindow());
        QVERIFY(help->toPlainText().contains(QStringLiteral("The methods")));
        QVERIFY(app_->ui.messages.empty());
        QAction* csymba = Child<QAction>(app_->form.get(), QStringLiteral("CSYMBA"));
        QVERIFY(!csymba->isEnabled());
        QCOMPARE(csymba->toolTip(), QStringLiteral("No file layout is defined for this model."));
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

    // Both dialogs were refused once in init(). Neither column: a question (OK and Cancel:
    // either will do), no dialog. An opening that shows a dialog enables the boxes the
    // columns allow: with radiation PenMon, P-T, PFAOrad and, in the others dialog, Turc and
    // P-T extrad; with sunshine alone every box of the others dialog. The others dialog leaves the boxes of
    // the combination dialog as they were.
    void boxesFollowTheColumnsAtEachOpening()
    {
        const struct {
            const char *radiation, *sunshine, *item, *dialog, *enabled, *message;
        } rows[] = {{"0", "0", "combination", "Form2", "000000000001", kNoRadiationOrSunshine},
                    {"6", "0", "combination", "Form2", "011110111111", ""},
                    {"0", "8", "Other_Methods", "frmOthermet", "000001101111", ""}};
        for (const auto& row : rows) {
            app_->ui.messages.clear();
            setColumns(QString::fromLatin1(row.radiation), QString::fromLatin1(row.sunshine));
            if (*row.message) app_->ui.answers.push_back(Answer::Ok);
            QWidget* dialog = open(row.item, row.dialog);
            QCOMPARE(enabledFlags(), QString::fromLatin1(row.enabled));
            QCOMPARE(dialog->isVisible(), !*row.message);
            QCOMPARE(app_->lastMessage(), *row.message ? "ETP computation|" + QString::fromLatin1(row.message) : QString());
            QVERIFY(app_->ui.messages.size() <= 1);
            dialog->hide();
        }
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

    // "Standard methods", the third item of "&Etp methods", enables its two boxes only when
    // the columns hold radiation; its ticks reach the workbench and "OK" hides it.
    void standardDialogNeedsRadiationAndOkKeepsItsTicks()
    {
        QCOMPARE(app_->form->findChild<QAction*>(QStringLiteral("Standard_Methods"))->text(), QStringLiteral("&Standard methods"));
        setColumns(QStringLiteral("0"), QStringLiteral("8"));
        QWidget* standard = open("Standard_Methods", "frmStandard");
        QCOMPARE(standard->windowTitle(), QStringLiteral("Standard methods"));
        QCOMPARE(check("frmStandard", 1)->text(), QStringLiteral("ASCE short reference (grass)"));
        QCOMPARE(check("frmStandard", 2)->text(), QStringLiteral("ASCE tall reference (alfalfa)"));
        QVERIFY(!check("frmStandard", 1)->isEnabled() && !check("frmStandard", 2)->isEnabled());
        QCOMPARE(enabledFlags(), QStringLiteral("000001101111")); // the other dialogs' boxes follow

        setColumns(QStringLiteral("6"), QStringLiteral("8"));
        QVERIFY(open("Standard_Methods", "frmStandard") == standard);
        QVERIFY(check("frmStandard", 1)->isEnabled() && check("frmStandard", 2)->isEnabled());
        ClickIndicator(check("frmStandard", 2));
        app_->click(QStringLiteral("Command1"), standard);
        QVERIFY(!standard->isVisible());
        QVERIFY(app_->workbench.methods.checked[Method::AsceTall] && !app_->workbench.methods.checked[Method::AsceShort]);
        QVERIFY(app_->ui.messages.empty());
    }

    // A disabled box says in its tooltip which column boxes it needs. A typed column
    // enables what the columns now allow and disables what they no longer allow, in the
    // shown dialog and the hidden ones, with no message.
    void disabledBoxesSayWhatTheyNeedAndFollowTheTypedColumns()
    {
        setColumns(QStringLiteral("6"), QStringLiteral("0"));
        open("combination", "Form2");
        QVERIFY(!check("Form2", 1)->isEnabled());
        QCOMPARE(check("Form2", 1)->toolTip(),
                 QStringLiteral("Needs the sunshine column: type its number in the box \"Suns. dur.\" (now \"0\")."));
        QVERIFY(check("Form2", 3)->isEnabled() && check("Form2", 3)->toolTip().isEmpty());

        app_->type(QStringLiteral("Text1_7"), QStringLiteral("8"));
        QVERIFY(check("Form2", 1)->isEnabled() && check("Form2", 1)->toolTip().isEmpty());
        QVERIFY(check("frmOthermet", 1)->isEnabled()); // Hargreaves, its dialog hidden
        app_->type(QStringLiteral("Text1_5"), QStringLiteral("0"));
        QVERIFY(!check("Form2", 3)->isEnabled()); // PenMon without radiation
        QCOMPARE(check("frmOthermet", 2)->toolTip(),
                 QStringLiteral("Needs the radiation column: type its number in the box \"Rad.\" (now \"0\")."));
        QVERIFY(app_->ui.messages.empty());
    }

private:
    // The eight column boxes hold 1..8, radiation and sunshine as given.
    void setColumns(const QString& radiation, const QString& sunshine)
    {
        for (int i = 0; i < 8; ++i)
            app_->type(QStringLiteral("Text1_%1").arg(i), i == 5 ? radiation : i == 7 ? sunshine : QString::number(i + 1));
    }
    QCheckBox* check(const char* dialog, int number) const
    {
        return Child<QCheckBox>(app_->dialog(QString::fromLatin1(dialog)), QStringLiteral("Check%1").arg(number));
    }
    // Enabled flags of the twelve boxes, k = 0..11, as "0"/"1".
    QString enabledFlags() const
    {
        QString flags;
        for (const char* dialog : {"Form2", "frmOthermet"})
            for (int number = 1; number <= 6; ++number) flags += check(dialog, number)->isEnabled() ? '1' : '0';
        return flags;
    }
    QWidget* open(const char* item, const char* dialog) { return app_->openDialog(QString::fromLatin1(item), QString::fromLatin1(dialog)); }
    QString text(const QWidget* dialog, const char* box) const { return Child<QLineEdit>(dialog, QString::fromLatin1(box))->text(); }
    std::unique_ptr<AppSession> app_;
};

QTEST_MAIN(TestSettingsDialogs)
#include "SettingsDialogsTest.moc"
