// The About box: its texts, the system-information button where no tool exists, and
// "OK" discarding the box so that the next showing builds it afresh.
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include "AppSession.h"

using namespace etp;
using namespace etp::testing;

class TestFrmAbout : public QObject {
    Q_OBJECT
private slots:
    void init() { app_ = std::make_unique<AppSession>(); }
    void cleanup() { app_.reset(); }

    void showsTitleVersionAndDescription();
    void systemInfoWithoutAToolSaysItIsUnavailable();
    void okDiscardsTheBoxAndTheNextShowingBuildsItAgain();

private:
    QWidget* openAbout()
    {
        app_->triggerAction(QStringLiteral("about"));
        return app_->dialog(QStringLiteral("frmAbout"));
    }
    QString label(QWidget* about, const char* name) const
    {
        return Child<QLabel>(about, QString::fromLatin1(name))->text();
    }
    std::unique_ptr<AppSession> app_;
};

void TestFrmAbout::showsTitleVersionAndDescription()
{
    QWidget* about = openAbout();
    QVERIFY(about->isVisible());
    QCOMPARE(about->windowTitle(), QStringLiteral("About ETP computation"));
    QCOMPARE(label(about, "lblTitle"), QStringLiteral("ETP computation"));
    QCOMPARE(label(about, "lblVersion"), QStringLiteral("Version 1.0.2"));
    const QStringList lines = label(about, "lblDescription").split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 13);
    QCOMPARE(lines.first(), QStringLiteral("Program for computing reference ET and produce models meteo files"));
    QCOMPARE(lines[5], QStringLiteral("with the cooperation of:"));
    QCOMPARE(lines.last(), QStringLiteral("Rev 05/03/2000 FAO 56 Compliant"));
    QCOMPARE(label(about, "lblDisclaimer"), QStringLiteral("Warning .. program as is, no warranty\nany comment wellcome !"));
    QVERIFY(!Child<QLabel>(about, QStringLiteral("picIcon"))->pixmap().isNull());
}

void TestFrmAbout::systemInfoWithoutAToolSaysItIsUnavailable()
{
    // No system monitor on an empty PATH.
    const QTemporaryDir empty;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(empty.path()));
    QWidget* about = openAbout();
    app_->click(QStringLiteral("cmdSysInfo"), about);
    qputenv("PATH", path);
    QCOMPARE(app_->ui.messages, std::vector<std::string>{"ETP computation|System Information Is Unavailable At This Time"});
    QVERIFY(about->isVisible());
}

void TestFrmAbout::okDiscardsTheBoxAndTheNextShowingBuildsItAgain()
{
    const QPointer<QWidget> first = openAbout();
    QVERIFY(openAbout() == first); // shown twice: brought to the front
    app_->click(QStringLiteral("cmdOK"), first);
    QVERIFY(!first->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());

    QWidget* second = openAbout();
    QVERIFY(second && second->isVisible());
    QCOMPARE(label(second, "lblVersion"), QStringLiteral("Version 1.0.2"));
}

QTEST_MAIN(TestFrmAbout)
#include "FrmAboutTest.moc"
