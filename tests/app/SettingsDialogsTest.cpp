// The station dialog (Form3), "Hargreaves Options" (FormOpzHarg) and the About box
// (frmAbout): what their boxes and buttons hand to the workbench and the status bar,
// and the About box's own "OK". Which texts are refused: tests/workbench.

#include "AppSession.h"

using namespace etp;
using namespace etp::testing;

class TestSettingsDialogs : public QObject {
    Q_OBJECT
private slots:
    void init() { app_ = std::make_unique<AppSession>(); }
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

    // The close box and "Restore defaults" change the boxes only; "OK" with three numbers
    // changes the coefficients, and the boxes keep what was typed.
    void hargreavesOnlyOkChangesTheCoefficients()
    {
        QWidget* dialog = open("OpzHargr", "FormOpzHarg");
        QVERIFY(!Child<QLabel>(dialog, QStringLiteral("Label1"))->text().contains(QLatin1Char('\r'))); // line breaks shown
        app_->type(QStringLiteral("Text1"), QStringLiteral("0.01"), dialog);
        dialog->close();
        QCOMPARE(app_->workbench.hargreaves.a, 0.0023);

        open("OpzHargr", "FormOpzHarg");
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

private:
    QWidget* open(const char* item, const char* dialog) { return app_->openDialog(QString::fromLatin1(item), QString::fromLatin1(dialog)); }
    QString text(const QWidget* dialog, const char* box) const { return Child<QLineEdit>(dialog, QString::fromLatin1(box))->text(); }
    std::unique_ptr<AppSession> app_;
};

QTEST_MAIN(TestSettingsDialogs)
#include "SettingsDialogsTest.moc"
