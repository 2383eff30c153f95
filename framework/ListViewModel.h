#pragma once

#include <QAbstractTableModel>

#include <functional>

class TListView;

// A list view's rows as Qt asks for them: a count, and each cell's text (and the first
// cell's check box) fetched from the view's OnData at the moment it is drawn.
class ListViewModel final : public QAbstractTableModel {
public:
    explicit ListViewModel(TListView& view) : view_(view) {}

    int rowCount(const QModelIndex& parent) const override;
    int columnCount(const QModelIndex& parent) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Qt's item delegate ticks or unticks a box this way.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    int Rows() const { return rows_; }
    // Rows past the new count go, new rows come at the end; the rows kept keep their selection.
    void SetRows(int rows);
    void InsertColumn(int index, const std::function<void()>& apply);
    void ColumnCaptionChanged(int index);
    // The row is drawn anew; nothing for -1.
    void RowLookChanged(int row);

private:
    bool HasBox(const QModelIndex& index) const;

    TListView& view_;
    int rows_ = 0;
};
