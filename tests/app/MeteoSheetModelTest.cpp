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

    // Every column header is numbered, as the column boxes take them: the load step writes
    // 1 to 20, the grid goes on from 21; a caption of its own stays. Cells that read as a
    // number (the results' lone "." is 0) line up right, any other text left.
    void headersNumberEveryColumnAndNumbersAlignRight()
    {
        MeteoSheet sheet;
        for (int c = 0; c <= 20; ++c) sheet.setCaption(c, std::to_string(c));
        sheet.setCaption(2, "T");
        ReadTextLines(sheet, "DATE\tTMIN\tNOTE\r01/01/2001\t-3.5\tn.d.\r02/01/2001\t.\t12,5\r03/01/2001\t1E3\t\r");
        MeteoSheetModel model(sheet);
        const auto header = [&model](int column) { return model.headerData(column - 1, Qt::Horizontal).toString(); };
        QCOMPARE(header(1), QStringLiteral("1"));
        QCOMPARE(header(2), QStringLiteral("T"));
        QCOMPARE(header(20), QStringLiteral("20"));
        QCOMPARE(header(21), QStringLiteral("21"));
        QCOMPARE(header(30), QStringLiteral("30"));

        const auto right = [&model](int row, int column) {
            const auto alignment = model.index(row - 1, column - 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>();
            return (alignment & Qt::AlignHorizontal_Mask) == Qt::AlignRight;
        };
        const std::tuple<int, int, bool> cells[] = {{1, 2, false}, {2, 1, false}, {2, 2, true}, {2, 3, false},
                                                    {3, 2, true},  {3, 3, false}, {4, 2, true}};
        for (const auto& [row, column, expected] : cells)
            QVERIFY2(right(row, column) == expected, qPrintable(QStringLiteral("row %1 column %2").arg(row).arg(column)));

        // An edit that makes a number of a text realigns it.
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QVERIFY(model.setData(model.index(2, 2), QStringLiteral("12.5")));
        QVERIFY(right(3, 3));
        QVERIFY(changed.at(0).at(2).value<QList<int>>().contains(Qt::TextAlignmentRole));
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
