// Tools > Check data: the findings as a table, a click on a line selecting its cells in
// Grid1, and a new check at each opening.
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "AppSession.h"

using namespace etp;
using namespace etp::testing;

class TestDataCheckDialog : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void listsEachFindingWithItsCountAndFirstRows();
    void clickOnALineSelectsItsCellsInTheGrid();
    void stationFindingSelectsWholeRows();
    void eachOpeningChecksAfresh();

private:
    QWidget* openCheck()
    {
        app_->triggerAction(QStringLiteral("checkdata"));
        return app_->dialog(QStringLiteral("DataCheckDialog"));
    }
    // Line of the table whose variable and problem start so; -1 when none.
    int lineOf(const QWidget* dialog, const QString& variable, const QString& problem) const;
    void setCell(int row, int column, const QString& text);
    void clickLine(QWidget* dialog, int line);
    QList<QPoint> selectedCells() const; // (sheet column, sheet row)

    std::unique_ptr<AppSession> app_;
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestDataCheckDialog::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    app_ = std::make_unique<AppSession>();
    app_->openSample(dir_->filePath(QStringLiteral("days.txt")), 60);
}

void TestDataCheckDialog::cleanup()
{
    app_.reset();
    dir_.reset();
}

int TestDataCheckDialog::lineOf(const QWidget* dialog, const QString& variable, const QString& problem) const
{
    const auto* table = Child<QTableWidget>(dialog, QStringLiteral("TableFindings"));
    for (int line = 0; line < table->rowCount(); ++line)
        if (table->item(line, 0)->text() == variable && table->item(line, 1)->text().startsWith(problem)) return line;
    return -1;
}

void TestDataCheckDialog::setCell(int row, int column, const QString& text)
{
    QAbstractItemModel* model = Child<QTableView>(app_->form.get(), QStringLiteral("Grid1"))->model();
    QVERIFY(model->setData(model->index(row - 1, column - 1), text));
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
    const auto* grid = Child<QTableView>(app_->form.get(), QStringLiteral("Grid1"));
    for (const QModelIndex& index : grid->selectionModel()->selectedIndexes())
        cells << QPoint(index.column() + 1, index.row() + 1);
    std::sort(cells.begin(), cells.end(), [](QPoint a, QPoint b) { return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x()); });
    return cells;
}

void TestDataCheckDialog::listsEachFindingWithItsCountAndFirstRows()
{
    setCell(5, 2, QString());           // T min empty
    setCell(9, 2, QStringLiteral("x")); // and not a number
    setCell(12, 2, QString());
    QWidget* dialog = openCheck();
    QVERIFY(dialog && dialog->isVisible());
    const auto* table = Child<QTableWidget>(dialog, QStringLiteral("TableFindings"));
    QCOMPARE(table->columnCount(), 4);
    const QStringList header = {"variable", "problem", "count", "first rows"};
    for (int k = 0; k < 4; ++k) QCOMPARE(table->horizontalHeaderItem(k)->text(), header[k]);

    const int empty = lineOf(dialog, QStringLiteral("T° min"), QStringLiteral("empty cell"));
    QVERIFY(empty >= 0);
    QCOMPARE(table->item(empty, 2)->text(), QStringLiteral("2"));
    QCOMPARE(table->item(empty, 3)->text(), QStringLiteral("5 12"));
    const int text = lineOf(dialog, QStringLiteral("T° min"), QStringLiteral("not a number"));
    QVERIFY(text >= 0);
    QCOMPARE(table->item(text, 3)->text(), QStringLiteral("9"));
    // A note has no count.
    const int wind = lineOf(dialog, QStringLiteral("Wind"), QStringLiteral("measured at 2 m"));
    QVERIFY(wind >= 0);
    QCOMPARE(table->item(wind, 2)->text(), QString());
    QVERIFY(Child<QLabel>(dialog, QStringLiteral("LabelCheck"))->text().startsWith(QStringLiteral("60 days checked, problems found")));
}

void TestDataCheckDialog::clickOnALineSelectsItsCellsInTheGrid()
{
    setCell(7, 2, QStringLiteral("150")); // T min above T max
    setCell(20, 2, QStringLiteral("150"));
    QWidget* dialog = openCheck();
    const int line = lineOf(dialog, QStringLiteral("T° min"), QStringLiteral("above T° max"));
    QVERIFY(line >= 0);
    clickLine(dialog, line);
    QCOMPARE(selectedCells(), (QList<QPoint>{{2, 7}, {2, 20}}));
    const auto* grid = Child<QTableView>(app_->form.get(), QStringLiteral("Grid1"));
    QCOMPARE(grid->currentIndex(), grid->model()->index(6, 1));

    const int note = lineOf(dialog, QStringLiteral("Rad."), QStringLiteral("RAD read as"));
    QVERIFY(note >= 0);
    clickLine(dialog, note);
    QCOMPARE(selectedCells(), (QList<QPoint>{{6, 1}})); // a note about a column: its title
}

void TestDataCheckDialog::stationFindingSelectsWholeRows()
{
    app_->setStation(QStringLiteral("89"), QStringLiteral("100")); // polar night in January
    QWidget* dialog = openCheck();
    const int line = lineOf(dialog, QStringLiteral("Station"), QStringLiteral("polar day or night"));
    QVERIFY(line >= 0);
    clickLine(dialog, line);
    const QList<QPoint> cells = selectedCells();
    const int columns = Child<QTableView>(app_->form.get(), QStringLiteral("Grid1"))->model()->columnCount();
    QCOMPARE(cells.size(), 5 * columns); // the first five rows, every column
    QCOMPARE(cells.constFirst(), QPoint(1, 2));
    QCOMPARE(cells.constLast(), QPoint(columns, 6));
}

void TestDataCheckDialog::eachOpeningChecksAfresh()
{
    setCell(5, 3, QString());
    QWidget* dialog = openCheck();
    QVERIFY(lineOf(dialog, QStringLiteral("T° max"), QStringLiteral("empty cell")) >= 0);
    dialog->hide();
    setCell(5, 3, QStringLiteral("21.5"));
    QVERIFY(openCheck() == dialog);
    QCOMPARE(lineOf(dialog, QStringLiteral("T° max"), QStringLiteral("empty cell")), -1);
}

QTEST_MAIN(TestDataCheckDialog)
#include "DataCheckDialogTest.moc"
