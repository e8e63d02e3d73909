// Grid1's frozen title row: in view at any scroll position, under the column captions, as
// wide as each column and scrolled sideways with the grid; its titles are edited in it,
// and the arrow keys cross between it and the days. The sheet keeps its rows.
#include "AppSession.h"
#include "app/SheetView.h"

using namespace etp;
using namespace etp::testing;

class TestSheetView : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        app_ = std::make_unique<AppSession>();
        app_->openSample(app_->path("days.txt"), 400);
        app_->form->resize(900, 600);
        QCoreApplication::processEvents();
        grid_ = app_->grid();
        titles_ = Child<QTableView>(grid_, QStringLiteral("Grid1Titles"));
    }
    void cleanup() { app_.reset(); }

    // Scrolled down and sideways, the row under the captions still reads the titles, the
    // first day shown below it is a day, and the title cells stand over their columns.
    void titlesStayInViewWhileTheDaysScroll()
    {
        QCOMPARE(app_->workbench.sheet.cellText(1, 3), std::string_view("TMAX"));
        QVERIFY(grid_->isRowHidden(0) && titles_->isVisible());
        QCOMPARE(grid_->rowAt(0), 1); // the first day right under the titles

        grid_->scrollToBottom();
        grid_->horizontalScrollBar()->setValue(2);
        QCoreApplication::processEvents();
        QVERIFY(grid_->rowAt(0) > 300);
        const QPoint header = grid_->horizontalHeader()->geometry().bottomLeft();
        const QRect row = titles_->geometry();
        QVERIFY2(row.top() < header.y() && row.bottom() < grid_->viewport()->geometry().top(),
                 qPrintable(QStringLiteral("titles at %1..%2").arg(row.top()).arg(row.bottom())));
        QCOMPARE(row.height(), grid_->verticalHeader()->defaultSectionSize());
        QCOMPARE(titles_->horizontalScrollBar()->value(), 2);
        QCOMPARE(titles_->verticalScrollBar()->value(), 0);
        // The cell under the caption of column 3 (TMAX) is its title, at the same place.
        const int x = grid_->columnViewportPosition(2) + 5;
        QCOMPARE(titles_->indexAt(QPoint(x, 3)).data().toString(), QStringLiteral("TMAX"));
        QCOMPARE(titles_->columnViewportPosition(2), grid_->columnViewportPosition(2));

        grid_->setColumnWidth(2, 150);
        QCOMPARE(titles_->columnWidth(2), 150);
        // A title longer than its column widens it, in both views.
        const QString title = QStringLiteral("Maximum air temperature of the day");
        app_->setCell(1, 4, title);
        QFont bold = titles_->font();
        bold.setBold(true);
        QVERIFY(grid_->columnWidth(3) > QFontMetrics(bold).horizontalAdvance(title));
        QCOMPARE(titles_->columnWidth(3), grid_->columnWidth(3));
        // The last day can be brought into view above the scroll bar's end.
        grid_->scrollTo(grid_->model()->index(400, 0));
        QCoreApplication::processEvents();
        QVERIFY(grid_->visualRect(grid_->model()->index(400, 0)).bottom() <= grid_->viewport()->height());
        QCOMPARE(app_->workbench.sheet.rowCount(), 32000); // the sheet keeps its rows
    }

    // A title typed into the frozen row is the sheet's first row; Down leaves it for the
    // first day of the grid and Up at that day comes back.
    void titlesAreEditedInTheFrozenRowAndTheArrowsCross()
    {
        grid_->scrollToBottom();
        titles_->setFocus();
        titles_->setCurrentIndex(titles_->model()->index(0, 2));
        QTest::keyClick(titles_, Qt::Key_F2);
        auto* editor = titles_->findChild<QLineEdit*>();
        QVERIFY(editor && editor->isVisible());
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("TMAX2"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents(); // the editor hands its text on after the key
        QCOMPARE(app_->cell(1, 3), QStringLiteral("TMAX2"));
        QCOMPARE(titles_->verticalScrollBar()->value(), 0);

        QTest::keyClick(titles_, Qt::Key_Down);
        QCOMPARE(grid_->currentIndex(), grid_->model()->index(1, 2));
        QCOMPARE(app_->form->focusWidget(), grid_);
        QCOMPARE(grid_->rowAt(0), 1); // scrolled back to the first day
        QCOMPARE(titles_->verticalScrollBar()->value(), 0);
        QTest::keyClick(grid_, Qt::Key_Down);
        QTest::keyClick(grid_, Qt::Key_Up);
        QCOMPARE(grid_->currentIndex().row(), 1);
        QTest::keyClick(grid_, Qt::Key_Up);
        QCOMPARE(titles_->currentIndex(), titles_->model()->index(0, 2));
        QCOMPARE(app_->form->focusWidget(), titles_);
        // The selection is one for both views.
        QVERIFY(grid_->selectionModel()->isSelected(grid_->model()->index(0, 2)));
    }

    // A command that reads a new sheet resets the model: the title row stays frozen.
    void theRowStaysFrozenAfterAnotherFileIsOpened()
    {
        WriteBytes(app_->path("other.txt"), SampleSeries(20));
        app_->open(app_->path("other.txt"));
        QVERIFY(grid_->isRowHidden(0));
        QCOMPARE(titles_->model()->index(0, 0).data().toString(), QStringLiteral("DATE"));
    }

private:
    std::unique_ptr<AppSession> app_;
    QTableView* grid_ = nullptr;
    QTableView* titles_ = nullptr;
};

QTEST_MAIN(TestSheetView)
#include "SheetViewTest.moc"
