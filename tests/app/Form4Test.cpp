// "Meteo files for CREAMS": "&CREAMS" builds the monthly table into Grid1 and shows the
// dialog; its buttons write the two files; "Cancel" and the close box only hide it.
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "AppSession.h"
#include "SampleSeries.h"

using namespace etp;
using namespace etp::testing;

class TestForm4 : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup()
    {
        app_.reset();
        dir_.reset();
    }

    void creamsShowsTheMonthlyTable();
    void buttonsAskForTheirFiles_data();
    void buttonsAskForTheirFiles();
    void cancelAndCloseBoxHideAndKeepTheTable();
    void aShorterSeriesLeavesNoMonthsOfTheLongerOne();
    void aRefusedTableShowsNoDialog();

private:
    QWidget* openCreams();
    QString cell(int row, int column) const;

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<AppSession> app_;
};

void TestForm4::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    app_ = std::make_unique<AppSession>();
    app_->openSample(dir_->filePath(QStringLiteral("sample.txt")), 730);
    app_->ui.messages.clear();
}

QWidget* TestForm4::openCreams()
{
    app_->triggerAction(QStringLiteral("creams"));
    return app_->dialog(QStringLiteral("Form4"));
}

QString TestForm4::cell(int row, int column) const
{
    const QTableWidgetItem* item =
        Child<QTableWidget>(app_->dialog(QStringLiteral("Form4")), QStringLiteral("Grid1"))->item(row - 1, column - 1);
    return item ? item->text() : QString();
}

void TestForm4::creamsShowsTheMonthlyTable()
{
    QWidget* dialog = openCreams();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Meteo files for CREAMS"));
    const auto* grid = Child<QTableWidget>(dialog, QStringLiteral("Grid1"));
    QCOMPARE(grid->rowCount(), 120);
    QCOMPARE(grid->columnCount(), 4);
    const QString headers[] = {QStringLiteral("Tmean F°"), QStringLiteral("Rad Lang"), QStringLiteral("Month"),
                               QStringLiteral("Year")};
    for (int c = 1; c <= 4; ++c) QCOMPARE(cell(1, c), headers[c - 1]);
    // Two years of days from 1 January 2001: months 1-24.
    QCOMPARE(cell(2, 3), QStringLiteral("1"));
    QCOMPARE(cell(25, 3), QStringLiteral("12"));
    QCOMPARE(cell(25, 4), QStringLiteral("2"));
    QCOMPARE(cell(26, 1), QString());
    QVERIFY(cell(2, 1).toDouble() > 32 && cell(2, 1).toDouble() < 60); // [°F]
    const char* captions[] = {"Cancel", "Save T and Rad", "Save Rain", "Save all"};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(Child<QPushButton>(dialog, QStringLiteral("Command%1").arg(i + 1))->text(), QString::fromLatin1(captions[i]));
    QVERIFY(app_->ui.messages.empty());
}

void TestForm4::buttonsAskForTheirFiles_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("Save T and Rad") << QStringLiteral("Command2") << QStringList{QStringLiteral("Save T and Rad")};
    QTest::newRow("Save Rain") << QStringLiteral("Command3") << QStringList{QStringLiteral(" CREAMS - Save daily rain")};
    QTest::newRow("Save all") << QStringLiteral("Command4")
                              << QStringList{QStringLiteral("Save T and Rad"), QStringLiteral(" CREAMS - Save daily rain")};
}

void TestForm4::buttonsAskForTheirFiles()
{
    QFETCH(QString, button);
    QFETCH(QStringList, titles);
    QWidget* dialog = openCreams();
    QStringList files;
    for (int i = 0; i < titles.size(); ++i) {
        files << dir_->filePath(QStringLiteral("creams%1").arg(i));
        app_->ui.saveFiles.push_back(files.back().toStdString());
    }
    app_->click(button, dialog);
    QStringList asked;
    for (const std::string& title : app_->ui.saveTitles) asked << QString::fromStdString(title);
    QCOMPARE(asked, titles);
    QVERIFY(app_->ui.messages.empty());
    // 24 months of the temperature block, or 730 days of rain in 5-character fields.
    for (int i = 0; i < files.size(); ++i) {
        const QByteArray bytes = ReadBytes(files[i]);
        QVERIFY(bytes.endsWith(titles[i] == QStringLiteral("Save T and Rad") ? "\r\r\n" : "          "));
        QVERIFY(bytes.size() > 4 * 83);
    }
    QVERIFY(dialog->isVisible());
}

void TestForm4::cancelAndCloseBoxHideAndKeepTheTable()
{
    QWidget* dialog = openCreams();
    app_->click(QStringLiteral("Command1"), dialog);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(cell(25, 3), QStringLiteral("12"));
    app_->ui.saveFiles.push_back(dir_->filePath(QStringLiteral("c.tr")).toStdString());
    app_->click(QStringLiteral("Command2"), dialog); // as the table was built, though hidden
    QVERIFY(ReadBytes(dir_->filePath(QStringLiteral("c.tr"))).size() > 0);

    QVERIFY(openCreams() == dialog);
    dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(app_->dialog(QStringLiteral("Form4")) == dialog);
    QVERIFY(!dialog->isVisible());
}

// Each "&CREAMS" builds the table anew: months of an earlier, longer series never stay.
void TestForm4::aShorterSeriesLeavesNoMonthsOfTheLongerOne()
{
    openCreams();
    WriteBytes(dir_->filePath(QStringLiteral("short.txt")), SampleSeries(40));
    app_->open(dir_->filePath(QStringLiteral("short.txt")));
    app_->ui.messages.clear();
    openCreams();
    QCOMPARE(cell(3, 3), QStringLiteral("2"));
    QCOMPARE(cell(4, 1), QString());
    QCOMPARE(cell(25, 3), QString());
}

void TestForm4::aRefusedTableShowsNoDialog()
{
    QWidget* dialog = openCreams();
    dialog->hide();
    app_->workbench.sheet.setCellText(10, 1, "31/02/2001");
    app_->triggerAction(QStringLiteral("creams"));
    QCOMPARE(app_->lastMessage(), QStringLiteral("ETP computation|The date in row 10 is not a date: \"31/02/2001\""));
    QVERIFY(!dialog->isVisible());
    QCOMPARE(cell(2, 1), QString());
    QCOMPARE(cell(1, 1), QStringLiteral("Tmean F°"));
}

QTEST_MAIN(TestForm4)
#include "Form4Test.moc"
