#pragma once
// Grid1's model: the workbench's data sheet itself, no copy. Model row i is sheet row
// i + 1 and model column j sheet column j + 1; the column captions of row 0 are the
// horizontal header, the row numbers the vertical one. Cells are bytes, shown as UTF-8.
// A result computed from an estimated input shows in italics, with what was estimated
// as its tooltip, read from the sheet alone so that it survives saving and opening.
// Given the workbench, it also marks, on screen only, the title cell of a result left out
// of date by an input typed since Compute, and an input cell holding a text that is no
// number.
#include <QAbstractTableModel>
#include <vector>

#include "et/Estimates.h"
#include "sheet/MeteoSheet.h"

namespace etp {

struct Workbench;

class MeteoSheetModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit MeteoSheetModel(MeteoSheet& sheet, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Runs a command that may rewrite or grow the sheet; views see one reset around it.
    template <typename Command>
    auto rewrite(Command&& command)
    {
        const ResetScope reset(*this);
        return command();
    }

    // A command rewrote cells and kept the sheet's size (irrigation, undo): views repaint them.
    void cellsRewritten();
    // The column boxes and the record of the results of this workbench (whose sheet this
    // model shows) mark cells from now on.
    void markFrom(const Workbench& workbench);
    // The column boxes or the record changed: views repaint the marks.
    void marksChanged();

signals:
    // setData changed a cell (sheet numbering): its text and the sheet's revision before.
    void cellEdited(int row, int column, const QByteArray& before, quint64 revisionBefore);

private:
    class ResetScope {
    public:
        explicit ResetScope(MeteoSheetModel& model) : model_(model) { model_.beginResetModel(); }
        ~ResetScope()
        {
            model_.findEstimatedColumns();
            model_.endResetModel();
        }
        ResetScope(const ResetScope&) = delete;
        ResetScope& operator=(const ResetScope&) = delete;

    private:
        MeteoSheetModel& model_;
    };

    // A result column's "Estimated" column (model numbering) and its method's inputs.
    struct EstimatedSource {
        int column = -1; // none: not a result column, or no "Estimated" column right of it
        Inputs inputs = 0;
        bool operator==(const EstimatedSource&) const = default;
    };

    // Pairs each result column of the title row with the nearest "Estimated" column to
    // its right, the one Compute added with it. Run whenever the title row may change,
    // so that data() only looks the pair up.
    void findEstimatedColumns();
    // The "Estimated" cell of a data row's result cell when the cell holds a result and
    // an input of its method was estimated that day; empty otherwise.
    std::string_view estimateOf(const QModelIndex& index) const;
    bool isEstimatedColumn(int column) const;

    MeteoSheet& sheet_;
    const Workbench* workbench_ = nullptr;
    std::vector<EstimatedSource> estimated_; // per model column
};

} // namespace etp
