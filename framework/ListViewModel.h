#pragma once

#include <QAbstractTableModel>

#include <functional>

class TListView;

// A list view's rows as Qt asks for them: a count, and each cell's text fetched from
// the view's OnData at the moment it is drawn.
class ListViewModel final : public QAbstractTableModel {
public:
    explicit ListViewModel(TListView& view) : view_(view) {}

    int rowCount(const QModelIndex& parent) const override;
    int columnCount(const QModelIndex& parent) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    int Rows() const { return rows_; }
    // Rows past the new count go, new rows come at the end; the rows kept keep their selection.
    void SetRows(int rows);
    void InsertColumn(int index, const std::function<void()>& apply);
    void ColumnCaptionChanged(int index);
    // The row is drawn anew; nothing for -1.
    void RowLookChanged(int row);

private:
    TListView& view_;
    int rows_ = 0;
};
