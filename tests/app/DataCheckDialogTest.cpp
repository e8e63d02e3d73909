// Tools > Check data: the core's report as a table made afresh at each opening, and a
// click on a line selecting its cells in Grid1.
#include "AppSession.h"
#include "analysis/DataCheck.h"

using namespace etp;
using namespace etp::testing;

class TestDataCheckDialog : public QObject {
    Q_OBJECT
private slots:
    // 60 days from 1 January 2001 at 45° N.
    void init()
    {
        app_ = std::make_unique<AppSession>();
        app_->openSample(app_->path("days.txt"), 60);
    }

    void showsTheReportOfTheSheetAtEachOpening()
    {
        const auto shown = [](const QWidget* dialog) {
            return TableText(Child<QTableWidget>(dialog, QStringLiteral("TableFindings"))) +
                   Child<QLabel>(dialog, QStringLiteral("LabelCheck"))->text().section(QLatin1Char('.'), 0, 0) + '\n';
        };
        app_->setCell(5, 3, QString()); // T max empty
        QWidget* dialog = openCheck();
        QVERIFY(dialog && dialog->isVisible());
        QVERIFY(shown(dialog).contains(QStringLiteral("T° max\tempty cell")));
        QCOMPARE(shown(dialog), QString::fromStdString(CheckReportText(CheckData(app_->workbench))));

        dialog->hide();
        app_->setCell(5, 3, QStringLiteral("21.5"));
        QVERIFY(openCheck() == dialog);
        QCOMPARE(shown(dialog), QString::fromStdString(CheckReportText(CheckData(app_->workbench))));
    }

    void clickOnALineSelectsItsCellsInTheGrid_data()
    {
        QTest::addColumn<QString>("line"); // the start of the variable and problem
        QTest::addColumn<QList<QPoint>>("selected"); // (sheet column, sheet row), by rows
        QTest::newRow("value: its cells") << QStringLiteral("T° min\tabove T° max") << QList<QPoint>{{2, 7}, {2, 20}};
        QTest::newRow("note about a column: its title") << QStringLiteral("Rad.\tRAD read as") << QList<QPoint>{{6, 1}};
        QList<QPoint> rows; // polar night in January: the first five rows, every column
        for (int row = 2; row <= 6; ++row)
            for (int column = 1; column <= 30; ++column) rows << QPoint(column, row);
        QTest::newRow("station: whole rows") << QStringLiteral("Station\tpolar day or night") << rows;
    }

    void clickOnALineSelectsItsCellsInTheGrid()
    {
        QFETCH(QString, line);
        QFETCH(QList<QPoint>, selected);
        app_->setCell(7, 2, QStringLiteral("150")); // T min above T max
        app_->setCell(20, 2, QStringLiteral("150"));
        if (line.startsWith(QStringLiteral("Station"))) app_->setStation(QStringLiteral("89"), QStringLiteral("100"));
        auto* table = Child<QTableWidget>(openCheck(), QStringLiteral("TableFindings"));
        int found = 0;
        while (found < table->rowCount() && !(table->item(found, 0)->text() + '\t' + table->item(found, 1)->text()).startsWith(line))
            ++found;
        QVERIFY(found < table->rowCount());
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, table->visualItemRect(table->item(found, 1)).center());

        QList<QPoint> cells;
        for (const QModelIndex& index : app_->grid()->selectionModel()->selectedIndexes())
            cells << QPoint(index.column() + 1, index.row() + 1);
        std::sort(cells.begin(), cells.end(), [](QPoint a, QPoint b) { return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x()); });
        QCOMPARE(cells, selected);
        QCOMPARE(app_->grid()->currentIndex(), app_->grid()->model()->index(selected[0].y() - 1, selected[0].x() - 1));
    }

private:
    QWidget* openCheck() { return app_->openDialog(QStringLiteral("checkdata"), QStringLiteral("DataCheckDialog")); }
    std::unique_ptr<AppSession> app_;
};

QTEST_MAIN(TestDataCheckDialog)
#include "DataCheckDialogTest.moc"
