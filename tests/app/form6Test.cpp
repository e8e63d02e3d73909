// "Meteo files for MACRO": its own ET column choice, the two saves, "Save all" running
// both, "Save temp. data" doing nothing, "Cancel" hiding and the close box discarding.
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "AppSession.h"
#include "SampleSeries.h"
#include "et/MethodAvailability.h"

using namespace etp;
using namespace etp::testing;

class Testform6 : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup()
    {
        app_.reset();
        dir_.reset();
    }

    void opensWithItsCaptionsAndChoice();
    void savesWriteTheDaysOfTheSheet();
    void saveAllRunsBothSavesAndSaveTempDataNothing();
    void withoutTheChosenColumnNoFileIsAskedFor();
    void cancelHidesAndTheCloseBoxDiscards();

private:
    QWidget* openMacro()
    {
        app_->triggerAction(QStringLiteral("macro"));
        return app_->dialog(QStringLiteral("form6"));
    }
    QString path(const char* name) const { return dir_->filePath(QString::fromLatin1(name)); }

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<AppSession> app_;
};

void Testform6::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    app_ = std::make_unique<AppSession>();
    app_->openSample(path("sample.txt"), 30);
    app_->computeOnly(MethodPenMon);
    app_->ui.messages.clear();
}

void Testform6::opensWithItsCaptionsAndChoice()
{
    QWidget* dialog = openMacro();
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Meteo files for MACRO"));
    QCOMPARE(Child<QGroupBox>(dialog, QStringLiteral("Frame1"))->title(), QStringLiteral("Select one of this methods"));
    const char* captions[] = {"Cancel", "Save rain data", "Save ETP data", "Save temp. data", "Save all"};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(Child<QPushButton>(dialog, QStringLiteral("Command%1").arg(i + 1))->text(), QString::fromLatin1(captions[i]));
    auto* penMon = Child<QRadioButton>(dialog, QStringLiteral("Option3_0"));
    QCOMPARE(penMon->text(), QStringLiteral("PenMon"));
    QVERIFY(penMon->isChecked());
    QVERIFY(Child<QRadioButton>(dialog, QStringLiteral("Option3_1"))->isHidden());
    QVERIFY(app_->ui.messages.empty());
}

void Testform6::savesWriteTheDaysOfTheSheet()
{
    QWidget* dialog = openMacro();
    app_->ui.saveFiles = {path("m.rn").toStdString(), path("m.etp").toStdString()};
    app_->click(QStringLiteral("Command2"), dialog);
    app_->click(QStringLiteral("Command3"), dialog);
    QCOMPARE(app_->ui.saveTitles, (std::vector<std::string>{"MACRO - Save rain", "MACRO - Save ETP"}));
    QCOMPARE(app_->ui.saveInitialNames, (std::vector<std::string>{"*.rn", "*.etp"}));
    const QByteArray rain = ReadBytes(path("m.rn"));
    QCOMPARE(rain.count("\r\n"), 30);
    QVERIFY(rain.startsWith("'200101'    6.2    \r\n'200102'     .0    \r\n")); // year = characters 7-8 of 2001
    const QByteArray et = ReadBytes(path("m.etp"));
    QCOMPARE(et.count("\r\n"), 30);
    QVERIFY(qAbs(et.mid(10, 5).toDouble() - app_->cell(2, 10).toDouble()) <= 0.05 + 1e-9);
}

void Testform6::saveAllRunsBothSavesAndSaveTempDataNothing()
{
    QWidget* dialog = openMacro();
    app_->click(QStringLiteral("Command4"), dialog);
    QVERIFY(app_->ui.saveTitles.empty());
    QVERIFY(app_->ui.messages.empty());
    QVERIFY(dialog->isVisible());

    app_->ui.saveFiles = {path("m.rn").toStdString(), path("m.etp").toStdString()};
    app_->click(QStringLiteral("Command5"), dialog);
    QCOMPARE(app_->ui.saveTitles, (std::vector<std::string>{"MACRO - Save rain", "MACRO - Save ETP"}));
    QVERIFY(QFile::exists(path("m.rn")) && QFile::exists(path("m.etp")));
}

void Testform6::withoutTheChosenColumnNoFileIsAskedFor()
{
    QWidget* dialog = openMacro();
    app_->workbench.sheet.setCellText(1, 10, "PenMon (old)");
    app_->click(QStringLiteral("Command3"), dialog);
    QCOMPARE(app_->lastMessage(), QStringLiteral("ETP computation|You dont have computed the ETP!!"));
    QVERIFY(app_->ui.saveTitles.empty());
}

void Testform6::cancelHidesAndTheCloseBoxDiscards()
{
    QPointer<QWidget> dialog = openMacro();
    app_->click(QStringLiteral("Command1"), dialog);
    QVERIFY(!dialog->isVisible());
    app_->computeOnly(MethodPriestleyTaylor);
    QVERIFY(openMacro() == dialog);
    QVERIFY(Child<QRadioButton>(dialog, QStringLiteral("Option3_1"))->isHidden()); // no new scan

    dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(dialog.isNull());
    QWidget* again = openMacro();
    auto* pt = Child<QRadioButton>(again, QStringLiteral("Option3_1"));
    QCOMPARE(pt->text(), QStringLiteral("P-T"));
    QVERIFY(pt->isChecked());
}

QTEST_MAIN(Testform6)
#include "form6Test.moc"
