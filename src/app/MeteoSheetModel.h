#pragma once
// Grid1's model: the workbench's data sheet itself, no copy. Model row i is sheet row
// i + 1 and model column j sheet column j + 1; the column captions of row 0 are the
// horizontal header, the row numbers the vertical one. Cells are bytes, shown as UTF-8.
#include <QAbstractTableModel>

#include "sheet/MeteoSheet.h"

namespace etp {

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

    // A command rewrote cells and kept the sheet's size (irrigation): views repaint them.
    void cellsRewritten();

private:
    class ResetScope {
    public:
        explicit ResetScope(MeteoSheetModel& model) : model_(model) { model_.beginResetModel(); }
        ~ResetScope() { model_.endResetModel(); }
        ResetScope(const ResetScope&) = delete;
        ResetScope& operator=(const ResetScope&) = delete;

    private:
        MeteoSheetModel& model_;
    };

    MeteoSheet& sheet_;
};

} // namespace etp
