// The station dialog: what "OK" shows in the status bar, what typing alone does, and
// the dialog's life as a modeless window.
#include <QLineEdit>
#include <QTest>

#include "AppSession.h"

using namespace etp;
using namespace etp::testing;

class TestForm3 : public QObject {
    Q_OBJECT
private slots:
    void init() { app_ = std::make_unique<AppSession>(); }
    void cleanup() { app_.reset(); }

    void okShowsTheValuesInTheStatusBar_data();
    void okShowsTheValuesInTheStatusBar();
    void typingWithoutOkReachesTheWorkbenchOnly();
    void notANumberKeepsTheDialogOpen();
    void showingTwiceIsOneDialogThatKeepsItsTexts();

private:
    QWidget* openStation()
    {
        app_->triggerAction(QStringLiteral("station"));
        return app_->dialog(QStringLiteral("Form3"));
    }
    std::unique_ptr<AppSession> app_;
};

void TestForm3::okShowsTheValuesInTheStatusBar_data()
{
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<QString>("altitude");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("panel2");
    QTest::addColumn<QString>("panel3");
    QTest::addColumn<QString>("panel4");
    QTest::newRow("typical") << "45.5" << "250" << "10" << "Latitude: 45.5°" << "Altitude a.s.l.: 250 m"
                             << "Wind speed measurement hight: 10 m";
    QTest::newRow("south, no blank before a sign") << "-33" << "0" << "2.00" << "Latitude:-33°"
                                                   << "Altitude a.s.l.: 0 m" << "Wind speed measurement hight: 2 m";
    QTest::newRow("numbers written back") << "+7.250" << "1.5E3" << ".5" << "Latitude: 7.25°"
                                          << "Altitude a.s.l.: 1500 m" << "Wind speed measurement hight: 0.5 m";
}

void TestForm3::okShowsTheValuesInTheStatusBar()
{
    QFETCH(QString, latitude);
    QFETCH(QString, altitude);
    QFETCH(QString, height);
    QWidget* station = openStation();
    QVERIFY(station->isVisible());
    QCOMPARE(station->windowTitle(), QStringLiteral("Station parameters"));
    app_->type(QStringLiteral("Text1"), latitude, station);
    app_->type(QStringLiteral("Text2"), altitude, station);
    app_->type(QStringLiteral("Text3"), height, station);
    app_->click(QStringLiteral("Command1"), station);

    QVERIFY(app_->ui.messages.empty());
    QVERIFY(!station->isVisible());
    QTEST(app_->panel(2), "panel2");
    QTEST(app_->panel(3), "panel3");
    QTEST(app_->panel(4), "panel4");
}

void TestForm3::typingWithoutOkReachesTheWorkbenchOnly()
{
    QWidget* station = openStation();
    app_->type(QStringLiteral("Text1"), QStringLiteral("50"), station);
    app_->type(QStringLiteral("Text3"), QStringLiteral("10"), station);
    QCOMPARE(app_->panel(2), QStringLiteral("Latitude: 0°"));
    // The next computation reads the workbench, not the status bar.
    QCOMPARE(app_->workbench.station.latitude, std::string("50"));
    QCOMPARE(app_->workbench.station.windHeight, std::string("10"));
}

void TestForm3::notANumberKeepsTheDialogOpen()
{
    QWidget* station = openStation();
    app_->type(QStringLiteral("Text1"), QStringLiteral("45.5"), station);
    app_->type(QStringLiteral("Text2"), QStringLiteral("high"), station);
    app_->click(QStringLiteral("Command1"), station);
    QCOMPARE(app_->ui.messages.size(), std::size_t(1));
    QVERIFY(app_->ui.messages[0].starts_with("ETP computation|"));
    QVERIFY(station->isVisible());
    QCOMPARE(app_->panel(2), QStringLiteral("Latitude: 0°"));
}

void TestForm3::showingTwiceIsOneDialogThatKeepsItsTexts()
{
    QWidget* first = openStation();
    QCOMPARE(Child<QLineEdit>(first, QStringLiteral("Text1"))->text(), QStringLiteral("0"));
    QCOMPARE(Child<QLineEdit>(first, QStringLiteral("Text3"))->text(), QStringLiteral("2"));
    app_->type(QStringLiteral("Text1"), QStringLiteral("12"), first);
    QVERIFY(openStation() == first); // while shown: brought to the front
    first->close();                  // the close box hides it
    QVERIFY(!first->isVisible());
    QCOMPARE(app_->panel(2), QStringLiteral("Latitude: 0°"));
    QWidget* again = openStation();
    QVERIFY(again == first);
    QVERIFY(again->isVisible());
    QCOMPARE(Child<QLineEdit>(again, QStringLiteral("Text1"))->text(), QStringLiteral("12"));
}

QTEST_MAIN(TestForm3)
#include "Form3Test.moc"
