#pragma once
// Grid1: the data sheet with its title row frozen, as spreadsheets freeze a pane. The
// sheet's first row (its titles) is shown, and edited, in a one-row view laid over the
// top of the grid, under the column captions; the grid itself hides that row, so its
// scroll bar runs over the days only. Both views share the model and the selection, the
// title row follows the grid's horizontal scrolling and column widths, and the arrow
// keys cross between them. A column is widened to show its whole title. The sheet, its
// rows and its files are unchanged.
#include <QTableView>

namespace etp {

class TitleRowHeader;
class TitleRowView;

class SheetView final : public QTableView {
    Q_OBJECT
public:
    explicit SheetView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    void setSelectionModel(QItemSelectionModel* selectionModel) override;
    // The title row's cells scroll the grid sideways only; the others as in any table.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

protected:
    void updateGeometries() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void hideTitleRow();
    void syncColumnWidths();
    // Widens the columns first..last whose titles do not fit.
    void fitColumnsToTitles(int first, int last);

    TitleRowHeader* captions_ = nullptr;
    TitleRowView* titles_ = nullptr;
};

} // namespace etp
