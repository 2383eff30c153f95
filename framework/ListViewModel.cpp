#include "framework/ListViewModel.h"

#include "framework/TListView.h"
#include "framework/TextConversion.h"

#include <QFont>
#include <QWidget>

int ListViewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int ListViewModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : view_.Columns().Count();
}

QVariant ListViewModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return ToQt(view_.Fetch(index.row()).ColumnText(index.column()));
    if (role == Qt::CheckStateRole && HasBox(index))
        return view_.Fetch(index.row()).Checked() ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::FontRole && view_.ShowsUnderlined(index.row())) {
        QFont font = view_.Widget()->font();
        font.setUnderline(true);
        return font;
    }
    return {};
}

Qt::ItemFlags ListViewModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return HasBox(index) ? flags | Qt::ItemIsUserCheckable : flags;
}

bool ListViewModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || !HasBox(index))
        return false;
    view_.UserChecked(index.row(), value.value<Qt::CheckState>() == Qt::Checked);
    return true;
}

bool ListViewModel::HasBox(const QModelIndex& index) const
{
    return view_.Checkboxes() && index.isValid() && index.column() == 0;
}

QVariant ListViewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section >= view_.Columns().Count())
        return {};
    return ToQt(view_.Columns()[section].Caption());
}

void ListViewModel::SetRows(int rows)
{
    if (rows > rows_) {
        beginInsertRows({}, rows_, rows - 1);
        rows_ = rows;
        endInsertRows();
    } else if (rows < rows_) {
        beginRemoveRows({}, rows, rows_ - 1);
        rows_ = rows;
        endRemoveRows();
    }
}

void ListViewModel::InsertColumn(int index, const std::function<void()>& apply)
{
    beginInsertColumns({}, index, index);
    apply();
    endInsertColumns();
}

void ListViewModel::RowLookChanged(int row)
{
    if (row >= 0 && row < rows_)
        emit dataChanged(index(row, 0), index(row, columnCount({}) - 1));
}

void ListViewModel::ColumnCaptionChanged(int index)
{
    emit headerDataChanged(Qt::Horizontal, index, index);
}
