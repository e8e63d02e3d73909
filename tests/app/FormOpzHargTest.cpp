// "Hargreaves Options": only "OK" with three numbers changes a, b and c, and the next
// "Hargr." column follows them.
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "AppSession.h"

using namespace etp;
using namespace etp::testing;

class TestFormOpzHarg : public QObject {
    Q_OBJECT
private slots:
    void init() { app_ = std::make_unique<AppSession>(); }
    void cleanup() { app_.reset(); }

    void startsWithTheDefaultsAndShowsItsLineBreaks();
    void notANumberKeepsTheDialogAndTheCoefficients();
    void okStoresTheCoefficientsAndTheBoxesKeepThem();
    void restoreDefaultsChangesTheBoxesOnly();
    void closeBoxLeavesTheCoefficients();
    void nextComputationUsesTheNewCoefficient();

private:
    QWidget* openOptions()
    {
        app_->triggerAction(QStringLiteral("OpzHargr"));
        return app_->dialog(QStringLiteral("FormOpzHarg"));
    }
    QString text(QWidget* dialog, int number) const
    {
        return Child<QLineEdit>(dialog, QStringLiteral("Text%1").arg(number))->text();
    }
    std::unique_ptr<AppSession> app_;
};

void TestFormOpzHarg::startsWithTheDefaultsAndShowsItsLineBreaks()
{
    QWidget* dialog = openOptions();
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Hargreaves Options"));
    QCOMPARE(text(dialog, 1), QStringLiteral("0.0023"));
    QCOMPARE(text(dialog, 2), QStringLiteral("17.8"));
    QCOMPARE(text(dialog, 3), QStringLiteral(".5"));
    const QString label = Child<QLabel>(dialog, QStringLiteral("Label1"))->text();
    QVERIFY(!label.contains(QLatin1Char('\r')));
    QVERIFY(label.startsWith(QStringLiteral("Hargreaves and Samani Formula is :\n0.0023 * potential")));
    QVERIFY(label.contains(QStringLiteral("c=0.5\n\nbut some authors")));
    QVERIFY(label.contains(QStringLiteral("parameter.(e.g.: Hargreaves et al, 1982 use  a = 0.0022) or consider")));
}

void TestFormOpzHarg::notANumberKeepsTheDialogAndTheCoefficients()
{
    QWidget* dialog = openOptions();
    app_->type(QStringLiteral("Text1"), QStringLiteral("0.0030"), dialog);
    app_->type(QStringLiteral("Text2"), QStringLiteral("17,8"), dialog);
    app_->click(QStringLiteral("Command1"), dialog);
    QCOMPARE(app_->ui.messages.size(), std::size_t(1));
    QVERIFY(app_->ui.messages[0].starts_with("ETP computation|"));
    QVERIFY(dialog->isVisible());
    QCOMPARE(app_->workbench.hargreaves.a, 0.0023);
    QCOMPARE(app_->workbench.hargreaves.b, 17.8);
}

void TestFormOpzHarg::okStoresTheCoefficientsAndTheBoxesKeepThem()
{
    QWidget* dialog = openOptions();
    app_->type(QStringLiteral("Text1"), QStringLiteral("0.0022"), dialog);
    app_->type(QStringLiteral("Text3"), QStringLiteral("0.6"), dialog);
    app_->click(QStringLiteral("Command1"), dialog);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(app_->workbench.hargreaves.a, 0.0022);
    QCOMPARE(app_->workbench.hargreaves.b, 17.8);
    QCOMPARE(app_->workbench.hargreaves.c, 0.6);

    QWidget* again = openOptions();
    QVERIFY(again == dialog);
    QCOMPARE(text(again, 1), QStringLiteral("0.0022"));
}

void TestFormOpzHarg::restoreDefaultsChangesTheBoxesOnly()
{
    QWidget* dialog = openOptions();
    app_->type(QStringLiteral("Text1"), QStringLiteral("0.0022"), dialog);
    app_->click(QStringLiteral("Command1"), dialog);
    openOptions();
    app_->type(QStringLiteral("Text2"), QStringLiteral("20"), dialog);
    app_->click(QStringLiteral("Command2"), dialog); // Restore defaults
    QCOMPARE(text(dialog, 1), QStringLiteral("0.0023"));
    QCOMPARE(text(dialog, 2), QStringLiteral("17.8"));
    QCOMPARE(text(dialog, 3), QStringLiteral(".5"));
    QVERIFY(dialog->isVisible());
    QCOMPARE(app_->workbench.hargreaves.a, 0.0022); // until "OK"
    app_->click(QStringLiteral("Command1"), dialog);
    QCOMPARE(app_->workbench.hargreaves.a, 0.0023);
    QCOMPARE(app_->workbench.hargreaves.c, 0.5);
}

void TestFormOpzHarg::closeBoxLeavesTheCoefficients()
{
    QWidget* dialog = openOptions();
    app_->type(QStringLiteral("Text1"), QStringLiteral("0.01"), dialog);
    dialog->close();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(app_->workbench.hargreaves.a, 0.0023);
}

// Hargreaves-Samani is proportional to a: twice a, twice every value (to the 0.01 of
// the result format).
void TestFormOpzHarg::nextComputationUsesTheNewCoefficient()
{
    const QTemporaryDir dir;
    app_->openSample(dir.filePath(QStringLiteral("days.txt")), 5);
    app_->tick(MethodHargreaves);
    app_->click(QStringLiteral("Command1"));
    QWidget* dialog = openOptions();
    app_->type(QStringLiteral("Text1"), QStringLiteral("0.0046"), dialog);
    app_->click(QStringLiteral("Command1"), dialog);
    app_->click(QStringLiteral("Command1"));
    QCOMPARE(app_->cell(1, 11), QStringLiteral("Hargr."));
    for (int row = 2; row <= 6; ++row) {
        const double once = app_->cell(row, 10).toDouble();
        QVERIFY(once > 0.5);
        QVERIFY2(qAbs(app_->cell(row, 11).toDouble() - 2 * once) <= 0.011, qPrintable(app_->cell(row, 11)));
    }
}

QTEST_MAIN(TestFormOpzHarg)
#include "FormOpzHargTest.moc"
