// "meteo files for LEACHM": initial texts and options, the ET column choice filled when
// the dialog is created, what the texts and options do to the files, and the
// difference between "Cancel" (hide, keep everything) and the close box (discard).
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "AppSession.h"
#include "SampleSeries.h"
#include "et/MethodAvailability.h"

using namespace etp;
using namespace etp::testing;

namespace {

// On the indicator, as ClickCheckBox does: a layout may stretch the button well beyond it.
void ClickOption(QRadioButton* option) { QTest::mouseClick(option, Qt::LeftButton, Qt::NoModifier, QPoint(6, option->height() / 2)); }

} // namespace

class TestForm5 : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup()
    {
        app_.reset();
        dir_.reset();
    }

    void opensWithItsInitialTextsAndOptions();
    void listsTheComputedEtColumnsAndSelectsTheLast();
    void withoutEtColumnsTheChoiceIsDisabled();
    void textsAndDateFormatGoIntoTheRainFile();
    void theChosenOptionIsTheEtColumnRead();
    void saveAllAsksForBothFiles();
    void cancelKeepsTheDialogAsItWas();
    void closeBoxDiscardsTheDialog();

private:
    QWidget* openLeachm();
    QRadioButton* option(QWidget* dialog, int i) const
    {
        return Child<QRadioButton>(dialog, QStringLiteral("Option3_%1").arg(i));
    }
    QString file(const char* name) const { return dir_->filePath(QString::fromLatin1(name)); }
    QStringList visibleOptions(QWidget* dialog) const;

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<AppSession> app_;
};

void TestForm5::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    app_ = std::make_unique<AppSession>();
    app_->openSample(file("sample.txt"), 60);
    app_->ui.messages.clear();
}

QWidget* TestForm5::openLeachm()
{
    app_->triggerAction(QStringLiteral("leachm"));
    return app_->dialog(QStringLiteral("Form5"));
}

QStringList TestForm5::visibleOptions(QWidget* dialog) const
{
    QStringList captions;
    for (int i = 0; i < 6; ++i)
        if (!option(dialog, i)->isHidden()) captions << option(dialog, i)->text() + (option(dialog, i)->isChecked() ? "*" : "");
    return captions;
}

void TestForm5::opensWithItsInitialTextsAndOptions()
{
    app_->computeOnly(MethodPenMon);
    QWidget* dialog = openLeachm();
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("meteo files for LEACHM"));
    const std::pair<const char*, const char*> texts[] = {{"Text1", "0"}, {"Text2", "0.1"}, {"Text3", "1"}};
    for (const auto& [name, text] : texts) QCOMPARE(Child<QLineEdit>(dialog, QString::fromLatin1(name))->text(), QString::fromLatin1(text));
    QCOMPARE(Child<QGroupBox>(dialog, QStringLiteral("Frame1"))->title(), QStringLiteral("Concentration in rain [mg/l]"));
    QCOMPARE(Child<QGroupBox>(dialog, QStringLiteral("Frame2"))->title(), QStringLiteral("select one of this methods"));
    QCOMPARE(Child<QGroupBox>(dialog, QStringLiteral("Frame3"))->title(), QStringLiteral("format of dates option"));
    auto* ddmmaa = Child<QRadioButton>(dialog, QStringLiteral("Option1"));
    auto* dayNumber = Child<QRadioButton>(dialog, QStringLiteral("Option2"));
    QCOMPARE(ddmmaa->text(), QStringLiteral("ddmmaa"));
    QCOMPARE(dayNumber->text(), QStringLiteral("n° of day"));
    QVERIFY(ddmmaa->isChecked() && !dayNumber->isChecked());
    QTRY_VERIFY(ddmmaa->hasFocus());
    const char* captions[] = {"Cancel", "Save rain data", "Save ETP data", "Save all"};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(Child<QPushButton>(dialog, QStringLiteral("Command%1").arg(i + 1))->text(), QString::fromLatin1(captions[i]));
}

void TestForm5::listsTheComputedEtColumnsAndSelectsTheLast()
{
    app_->computeOnly(MethodPriestleyTaylor);
    app_->computeOnly(MethodPenMon);
    app_->computeOnly(MethodHargreaves); // not an ET source of the model files
    app_->computeOnly(MethodPriestleyTaylor);
    QWidget* dialog = openLeachm();
    QVERIFY(app_->ui.messages.empty());
    QVERIFY(Child<QGroupBox>(dialog, QStringLiteral("Frame2"))->isEnabled());
    QCOMPARE(visibleOptions(dialog), (QStringList{"P-T", "PenMon", "P-T*"}));
    ClickOption(option(dialog, 1));
    QCOMPARE(visibleOptions(dialog), (QStringList{"P-T", "PenMon*", "P-T"}));
}

void TestForm5::withoutEtColumnsTheChoiceIsDisabled()
{
    QWidget* dialog = openLeachm();
    QCOMPARE(app_->lastMessage(), QStringLiteral("ETP computation|You dont have computed the ETP!!"));
    QVERIFY(!Child<QGroupBox>(dialog, QStringLiteral("Frame2"))->isEnabled());
    QCOMPARE(visibleOptions(dialog), (QStringList{"PenFAO", "PFAOnocorr", "PenMon", "P-T", "PFAOrad", "PFAOsun"}));
    // The rain file needs no ET column.
    app_->ui.saveFiles.push_back(file("a.rn").toStdString());
    app_->click(QStringLiteral("Command2"), dialog);
    // The year is characters 7-8 of 01/01/2001.
    QVERIFY(ReadBytes(file("a.rn")).startsWith("010120     0.2      6.2     18.6"));
}

void TestForm5::textsAndDateFormatGoIntoTheRainFile()
{
    QWidget* dialog = openLeachm();
    app_->type(QStringLiteral("Text1"), QStringLiteral("2"), dialog);
    app_->type(QStringLiteral("Text2"), QStringLiteral(".5"), dialog);
    app_->type(QStringLiteral("Text3"), QStringLiteral("n.d."), dialog);
    ClickOption(Child<QRadioButton>(dialog, QStringLiteral("Option2")));
    app_->ui.saveFiles.push_back(file("a.rn").toStdString());
    app_->click(QStringLiteral("Command2"), dialog);
    QCOMPARE(app_->ui.saveTitles, std::vector<std::string>{"LEACHM - Save rain"});
    const QByteArray rain = ReadBytes(file("a.rn"));
    QVERIFY(rain.startsWith("     1        0.2      6.2     18.6     2      0.5      0           \r\n"));
    QVERIFY(rain.endsWith("THERE ARE  9 RAINY DAYS\r\n"));
}

void TestForm5::theChosenOptionIsTheEtColumnRead()
{
    app_->computeOnly(MethodPriestleyTaylor);
    app_->computeOnly(MethodPenMon);
    QWidget* dialog = openLeachm();
    QByteArray files[2];
    for (int i = 0; i < 2; ++i) {
        ClickOption(option(dialog, i));
        const QString path = dir_->filePath(QStringLiteral("a%1.etp").arg(i));
        app_->ui.saveFiles.push_back(path.toStdString());
        app_->click(QStringLiteral("Command3"), dialog);
        files[i] = ReadBytes(path);
    }
    QCOMPARE(app_->ui.saveTitles, std::vector<std::string>(2, "LEACHW - Save ETP, T and amplitude"));
    QCOMPARE(app_->ui.beeps, 2); // one column matches each label
    QVERIFY(files[0].startsWith("  1  ") && files[1].startsWith("  1  "));
    QVERIFY(files[0] != files[1]);
}

void TestForm5::saveAllAsksForBothFiles()
{
    app_->computeOnly(MethodPenMon);
    QWidget* dialog = openLeachm();
    app_->ui.saveFiles = {std::nullopt, file("a.etp").toStdString()};
    app_->click(QStringLiteral("Command4"), dialog);
    QCOMPARE(app_->ui.saveTitles, (std::vector<std::string>{"LEACHM - Save rain", "LEACHW - Save ETP, T and amplitude"}));
    QVERIFY(!QFile::exists(file("a.rn")));
    QVERIFY(QFile::exists(file("a.etp")));
}

// "Cancel" hides: the next opening shows the same texts and the same list, without a
// new scan, so a column computed in between is not offered.
void TestForm5::cancelKeepsTheDialogAsItWas()
{
    app_->computeOnly(MethodPenMon);
    QWidget* dialog = openLeachm();
    app_->type(QStringLiteral("Text3"), QStringLiteral("2.5"), dialog);
    ClickOption(Child<QRadioButton>(dialog, QStringLiteral("Option2")));
    app_->click(QStringLiteral("Command1"), dialog);
    QVERIFY(!dialog->isVisible());
    app_->computeOnly(MethodPriestleyTaylor);
    QVERIFY(openLeachm() == dialog);
    QCOMPARE(Child<QLineEdit>(dialog, QStringLiteral("Text3"))->text(), QStringLiteral("2.5"));
    QVERIFY(Child<QRadioButton>(dialog, QStringLiteral("Option2"))->isChecked());
    QCOMPARE(visibleOptions(dialog), QStringList{QStringLiteral("PenMon*")});
}

// The close box discards the dialog: the next opening has the initial texts and a
// fresh scan of the title row.
void TestForm5::closeBoxDiscardsTheDialog()
{
    app_->computeOnly(MethodPenMon);
    QPointer<QWidget> dialog = openLeachm();
    app_->type(QStringLiteral("Text3"), QStringLiteral("2.5"), dialog);
    dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(dialog.isNull());
    app_->computeOnly(MethodPriestleyTaylor);
    QWidget* again = openLeachm();
    QCOMPARE(Child<QLineEdit>(again, QStringLiteral("Text3"))->text(), QStringLiteral("1"));
    QCOMPARE(visibleOptions(again), (QStringList{QStringLiteral("PenMon"), QStringLiteral("P-T*")}));
}

QTEST_MAIN(TestForm5)
#include "Form5Test.moc"
