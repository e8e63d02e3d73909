// The model file dialogs "&CREAMS" (CreamsFilesDialog), "&LEACHM" (LeachmFilesDialog) and "&MACRO" (MacroFilesDialog): the
// monthly table built at each opening, each button's files, the LEACHM texts, options and
// ET column handed to the files, a repeated ET label told apart by its column. The files' layouts are the core tests'.
#include "AppSession.h"
#include "base/Messages.h"
#include "workbench/ModelFileCommands.h"

using namespace etp;
using namespace etp::testing;

class TestModelFileDialogs : public QObject {
    Q_OBJECT
private slots:
    // 60 days from 1 January 2001.
    void init()
    {
        app_ = std::make_unique<AppSession>();
        app_->openSample(app_->path("sample.txt"), 60);
        app_->ui.messages.clear();
    }

    // The table of the sheet; a refused series leaves the headers alone and shows no dialog.
    void creamsShowsTheTableBuiltAtEachOpening()
    {
        const auto shown = [this](int row, int column) {
            const QTableWidgetItem* item =
                Child<QTableWidget>(app_->dialog(QStringLiteral("Form4")), QStringLiteral("Grid1"))->item(row - 1, column - 1);
            return item ? item->text() : QString();
        };
        QWidget* dialog = open(QStringLiteral("creams"));
        QVERIFY(dialog && dialog->isVisible());
        CreamsTable expected;
        QVERIFY(BuildCreamsTable(app_->workbench, expected, app_->ui));
        for (int row = 1; row <= CreamsTable::kRows; ++row)
            for (int column = 1; column <= CreamsTable::kColumns; ++column)
                QCOMPARE(shown(row, column), QString::fromStdString(std::string(expected.text(row, column))));

        dialog->hide();
        app_->workbench.sheet.setCellText(10, 1, "31/02/2001");
        app_->triggerAction(QStringLiteral("creams"));
        QCOMPARE(app_->lastMessage(), QStringLiteral("ETP computation|The date in row 10 is not a date: \"31/02/2001\".") + QString::fromLatin1(kDateAdvice));
        QVERIFY(!dialog->isVisible());
        QCOMPARE(shown(2, 1), QString());
        QCOMPARE(shown(1, 1), QStringLiteral("Tmean F°"));
    }

    // Each button asks for its files by their titles and writes them; the dialog stays.
    void buttonsAskForTheirFiles()
    {
        const QString creamsT = QStringLiteral("Save T and Rad"), creamsRain = QStringLiteral(" CREAMS - Save daily rain");
        const QString leachmRain = QStringLiteral("LEACHM - Save rain"), leachmEt = QStringLiteral("LEACHW - Save ETP, T and amplitude");
        const QString macroRain = QStringLiteral("MACRO - Save rain"), macroEt = QStringLiteral("MACRO - Save ETP");
        const struct {
            const char* item;
            const char* button;
            QStringList titles;
        } rows[] = {{"creams", "Command2", {creamsT}}, {"creams", "Command3", {creamsRain}},
                    {"creams", "Command4", {creamsT, creamsRain}}, {"leachm", "Command2", {leachmRain}},
                    {"leachm", "Command3", {leachmEt}}, {"leachm", "Command4", {leachmRain, leachmEt}},
                    {"macro", "Command2", {macroRain}}, {"macro", "Command3", {macroEt}}, {"macro", "Command5", {macroRain, macroEt}}};
        app_->computeOnly(Method::PenMon);
        const QStringList files{app_->path("out0"), app_->path("out1")};
        for (const auto& [item, button, titles] : rows) {
            QWidget* dialog = open(QString::fromLatin1(item));
            app_->ui.saveTitles.clear();
            app_->ui.saveFiles.clear();
            for (const QString& file : files) QFile::remove(file), app_->ui.saveFiles.push_back(file.toStdString());
            app_->click(QString::fromLatin1(button), dialog);
            QStringList asked;
            for (const std::string& title : app_->ui.saveTitles) asked << QString::fromStdString(title);
            QCOMPARE(asked, titles);
            for (int i = 0; i < titles.size(); ++i) QVERIFY(!ReadBytes(files[i]).isEmpty());
            QVERIFY(dialog->isVisible());
        }
        QVERIFY(app_->ui.messages.empty());
        // "Save temp. data" has no file layout to write.
        const auto* temperatures = Child<QPushButton>(open(QStringLiteral("macro")), QStringLiteral("Command4"));
        QVERIFY(!temperatures->isEnabled());
        QCOMPARE(temperatures->toolTip(), QStringLiteral("No file layout is defined for this file."));
    }

    // The three texts and "n° of day" reach the rain file; the chosen option is the ET
    // column the ET file reads (one column matches each label: a beep each).
    void leachmTextsAndOptionsGoIntoTheFiles()
    {
        app_->computeOnly(Method::PriestleyTaylor);
        app_->computeOnly(Method::PenMon);
        QWidget* dialog = open(QStringLiteral("leachm"));
        app_->type(QStringLiteral("Text1"), QStringLiteral("2"), dialog);
        app_->type(QStringLiteral("Text2"), QStringLiteral(".5"), dialog);
        app_->type(QStringLiteral("Text3"), QStringLiteral("n.d."), dialog);
        ClickIndicator(Child<QRadioButton>(dialog, QStringLiteral("Option2"))); // n° of day
        app_->ui.saveFiles.push_back(app_->path("a.rn").toStdString());
        app_->click(QStringLiteral("Command2"), dialog);
        QVERIFY(ReadBytes(app_->path("a.rn")).startsWith("     1        0.2      6.2     18.6     2      0.5      0           \r\n"));

        QCOMPARE(options(dialog), (QStringList{"P-T", "PenMon*"}));
        QByteArray files[2];
        for (int i = 0; i < 2; ++i) {
            ClickIndicator(Child<QRadioButton>(dialog, QStringLiteral("Option3_%1").arg(i)));
            const QString path = app_->path(i == 0 ? "a0.etp" : "a1.etp");
            app_->ui.saveFiles.push_back(path.toStdString());
            app_->click(QStringLiteral("Command3"), dialog);
            files[i] = ReadBytes(path);
        }
        QCOMPARE(app_->ui.beeps, 2);
        QVERIFY(files[0].startsWith("  1  ") && files[1].startsWith("  1  "));
        QVERIFY(files[0] != files[1]);
    }

    // The thirteen ET labels, none to choose: the first eight in their old places.
    void withoutEtColumnsTheChoiceIsDisabled()
    {
        QWidget* dialog = open(QStringLiteral("leachm"));
        QCOMPARE(app_->lastMessage(), QStringLiteral("ETP computation|You dont have computed the ETP!!"));
        QVERIFY(!Child<QGroupBox>(dialog, QStringLiteral("Frame2"))->isEnabled());
        QCOMPARE(options(dialog), (QStringList{"PenFAO", "PFAOnocorr", "PenMon", "P-T", "PFAOrad", "PFAOsun", "ASCE short",
                                               "ASCE tall", "Hargr.", "Turc", "Thornt.", "P-T extrad", "Bl-Cr"}));
    }

    // Two Computes of PenMon give two "PenMon" columns: the MACRO dialog lists both by
    // their columns, and its ET file reads the one clicked, not the rightmost.
    void macroListsRepeatedLabelsByColumnAndReadsTheChosenOne()
    {
        app_->computeOnly(Method::PenMon);
        app_->computeOnly(Method::PenMon);
        QCOMPARE(app_->cell(1, 10), QStringLiteral("PenMon"));
        QCOMPARE(app_->cell(1, 11), QStringLiteral("PenMon"));
        app_->setCell(2, 10, QStringLiteral("8.8"));
        QWidget* dialog = open(QStringLiteral("macro"));
        QCOMPARE(options(dialog), (QStringList{"PenMon (col 10)", "PenMon (col 11)*"}));
        const auto firstLine = [&](const char* name) {
            app_->ui.saveFiles.push_back(app_->path(name).toStdString());
            app_->click(QStringLiteral("Command3"), dialog);
            return ReadBytes(app_->path(name)).left(19);
        };
        QVERIFY(firstLine("right.etp") != "'010101'    8.8    ");
        ClickIndicator(Child<QRadioButton>(dialog, QStringLiteral("Option3_0")));
        QCOMPARE(options(dialog), (QStringList{"PenMon (col 10)*", "PenMon (col 11)"}));
        QCOMPARE(firstLine("left.etp"), QByteArray("'010101'    8.8    "));
    }

private:
    QWidget* open(const QString& item) { return app_->openDialog(item, item == "creams" ? "Form4" : item == "leachm" ? "Form5" : "form6"); }

    // Captions of the shown ET options, the checked one with a '*'.
    QStringList options(QWidget* dialog) const
    {
        QStringList captions;
        for (int i = 0; const auto* option = dialog->findChild<QRadioButton*>(QStringLiteral("Option3_%1").arg(i)); ++i)
            if (!option->isHidden()) captions << option->text() + (option->isChecked() ? "*" : "");
        return captions;
    }

    std::unique_ptr<AppSession> app_;
};

QTEST_MAIN(TestModelFileDialogs)
#include "ModelFileDialogsTest.moc"
