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
    if (role == Qt::FontRole && view_.ShowsUnderlined(index.row())) {
        QFont font = view_.Widget()->font();
        font.setUnderline(true);
        return font;
    }
    return {};
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
        emit dataChanged(index(row, 0), index(row, columnCount({}) - 1), {Qt::FontRole});
}

void ListViewModel::ColumnCaptionChanged(int index)
{
    emit headerDataChanged(Qt::Horizontal, index, index);
}
