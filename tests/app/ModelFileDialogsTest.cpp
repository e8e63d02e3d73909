// The model file dialogs "&CREAMS" (Form4), "&LEACHM" (Form5) and "&MACRO" (form6): the
// monthly table built at each opening, each button's files, the LEACHM texts, options and
// ET column handed to the files, and "Cancel". The files' layouts are the core tests'.
#include "AppSession.h"
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

    // Each opening builds the table anew: months of an earlier, longer series never stay,
    // and a refused series leaves the headers alone and shows no dialog.
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

        WriteBytes(app_->path("short.txt"), SampleSeries(20));
        app_->open(app_->path("short.txt"));
        open(QStringLiteral("creams"));
        QCOMPARE(shown(2, 3), QStringLiteral("1"));
        QCOMPARE(shown(3, 3), QString());

        dialog->hide();
        app_->workbench.sheet.setCellText(10, 1, "31/02/2001");
        app_->triggerAction(QStringLiteral("creams"));
        QCOMPARE(app_->lastMessage(), QStringLiteral("ETP computation|The date in row 10 is not a date: \"31/02/2001\""));
        QVERIFY(!dialog->isVisible());
        QCOMPARE(shown(2, 1), QString());
        QCOMPARE(shown(1, 1), QStringLiteral("Tmean F°"));
    }

    void buttonsAskForTheirFiles_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("titles");
        const QString creamsT = QStringLiteral("Save T and Rad"), creamsRain = QStringLiteral(" CREAMS - Save daily rain");
        const QString leachmRain = QStringLiteral("LEACHM - Save rain"), leachmEt = QStringLiteral("LEACHW - Save ETP, T and amplitude");
        const QString macroRain = QStringLiteral("MACRO - Save rain"), macroEt = QStringLiteral("MACRO - Save ETP");
        QTest::newRow("CREAMS Save T and Rad") << "creams" << "Command2" << QStringList{creamsT};
        QTest::newRow("CREAMS Save Rain") << "creams" << "Command3" << QStringList{creamsRain};
        QTest::newRow("CREAMS Save all") << "creams" << "Command4" << QStringList{creamsT, creamsRain};
        QTest::newRow("LEACHM Save rain data") << "leachm" << "Command2" << QStringList{leachmRain};
        QTest::newRow("LEACHM Save ETP data") << "leachm" << "Command3" << QStringList{leachmEt};
        QTest::newRow("LEACHM Save all") << "leachm" << "Command4" << QStringList{leachmRain, leachmEt};
        QTest::newRow("MACRO Save rain data") << "macro" << "Command2" << QStringList{macroRain};
        QTest::newRow("MACRO Save ETP data") << "macro" << "Command3" << QStringList{macroEt};
        QTest::newRow("MACRO Save temp. data does nothing") << "macro" << "Command4" << QStringList{};
        QTest::newRow("MACRO Save all") << "macro" << "Command5" << QStringList{macroRain, macroEt};
    }

    void buttonsAskForTheirFiles()
    {
        QFETCH(QString, item);
        QFETCH(QString, button);
        QFETCH(QStringList, titles);
        app_->computeOnly(Method::PenMon);
        QWidget* dialog = open(item);
        const QStringList files{app_->path("out0"), app_->path("out1")};
        for (const QString& file : files) app_->ui.saveFiles.push_back(file.toStdString());
        app_->click(button, dialog);
        QStringList asked;
        for (const std::string& title : app_->ui.saveTitles) asked << QString::fromStdString(title);
        QCOMPARE(asked, titles);
        QVERIFY(app_->ui.messages.empty());
        for (int i = 0; i < titles.size(); ++i) QVERIFY(!ReadBytes(files[i]).isEmpty());
        QVERIFY(dialog->isVisible());
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

    // The six labels, none to choose.
    void withoutEtColumnsTheChoiceIsDisabled()
    {
        QWidget* dialog = open(QStringLiteral("leachm"));
        QCOMPARE(app_->lastMessage(), QStringLiteral("ETP computation|You dont have computed the ETP!!"));
        QVERIFY(!Child<QGroupBox>(dialog, QStringLiteral("Frame2"))->isEnabled());
        QCOMPARE(options(dialog), (QStringList{"PenFAO", "PFAOnocorr", "PenMon", "P-T", "PFAOrad", "PFAOsun"}));
    }

    // "Cancel" hides: the same dialog comes back with its texts and its choice, without a
    // new scan, so a column computed in between is not offered (the close box: Form1Test).
    void cancelHidesAndKeepsTheChoice()
    {
        app_->computeOnly(Method::PenMon);
        QWidget* dialog = open(QStringLiteral("leachm"));
        app_->type(QStringLiteral("Text3"), QStringLiteral("2.5"), dialog);
        app_->click(QStringLiteral("Command1"), dialog);
        QVERIFY(!dialog->isVisible());
        app_->computeOnly(Method::PriestleyTaylor);
        QVERIFY(open(QStringLiteral("leachm")) == dialog);
        QCOMPARE(options(dialog), QStringList{QStringLiteral("PenMon*")});
        QCOMPARE(Child<QLineEdit>(dialog, QStringLiteral("Text3"))->text(), QStringLiteral("2.5"));
    }

private:
    QWidget* open(const QString& item)
    {
        return app_->openDialog(item, item == "creams" ? "Form4" : item == "leachm" ? "Form5" : "form6");
    }

    // Captions of the shown ET options, the checked one with a '*'.
    QStringList options(QWidget* dialog) const
    {
        QStringList captions;
        for (int i = 0; i < 6; ++i) {
            const auto* option = Child<QRadioButton>(dialog, QStringLiteral("Option3_%1").arg(i));
            if (!option->isHidden()) captions << option->text() + (option->isChecked() ? "*" : "");
        }
        return captions;
    }

    std::unique_ptr<AppSession> app_;
};

QTEST_MAIN(TestModelFileDialogs)
#include "ModelFileDialogsTest.moc"
