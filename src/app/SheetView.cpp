#include "app/SheetView.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>

namespace etp {

// The grid's column captions with room below them for the title row, which lies over
// that room: the table lays out its viewport under the whole header, so its scroll
// range counts the days in view correctly.
class TitleRowHeader final : public QHeaderView {
public:
    explicit TitleRowHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
    {
        // As the table's own header is.
        setSectionsClickable(true);
        setHighlightSections(true);
    }

    int titleRowHeight() const { return titleRow_; }
    void setTitleRowHeight(int height)
    {
        titleRow_ = height;
        updateGeometry();
    }
    QSize sizeHint() const override { return QHeaderView::sizeHint() + QSize(0, titleRow_); }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override
    {
        QHeaderView::paintSection(painter, rect.adjusted(0, 0, 0, -titleRow_), logicalIndex);
    }

private:
    int titleRow_ = 0; // [px]
};

// The one-row view of the titles: it never scrolls down, hands the wheel to the grid, and
// hands the cursor to the grid when it moves down.
class TitleRowView final : public QTableView {
public:
    explicit TitleRowView(SheetView& grid) : QTableView(&grid), grid_(grid)
    {
        setObjectName(QStringLiteral("Grid1Titles"));
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        horizontalHeader()->hide();
        verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
            if (value != 0) verticalScrollBar()->setValue(0);
        });
    }

    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override
    {
        if (index.isValid()) QTableView::scrollTo(index.siblingAtRow(0), hint);
    }
    // The width of the column's title with the cell's margins: the title row is all it shows.
    int titleWidth(int column) const { return sizeHintForColumn(column); }

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override
    {
        const QModelIndex current = currentIndex();
        const bool down = cursorAction == MoveDown || cursorAction == MovePageDown ||
                          (cursorAction == MoveEnd && (modifiers & Qt::ControlModifier));
        if (!down || !current.isValid() || model()->rowCount() < 2) return QTableView::moveCursor(cursorAction, modifiers);
        grid_.setFocus(Qt::OtherFocusReason);
        return current.siblingAtRow(1);
    }
    void wheelEvent(QWheelEvent* event) override { QApplication::sendEvent(grid_.viewport(), event); }

private:
    SheetView& grid_;
};

SheetView::SheetView(QWidget* parent) : QTableView(parent)
{
    captions_ = new TitleRowHeader(this);
    setHorizontalHeader(captions_);
    titles_ = new TitleRowView(*this);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, titles_->horizontalScrollBar(), &QScrollBar::setValue);
    connect(titles_->horizontalScrollBar(), &QScrollBar::valueChanged, horizontalScrollBar(), &QScrollBar::setValue);
    connect(captions_, &QHeaderView::sectionResized, titles_,
            [this](int column, int, int width) { titles_->setColumnWidth(column, width); });
}

void SheetView::setModel(QAbstractItemModel* model)
{
    if (this->model()) disconnect(this->model(), nullptr, this, nullptr);
    titles_->setModel(model); // first: the grid hands its new selection model on
    QTableView::setModel(model);
    if (!model) return;
    connect(model, &QAbstractItemModel::modelReset, this, &SheetView::hideTitleRow);
    connect(model, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
        if (topLeft.row() == 0) fitColumnsToTitles(topLeft.column(), bottomRight.column());
    });
    hideTitleRow();
}

void SheetView::setSelectionModel(QItemSelectionModel* selectionModel)
{
    QTableView::setSelectionModel(selectionModel);
    titles_->setSelectionModel(selectionModel);
}

void SheetView::hideTitleRow()
{
    if (model() && model()->rowCount() > 0) setRowHidden(0, true);
    syncColumnWidths();
    fitColumnsToTitles(0, model() ? model()->columnCount() - 1 : -1);
}

// Only wider: a column the person narrowed stays so until its title changes.
void SheetView::fitColumnsToTitles(int first, int last)
{
    for (int column = first; column <= last; ++column) {
        const int needed = titles_->titleWidth(column);
        if (needed > columnWidth(column)) setColumnWidth(column, needed);
    }
}

void SheetView::syncColumnWidths()
{
    if (!model()) return;
    titles_->horizontalHeader()->setDefaultSectionSize(horizontalHeader()->defaultSectionSize());
    for (int column = 0; column < model()->columnCount(); ++column)
        if (titles_->columnWidth(column) != columnWidth(column)) titles_->setColumnWidth(column, columnWidth(column));
}

void SheetView::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    if (index.isValid() && index.row() == 0)
        titles_->scrollTo(index, hint); // its scroll bar moves the grid's
    else
        QTableView::scrollTo(index, hint);
}

void SheetView::updateGeometries()
{
    const int row = verticalHeader()->defaultSectionSize();
    if (captions_->titleRowHeight() != row) {
        captions_->setTitleRowHeight(row);
        titles_->verticalHeader()->setDefaultSectionSize(row);
    }
    QTableView::updateGeometries();
    const QRect view = viewport()->geometry();
    const int numbers = verticalHeader()->isVisible() ? verticalHeader()->width() : 0;
    titles_->verticalHeader()->setFixedWidth(numbers);
    titles_->setGeometry(view.left() - numbers, view.top() - row, numbers + view.width(), row);
    syncColumnWidths();
    titles_->horizontalScrollBar()->setValue(horizontalScrollBar()->value());
}

// Up from the first day enters the title row. The grid's own move would stop there: the
// row is hidden in the grid, which could neither go to it nor select it.
void SheetView::keyPressEvent(QKeyEvent* event)
{
    const QModelIndex current = currentIndex();
    const bool up = event->key() == Qt::Key_Up || event->key() == Qt::Key_PageUp;
    if (up && event->modifiers() == Qt::NoModifier && current.isValid() && current.row() == 1) {
        titles_->setFocus(Qt::OtherFocusReason);
        selectionModel()->setCurrentIndex(current.siblingAtRow(0), QItemSelectionModel::ClearAndSelect);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

} // namespace etp
