#include "app/MeteoSheetModel.h"

#include <QFont>
#include <string>

#include "app/Utf8Text.h"

namespace etp {

MeteoSheetModel::MeteoSheetModel(MeteoSheet& sheet, QObject* parent) : QAbstractTableModel(parent), sheet_(sheet) {}

int MeteoSheetModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : sheet_.rowCount(); }

int MeteoSheetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : sheet_.columnCount();
}

QVariant MeteoSheetModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return FromBytes(sheet_.cellText(index.row() + 1, index.column() + 1));
    if (role == Qt::FontRole && index.row() == 0) { // the title row
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    return {};
}

bool MeteoSheetModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || role != Qt::EditRole) return false;
    const std::string text = value.toString().toStdString();
    if (text == sheet_.cellText(index.row() + 1, index.column() + 1)) return true;
    if (!sheet_.setCellText(index.row() + 1, index.column() + 1, text)) return false;
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

void MeteoSheetModel::cellsRewritten()
{
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole, Qt::EditRole});
}

Qt::ItemFlags MeteoSheetModel::flags(const QModelIndex& index) const
{
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

QVariant MeteoSheetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || section < 0) return {};
    if (orientation == Qt::Horizontal) {
        if (section >= sheet_.columnCount()) return {};
        return FromBytes(sheet_.caption(section + 1));
    }
    if (section >= sheet_.rowCount()) return {};
    return section + 1;
}

} // namespace etp
