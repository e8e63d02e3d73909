// "Combination methods" (Form2) and "others methods" (frmOthermet): which boxes the
// column assignment enables, what "OK", "annulla" and the close box do, and that the
// ticks are what Compute runs.
#include <QCheckBox>
#include <QTemporaryDir>
#include <QTest>

#include "AppSession.h"
#include "et/MethodAvailability.h"

using namespace etp;
using namespace etp::testing;

class TestMethodDialogs : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { app_.reset(); }

    void onlyPotentialRadiationIsEnabledAtStart();
    void combinationEnablesWhatTheColumnsAllow_data();
    void combinationEnablesWhatTheColumnsAllow();
    void othersEnablesItsMethodsWhateverTheRadiation();
    void reopeningAfterAChangeEnablesMoreAndNeverLess();

    void okWithoutATickOfItsOwnKeepsTheDialog();
    void okWithATickHidesTheDialog();
    void annullaAndCloseBoxHideAndKeepTheTicks();
    void untickedMethodIsNotComputed();

private:
    // Both dialogs exist, hidden; the eight column boxes hold the given texts.
    void setColumns(const QString& radiation, const QString& wind, const QString& sunshine);
    QWidget* open(const char* menuItem, const char* dialog);
    // Enabled flags of the twelve boxes, k = 0..11, as "0"/"1".
    QString enabledFlags() const;
    QCheckBox* check(const char* dialog, int number) const;

    std::unique_ptr<AppSession> app_;
};

void TestMethodDialogs::init()
{
    app_ = std::make_unique<AppSession>();
    // With every box at "?" both openings are refused, but both dialogs now exist.
    app_->triggerAction(QStringLiteral("combination"));
    app_->triggerAction(QStringLiteral("Other_Methods"));
    QCOMPARE(app_->ui.messages, std::vector<std::string>(2, "ETP computation|" + std::string(kProblemsInVariables)));
    QCOMPARE(app_->ui.icons.back(), Icon::Critical);
    QVERIFY(!app_->dialog(QStringLiteral("Form2"))->isVisible());
    QVERIFY(!app_->dialog(QStringLiteral("frmOthermet"))->isVisible());
    app_->ui.messages.clear();
}

void TestMethodDialogs::setColumns(const QString& radiation, const QString& wind, const QString& sunshine)
{
    for (int i = 0; i < 5; ++i) app_->type(QStringLiteral("Text1_%1").arg(i), QString::number(i + 1));
    app_->type(QStringLiteral("Text1_5"), radiation);
    app_->type(QStringLiteral("Text1_6"), wind);
    app_->type(QStringLiteral("Text1_7"), sunshine);
}

QWidget* TestMethodDialogs::open(const char* menuItem, const char* dialog)
{
    app_->triggerAction(QString::fromLatin1(menuItem));
    return app_->dialog(QString::fromLatin1(dialog));
}

QCheckBox* TestMethodDialogs::check(const char* dialog, int number) const
{
    return Child<QCheckBox>(app_->dialog(QString::fromLatin1(dialog)), QStringLiteral("Check%1").arg(number));
}

QString TestMethodDialogs::enabledFlags() const
{
    QString flags;
    for (const char* dialog : {"Form2", "frmOthermet"})
        for (int number = 1; number <= 6; ++number) flags += check(dialog, number)->isEnabled() ? '1' : '0';
    return flags;
}

void TestMethodDialogs::onlyPotentialRadiationIsEnabledAtStart()
{
    QCOMPARE(enabledFlags(), QStringLiteral("000000000001"));
    QCOMPARE(check("frmOthermet", 6)->text(), QStringLiteral("Print potential radiation"));
    QCOMPARE(check("Form2", 3)->text(), QStringLiteral("Penman Monteith grass (FAO 56)"));
}

void TestMethodDialogs::combinationEnablesWhatTheColumnsAllow_data()
{
    QTest::addColumn<QString>("radiation");
    QTest::addColumn<QString>("wind");
    QTest::addColumn<QString>("sunshine");
    QTest::addColumn<QString>("enabled"); // k = 0..11, both dialogs
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("message");

    QTest::newRow("radiation and sunshine") << "6" << "7" << "8" << "111111000001" << true << "";
    // PenMon, P-T, PFAOrad here; Turc and P-T extrad in the others dialog.
    QTest::newRow("radiation only") << "6" << "7" << "0" << "001110010101" << true << "";
    QTest::newRow("sunshine only") << "0" << "7" << "8" << "000000000001" << true << "";
    QTest::newRow("neither") << "0" << "7" << "0" << "000000000001" << false
                             << QString::fromLatin1(kNoRadiationOrSunshine);
    QTest::newRow("neither, unassigned") << "?" << "7" << "?" << "000000000001" << false
                                         << QString::fromLatin1(kNoRadiationOrSunshine);
    QTest::newRow("wind not available passes") << "6" << "0" << "8" << "111111000001" << true << "";
    QTest::newRow("wind unassigned") << "6" << "?" << "8" << "000000000001" << false
                                     << QString::fromLatin1(kProblemsInVariables);
}

void TestMethodDialogs::combinationEnablesWhatTheColumnsAllow()
{
    QFETCH(QString, radiation);
    QFETCH(QString, wind);
    QFETCH(QString, sunshine);
    QFETCH(bool, shown);
    QFETCH(QString, message);
    setColumns(radiation, wind, sunshine);
    if (!message.isEmpty()) app_->ui.answers.push_back(Answer::Ok); // OK and Cancel: either will do

    QWidget* dialog = open("combination", "Form2");
    QTEST(enabledFlags(), "enabled");
    QCOMPARE(dialog->isVisible(), shown);
    if (message.isEmpty()) {
        QVERIFY(app_->ui.messages.empty());
    } else {
        QCOMPARE(app_->ui.messages, std::vector<std::string>{"ETP computation|" + message.toStdString()});
        QCOMPARE(app_->ui.icons.back(), Icon::Critical);
    }
}

void TestMethodDialogs::othersEnablesItsMethodsWhateverTheRadiation()
{
    setColumns(QStringLiteral("0"), QStringLiteral("7"), QStringLiteral("8"));
    QWidget* dialog = open("Other_Methods", "frmOthermet");
    QVERIFY(dialog->isVisible());
    QCOMPARE(enabledFlags(), QStringLiteral("000000111111"));
}

void TestMethodDialogs::reopeningAfterAChangeEnablesMoreAndNeverLess()
{
    setColumns(QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("0"));
    open("combination", "Form2");
    QCOMPARE(enabledFlags(), QStringLiteral("001110010101"));

    app_->type(QStringLiteral("Text1_7"), QStringLiteral("8"));
    open("combination", "Form2");
    QCOMPARE(enabledFlags(), QStringLiteral("111111010101"));

    // Taking the sunshine away again disables nothing.
    app_->type(QStringLiteral("Text1_7"), QStringLiteral("0"));
    QWidget* dialog = open("combination", "Form2");
    QVERIFY(dialog->isVisible());
    QCOMPARE(enabledFlags(), QStringLiteral("111111010101"));
    QVERIFY(app_->ui.messages.empty());
}

void TestMethodDialogs::okWithoutATickOfItsOwnKeepsTheDialog()
{
    setColumns(QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8"));
    // A tick in the other dialog does not count.
    QWidget* others = open("Other_Methods", "frmOthermet");
    ClickCheckBox(check("frmOthermet", 6));
    app_->click(QStringLiteral("Command1"), others);
    QVERIFY(!others->isVisible());

    QWidget* combination = open("combination", "Form2");
    app_->click(QStringLiteral("Command1"), combination);
    QCOMPARE(app_->ui.messages, std::vector<std::string>{"ETP computation|" + std::string(kSelectOneMethod)});
    QVERIFY(combination->isVisible());
}

void TestMethodDialogs::okWithATickHidesTheDialog()
{
    setColumns(QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8"));
    QWidget* combination = open("combination", "Form2");
    ClickCheckBox(check("Form2", 3));
    QVERIFY(app_->workbench.methods.checked[MethodPenMon]);
    app_->click(QStringLiteral("Command1"), combination);
    QVERIFY(!combination->isVisible());
    QVERIFY(app_->ui.messages.empty());
}

void TestMethodDialogs::annullaAndCloseBoxHideAndKeepTheTicks()
{
    setColumns(QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8"));
    QWidget* combination = open("combination", "Form2");
    ClickCheckBox(check("Form2", 3));
    app_->click(QStringLiteral("Command2"), combination); // annulla
    QVERIFY(!combination->isVisible());

    QWidget* again = open("combination", "Form2");
    QVERIFY(again == combination);
    QVERIFY(check("Form2", 3)->isChecked());
    ClickCheckBox(check("Form2", 1));
    again->close();
    QVERIFY(!again->isVisible());

    QVERIFY(open("combination", "Form2") == combination);
    QVERIFY(check("Form2", 1)->isChecked() && check("Form2", 3)->isChecked());
    QVERIFY(check("Form2", 1)->isEnabled());
    QVERIFY(app_->workbench.methods.checked[MethodPenFao] && app_->workbench.methods.checked[MethodPenMon]);
}

void TestMethodDialogs::untickedMethodIsNotComputed()
{
    const QTemporaryDir dir;
    app_->openSample(dir.filePath(QStringLiteral("days.txt")), 3);
    QWidget* combination = open("combination", "Form2");
    ClickCheckBox(check("Form2", 3));
    ClickCheckBox(check("Form2", 4));
    ClickCheckBox(check("Form2", 3)); // changed my mind
    app_->click(QStringLiteral("Command1"), combination);
    app_->click(QStringLiteral("Command1"));
    QCOMPARE(app_->cell(1, 10), QStringLiteral("P-T"));
    QCOMPARE(app_->cell(1, 11), QString());
}

QTEST_MAIN(TestMethodDialogs)
#include "MethodDialogsTest.moc"
