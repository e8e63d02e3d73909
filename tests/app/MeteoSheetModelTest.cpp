// Grid1's model over the data sheet: consistent for Qt's model tester, captions and row
// numbers in the headers, UTF-8 both ways, one reset around a command.
#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

#include "app/MeteoSheetModel.h"
#include "sheet/TextImport.h"

using namespace etp;

class TestMeteoSheetModel : public QObject {
    Q_OBJECT
private slots:
    void modelTesterFindsNoFaultThroughEditsAndResets();
    void headersAreTheCaptionsAndTheRowNumbers();
    void rewriteIsOneResetAndShowsTheGrownSheet();
};

void TestMeteoSheetModel::modelTesterFindsNoFaultThroughEditsAndResets()
{
    MeteoSheet sheet;
    ReadTextLines(sheet, "DATE\tT\xC2\xB0 min\r01/01/2001\t3.5\r");
    MeteoSheetModel model(sheet);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.index(0, 1).data().toString(), QStringLiteral("T° min")); // UTF-8 both ways

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QVERIFY(model.setData(model.index(4, 2), QStringLiteral("25 °C")));
    QCOMPARE(sheet.cellText(5, 3), std::string_view("25 \xC2\xB0" "C"));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed[0][0].toModelIndex(), model.index(4, 2));

    model.rewrite([&sheet] { return ReadTextLines(sheet, "DATE\tTMIN\tTMAX\r"); });
    QCOMPARE(model.index(0, 2).data().toString(), QStringLiteral("TMAX"));
    QVERIFY(!model.setData(model.index(0, 0), QStringLiteral("x"), Qt::DisplayRole));
    QVERIFY(!model.index(0, 0, model.index(0, 0)).isValid()); // a table: no children
}

void TestMeteoSheetModel::headersAreTheCaptionsAndTheRowNumbers()
{
    MeteoSheet sheet;
    for (int c = 0; c <= 20; ++c) sheet.setCaption(c, std::to_string(c));
    const MeteoSheetModel model(sheet);
    QCOMPARE(model.rowCount(), 32000);
    QCOMPARE(model.columnCount(), 30);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("1"));
    QCOMPARE(model.headerData(19, Qt::Horizontal).toString(), QStringLiteral("20"));
    QCOMPARE(model.headerData(20, Qt::Horizontal).toString(), QString()); // column 21: no caption at start
    QCOMPARE(model.headerData(0, Qt::Vertical).toInt(), 1);
    QCOMPARE(model.headerData(31999, Qt::Vertical).toInt(), 32000);
    QVERIFY(!model.headerData(30, Qt::Horizontal).isValid());
}

void TestMeteoSheetModel::rewriteIsOneResetAndShowsTheGrownSheet()
{
    MeteoSheet sheet;
    MeteoSheetModel model(sheet);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    std::string text = "DATE\r";
    for (int i = 0; i < 32005; ++i) text += "01/01/2001\r";
    const TextImportReport report = model.rewrite([&] { return ReadTextLines(sheet, text); });
    QCOMPARE(report.lines, 32006);
    QCOMPARE(reset.size(), 1);
    QCOMPARE(changed.size(), 0);
    QCOMPARE(model.rowCount(), 32006);
    QCOMPARE(model.index(32005, 0).data().toString(), QStringLiteral("01/01/2001"));
}

QTEST_MAIN(TestMeteoSheetModel)
#include "MeteoSheetModelTest.moc"
