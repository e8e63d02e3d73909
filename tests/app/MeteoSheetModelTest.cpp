// Grid1's model over the data sheet: consistent for Qt's model tester, UTF-8 both ways,
// one reset around a command, results from estimated inputs in italics.

#include <QtTest>

#include "app/MeteoSheetModel.h"
#include "import/TextImport.h"

using namespace etp;

class TestMeteoSheetModel : public QObject {
    Q_OBJECT
private slots:
    void modelTesterFindsNoFaultThroughEditsAndResets()
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
    }

    // A command that grows the sheet beyond its first 32000 rows: one reset, every row shown.
    void rewriteIsOneResetAndShowsTheGrownSheet()
    {
        MeteoSheet sheet;
        MeteoSheetModel model(sheet);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        std::string text = "DATE\r";
        for (int i = 0; i < 32005; ++i) text += "01/01/2001\r";
        model.rewrite([&] { return ReadTextLines(sheet, text); });
        QCOMPARE(reset.size(), 1);
        QCOMPARE(changed.size(), 0);
        QCOMPARE(model.rowCount(), 32006);
        QCOMPARE(model.index(32005, 0).data().toString(), QStringLiteral("01/01/2001"));
    }

    // A result is italic, with the day's estimates as its tooltip, when its method reads
    // what the "Estimated" cell right of it names: PenMon reads radiation, Hargreaves
    // does not, and an empty result was not computed at all.
    void resultsFromEstimatesAreItalicWithTheReasonAsTooltip()
    {
        MeteoSheet sheet;
        ReadTextLines(sheet, "Date\tPenMon\tHargr.\tEstimated\r"
                             "01/01/2001\t1.25\t.8\tRs from T range\r"
                             "02/01/2001\t\t.9\tRs from T range\r"
                             "03/01/2001\t1.3\t.9\t\r");
        MeteoSheetModel model(sheet);
        const auto italic = [&model](int row, int column) {
            return model.index(row, column).data(Qt::FontRole).value<QFont>().italic();
        };
        QVERIFY(italic(1, 1));
        QCOMPARE(model.index(1, 1).data(Qt::ToolTipRole).toString(), QStringLiteral("Estimated: Rs from T range"));
        QVERIFY(!italic(1, 2) && model.index(1, 2).data(Qt::ToolTipRole).isNull());
        QVERIFY(!italic(2, 1) && !italic(3, 1));
        QVERIFY(!italic(0, 1)); // the title stays bold only

        // Retitling the "Estimated" column leaves PenMon without one; the views hear of it.
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QVERIFY(model.setData(model.index(0, 3), QStringLiteral("Notes")));
        QVERIFY(!italic(1, 1));
        QCOMPARE(changed.size(), 2);
        QVERIFY(changed[1][2].value<QList<int>>().contains(Qt::FontRole));
    }
};

QTEST_MAIN(TestMeteoSheetModel)
#include "MeteoSheetModelTest.moc"
