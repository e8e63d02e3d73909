// Tools > Check data: the report as a table made afresh at each opening, and a click on
// a line selecting its cells in Grid1.
#include <QItemSelectionModel>
#include <QLabel>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include "AppSession.h"
#include "analysis/DataCheck.h"

using namespace etp;
using namespace etp::testing;

class TestDataCheckDialog : public QObject {
    Q_OBJECT
private slots:
    void init();

    void showsTheReportOfTheSheetAtEachOpening();
    void clickOnALineSelectsItsCellsInTheGrid_data();
    void clickOnALineSelectsItsCellsInTheGrid();

private:
    QWidget* openCheck() { return app_->openDialog(QStringLiteral("checkdata"), QStringLiteral("DataCheckDialog")); }
    // Line of the table whose variable and problem start so; -1 when none.
    int lineOf(const QWidget* dialog, const QString& variable, const QString& problem) const;
    void clickLine(QWidget* dialog, int line);
    QList<QPoint> selectedCells() const; // (sheet column, sheet row)

    std::unique_ptr<AppSession> app_;
};

// 60 days from 1 January 2001 at 45° N.
void TestDataCheckDialog::init()
{
    app_ = std::make_unique<AppSession>();
    app_->openSample(app_->path("days.txt"), 60);
}

int TestDataCheckDialog::lineOf(const QWidget* dialog, const QString& variable, const QString& problem) const
{
    const auto* table = Child<QTableWidget>(dialog, QStringLiteral("TableFindings"));
    for (int line = 0; line < table->rowCount(); ++line)
        if (table->item(line, 0)->text() == variable && table->item(line, 1)->text().startsWith(problem)) return line;
    return -1;
}

void TestDataCheckDialog::clickLine(QWidget* dialog, int line)
{
    auto* table = Child<QTableWidget>(dialog, QStringLiteral("TableFindings"));
    const QRect cell = table->visualItemRect(table->item(line, 1));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
}

QList<QPoint> TestDataCheckDialog::selectedCells() const
{
    QList<QPoint> cells;
    for (const QModelIndex& index : app_->grid()->selectionModel()->selectedIndexes())
        cells << QPoint(index.column() + 1, index.row() + 1);
    std::sort(cells.begin(), cells.end(), [](QPoint a, QPoint b) { return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x()); });
    return cells;
}

// The table and its caption are the core's report, made afresh at each opening.
void TestDataCheckDialog::showsTheReportOfTheSheetAtEachOpening()
{
    const auto shown = [](const QWidget* dialog) {
        return TableText(Child<QTableWidget>(dialog, QStringLiteral("TableFindings"))) + Child<QLabel>(dialog, QStringLiteral("LabelCheck"))->text().section(QLatin1Char('.'), 0, 0) + '\n';
    };
    app_->setCell(5, 3, QString()); // T max empty
    QWidget* dialog = openCheck();
    QVERIFY(dialog && dialog->isVisible());
    QVERIFY(lineOf(dialog, QStringLiteral("T° max"), QStringLiteral("empty cell")) >= 0);
    QCOMPARE(shown(dialog), QString::fromStdString(CheckReportText(CheckData(app_->workbench))));

    dialog->hide();
    app_->setCell(5, 3, QStringLiteral("21.5"));
    QVERIFY(openCheck() == dialog);
    QCOMPARE(lineOf(dialog, QStringLiteral("T° max"), QStringLiteral("empty cell")), -1);
    QCOMPARE(shown(dialog), QString::fromStdString(CheckReportText(CheckData(app_->workbench))));
}

void TestDataCheckDialog::clickOnALineSelectsItsCellsInTheGrid_data()
{
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QList<QPoint>>("selected"); // (sheet column, sheet row)
    QTest::newRow("value: its cells") << QStringLiteral("T° min") << QStringLiteral("above T° max")
                                      << QList<QPoint>{{2, 7}, {2, 20}};
    QTest::newRow("note about a column: its title") << QStringLiteral("Rad.") << QStringLiteral("RAD read as")
                                                    << QList<QPoint>{{6, 1}};
    QList<QPoint> rows; // polar night in January: the first five rows, every column
    for (int row = 2; row <= 6; ++row)
        for (int column = 1; column <= 30; ++column) rows << QPoint(column, row);
    QTest::newRow("station: whole rows") << QStringLiteral("Station") << QStringLiteral("polar day or night") << rows;
}

void TestDataCheckDialog::clickOnALineSelectsItsCellsInTheGrid()
{
    QFETCH(QString, variable);
    QFETCH(QString, problem);
    QFETCH(QList<QPoint>, selected);
    app_->setCell(7, 2, QStringLiteral("150")); // T min above T max
    app_->setCell(20, 2, QStringLiteral("150"));
    if (variable == QStringLiteral("Station")) app_->setStation(QStringLiteral("89"), QStringLiteral("100"));
    QWidget* dialog = openCheck();
    const int line = lineOf(dialog, variable, problem);
    QVERIFY(line >= 0);
    clickLine(dialog, line);
    QCOMPARE(selectedCells(), selected);
    const QTableView* grid = app_->grid();
    QCOMPARE(grid->currentIndex(), grid->model()->index(selected[0].y() - 1, selected[0].x() - 1));
}

QTEST_MAIN(TestDataCheckDialog)
#include "DataCheckDialogTest.moc"
