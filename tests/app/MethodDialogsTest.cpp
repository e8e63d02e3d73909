// "Combination methods" (Form2) and "others methods" (frmOthermet): the boxes enabled at
// each opening as the column assignment allows, what "OK" and "annulla" do, and that a
// tick or an untick reaches the workbench at once.

#include "AppSession.h"
#include "et/MethodAvailability.h"

using namespace etp;
using namespace etp::testing;

class TestMethodDialogs : public QObject {
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
    QWidget* open(const char* item, const char* dialog) { return app_->openDialog(QString::fromLatin1(item), QString::fromLatin1(dialog)); }
    // Enabled flags of the twelve boxes, k = 0..11, as "0"/"1".
    QString enabledFlags() const;
    QCheckBox* check(const char* dialog, int number) const;

    std::unique_ptr<AppSession> app_;
};

void TestMethodDialogs::setColumns(const QString& radiation, const QString& sunshine)
{
    for (int i = 0; i < 8; ++i)
        app_->type(QStringLiteral("Text1_%1").arg(i), i == 5 ? radiation : i == 7 ? sunshine : QString::number(i + 1));
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

QTEST_MAIN(TestMethodDialogs)
#include "MethodDialogsTest.moc"
