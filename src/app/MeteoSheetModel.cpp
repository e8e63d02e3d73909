#include "app/MeteoSheetModel.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QFont>
#include <QStyle>
#include <string>

#include "app/Utf8Text.h"
#include "et/MethodTable.h"
#include "sheet/NumericValue.h"
#include "workbench/ComputedColumns.h"
#include "workbench/Workbench.h"

namespace etp {

namespace {

// Amber behind a result out of date, pink behind an input that is no number: both read
// at a glance against the white cells and the blue of a selection.
const QColor kOutOfDateBackground(255, 196, 92);
const QColor kNotANumberBackground(255, 170, 170);
const QColor kMarkedText(90, 0, 0);

} // namespace

MeteoSheetModel::MeteoSheetModel(MeteoSheet& sheet, QObject* parent) : QAbstractTableModel(parent), sheet_(sheet)
{
    findEstimatedColumns();
}

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
    if (role == Qt::TextAlignmentRole) {
        // Numbers line up on their last digit; a lone "." is how the results write 0.
        const std::string_view text = sheet_.cellText(index.row() + 1, index.column() + 1);
        const bool number = text == "." || IsNumberText(text);
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    if (workbench_ && (role == Qt::BackgroundRole || role == Qt::ForegroundRole || role == Qt::DecorationRole ||
                       role == Qt::ToolTipRole)) {
        const int row = index.row() + 1, column = index.column() + 1;
        if (row == 1 && IsOutOfDate(*workbench_, column)) {
            if (role == Qt::BackgroundRole) return QBrush(kOutOfDateBackground);
            if (role == Qt::ForegroundRole) return QBrush(kMarkedText);
            if (role == Qt::DecorationRole) return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
            return QStringLiteral("Out of date: inputs edited since Compute");
        }
        if (row > 1 && role != Qt::DecorationRole && IsNotANumberInput(*workbench_, row, column)) {
            if (role == Qt::BackgroundRole) return QBrush(kNotANumberBackground);
            if (role == Qt::ForegroundRole) return QBrush(kMarkedText);
            return FromBytes(*NotANumberText(*workbench_, row, column));
        }
    }
    if (role == Qt::FontRole && index.row() == 0) { // the title row
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (role == Qt::FontRole || role == Qt::ToolTipRole) {
        const std::string_view estimate = estimateOf(index);
        if (estimate.empty()) return {};
        if (role == Qt::ToolTipRole) return FromBytes(kEstimatedLabel) + QStringLiteral(": ") + FromBytes(estimate);
        QFont italic;
        italic.setItalic(true);
        return italic;
    }
    return {};
}

std::string_view MeteoSheetModel::estimateOf(const QModelIndex& index) const
{
    const auto column = static_cast<std::size_t>(index.column());
    if (index.row() == 0 || column >= estimated_.size() || estimated_[column].column < 0) return {};
    const int row = index.row() + 1;
    if (sheet_.cellText(row, index.column() + 1).empty()) return {};
    const std::string_view estimate = sheet_.cellText(row, estimated_[column].column + 1);
    return EstimatedInputs(estimate) & estimated_[column].inputs ? estimate : std::string_view();
}

void MeteoSheetModel::findEstimatedColumns()
{
    estimated_.assign(static_cast<std::size_t>(sheet_.columnCount()), {});
    int nearest = -1;
    for (int column = sheet_.columnCount() - 1; column >= 0; --column) {
        const std::string_view title = sheet_.cellText(1, column + 1);
        if (title == kEstimatedLabel) {
            nearest = column;
        } else if (const auto method = MethodOfLabel(title); method && nearest >= 0) {
            estimated_[static_cast<std::size_t>(column)] = {nearest, Info(*method).inputs};
        }
    }
}

bool MeteoSheetModel::isEstimatedColumn(int column) const
{
    for (const EstimatedSource& source : estimated_)
        if (source.column == column) return true;
    return false;
}

bool MeteoSheetModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || role != Qt::EditRole) return false;
    const std::string text = value.toString().toStdString();
    const std::string_view current = sheet_.cellText(index.row() + 1, index.column() + 1);
    if (text == current) return true;
    const QByteArray previous(current.data(), static_cast<qsizetype>(current.size()));
    const std::uint64_t revisionBefore = sheet_.revision();
    if (!sheet_.setCellText(index.row() + 1, index.column() + 1, text)) return false;
    emit dataChanged(index, index,
                     {Qt::DisplayRole, Qt::EditRole, Qt::TextAlignmentRole, Qt::BackgroundRole, Qt::ForegroundRole,
                      Qt::ToolTipRole});
    const QList<int> estimateRoles = {Qt::FontRole, Qt::ToolTipRole};
    if (index.row() == 0) {
        // A title made or unmade a result or "Estimated" column: whole columns may change.
        const std::vector<EstimatedSource> before = estimated_;
        findEstimatedColumns();
        if (estimated_ != before && rowCount() > 1)
            emit dataChanged(this->index(1, 0), this->index(rowCount() - 1, columnCount() - 1), estimateRoles);
    } else if (isEstimatedColumn(index.column())) {
        emit dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1), estimateRoles);
    }
    emit cellEdited(index.row() + 1, index.column() + 1, previous, revisionBefore);
    return true;
}

void MeteoSheetModel::cellsRewritten()
{
    findEstimatedColumns();
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                     {Qt::DisplayRole, Qt::EditRole, Qt::TextAlignmentRole, Qt::FontRole, Qt::ToolTipRole,
                      Qt::BackgroundRole, Qt::ForegroundRole, Qt::DecorationRole});
}

void MeteoSheetModel::markFrom(const Workbench& workbench)
{
    workbench_ = &workbench;
    marksChanged();
}

void MeteoSheetModel::marksChanged()
{
    if (rowCount() == 0 || columnCount() == 0) return;
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                     {Qt::BackgroundRole, Qt::ForegroundRole, Qt::DecorationRole, Qt::ToolTipRole});
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
        // Columns without a caption of their own (from 21 on at start) show their number
        // too: it is what the column boxes take.
        const std::string_view caption = sheet_.caption(section + 1);
        return caption.empty() ? QString::number(section + 1) : FromBytes(caption);
    }
    if (section >= sheet_.rowCount()) return {};
    return section + 1;
}

} // namespace etp
