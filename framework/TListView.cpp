#include "framework/TListView.h"

#include "framework/ListViewModel.h"
#include "framework/QtColors.h"
#include "framework/RowRightClicks.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>
#include <cmath>

TListView::TListView(TControl& parent)
    : TListView(parent, new QTableView)
{
}

TListView::TListView(TControl& parent, QTableView* table)
    : TControl(&parent, table, table->viewport())
    , table_(table)
    , model_(new ListViewModel(*this))
    , rightClicks_(std::make_unique<RowRightClicks>(*table))
{
    color_ = clWindow;
    model_->setParent(table_);
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    table_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    table_->setWordWrap(false);
    table_->setShowGrid(false);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setMinimumSectionSize(1);
    table_->verticalHeader()->setDefaultSectionSize(RowHeight());
    QHeaderView* header = table_->horizontalHeader();
    header->setMinimumSectionSize(1);
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QObject::connect(header, &QHeaderView::sectionClicked, Context(), [this](int column) {
        if (OnColumnClick)
            OnColumnClick(column);
    });
    QObject::connect(header, &QHeaderView::sectionResized, Context(),
                     [this](int column, int, int width) { ColumnResized(column, width); });
    QObject::connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, Context(),
                     [this](const QItemSelection& selected, const QItemSelection& deselected) {
                         if (!OnSelectItem)
                             return;
                         if (!selected.isEmpty())
                             OnSelectItem(selected.first().top(), true);
                         else if (!deselected.isEmpty())
                             OnSelectItem(deselected.first().top(), false);
                     });
}

TListView::~TListView()
{
    // The view must not ask for rows once OnData and the columns are gone.
    Detach();
    table_->setModel(nullptr);
}

int TListView::RowHeight() const
{
    return table_->fontMetrics().height() + 4;
}

int TListView::RowCount() const
{
    return model_->Rows();
}

void TListView::SetRowCount(int count)
{
    model_->SetRows(std::max(count, 0));
    if (hotRow_ >= RowCount())
        SetHotRow(-1);
}

TListItem TListView::Fetch(int row) const
{
    TListItem item(row);
    if (OnData)
        OnData(item);
    return item;
}

void TListView::SetUpdating(bool updating)
{
    table_->setUpdatesEnabled(!updating);
}

void TListView::InsertColumn(int index, const std::function<void()>& apply)
{
    // Qt gives the new section a size of its own first; the column's width follows.
    resizing_ = true;
    model_->InsertColumn(index, apply);
    resizing_ = false;
    ColumnChanged(index);
}

// Shows a column's caption and width as the column holds them.
void TListView::ColumnChanged(int index)
{
    model_->ColumnCaptionChanged(index);
    const int width = columns_[index].Width();
    QHeaderView* header = table_->horizontalHeader();
    resizing_ = true;
    header->setSectionHidden(index, width == 0);
    if (width > 0)
        header->resizeSection(index, width);
    resizing_ = false;
}

// The user dragged a column's edge: the width follows within the column's bounds.
void TListView::ColumnResized(int index, int width)
{
    if (resizing_ || index >= columns_.Count())
        return;
    columns_[index].SetWidth(width);
}

void TListView::SetMultiSelect(bool multiSelect)
{
    multiSelect_ = multiSelect;
    table_->setSelectionMode(multiSelect ? QAbstractItemView::ExtendedSelection
                                         : QAbstractItemView::SingleSelection);
}

bool TListView::GridLines() const
{
    return table_->showGrid();
}

void TListView::SetGridLines(bool gridLines)
{
    table_->setShowGrid(gridLines);
}

void TListView::SetHotTrackStyles(THotTrackStyles styles)
{
    SetHotRow(-1);
    hotTrack_ = styles;
}

void TListView::SetCheckboxes(bool checkboxes)
{
    checkboxes_ = checkboxes;
    Invalidate();
}

void TListView::UserChecked(int row, bool checked)
{
    if (OnCheck)
        OnCheck(row, checked);
    model_->RowLookChanged(row);
}

void TListView::SetHideSelection(bool hide)
{
    hideSelection_ = hide;
    ApplySelectionLook();
}

void TListView::ApplySelectionLook()
{
    const bool hidden = hideSelection_ && !table_->hasFocus();
    const QPalette standard = QApplication::palette(table_);
    QPalette palette = table_->palette();
    palette.setColor(QPalette::Highlight, hidden ? palette.color(QPalette::Base) : standard.color(QPalette::Highlight));
    palette.setColor(QPalette::HighlightedText,
                     hidden ? palette.color(QPalette::Text) : standard.color(QPalette::HighlightedText));
    table_->setPalette(palette);
}

void TListView::SetHotRow(int row)
{
    if (row == hotRow_)
        return;
    const int before = hotRow_;
    hotRow_ = row;
    if (hotTrack_.HandPoint)
        ShowCursor(row >= 0 ? crHandPoint : Cursor());
    if (hotTrack_.UnderlineHot) {
        model_->RowLookChanged(before);
        model_->RowLookChanged(row);
    }
}

bool TListView::HandleEvent(QObject* watched, QEvent& event)
{
    // Only hot tracking needs the row under the mouse; spare the look-up on every move.
    if (watched == ClientWidget() && (hotTrack_.HandPoint || hotTrack_.UnderlineHot)) {
        if (event.type() == QEvent::MouseMove) {
            const QPoint at = static_cast<QMouseEvent&>(event).position().toPoint();
            SetHotRow(GetItemAt(at.x(), at.y()));
        } else if (event.type() == QEvent::Leave) {
            SetHotRow(-1);
        }
    }
    if (watched == Widget() && hideSelection_ && (event.type() == QEvent::FocusIn || event.type() == QEvent::FocusOut))
        ApplySelectionLook();
    if (TControl::HandleEvent(watched, event))
        return true;
    if (watched == Widget() && checkboxes_ && event.type() == QEvent::KeyPress
        && static_cast<QKeyEvent&>(event).key() == Qt::Key_Space && ItemFocused() >= 0) {
        UserChecked(ItemFocused(), !Fetch(ItemFocused()).Checked());
        return true;
    }
    return watched == ClientWidget() && rightClicks_->Handle(event);
}

std::vector<int> TListView::SelectedRows() const
{
    std::vector<std::pair<int, int>> ranges;
    for (const QItemSelectionRange& range : table_->selectionModel()->selection())
        ranges.emplace_back(range.top(), range.bottom());
    std::sort(ranges.begin(), ranges.end());
    std::vector<int> rows;
    for (const auto& [top, bottom] : ranges) {
        const int from = rows.empty() ? top : std::max(top, rows.back() + 1);
        for (int row = from; row <= bottom; ++row)
            rows.push_back(row);
    }
    return rows;
}

int TListView::SelCount() const
{
    return static_cast<int>(SelectedRows().size());
}

int TListView::Selected() const
{
    int first = -1;
    for (const QItemSelectionRange& range : table_->selectionModel()->selection()) {
        if (first < 0 || range.top() < first)
            first = range.top();
    }
    return first;
}

bool TListView::IsSelected(int row) const
{
    return table_->selectionModel()->isRowSelected(row, {});
}

void TListView::SetSelected(int row, bool selected)
{
    if (row < 0 || row >= RowCount())
        return;
    const auto command = (selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect)
        | QItemSelectionModel::Rows;
    table_->selectionModel()->select(model_->index(row, 0), command);
}

void TListView::ClearSelection()
{
    table_->selectionModel()->clearSelection();
}

void TListView::SelectAll()
{
    table_->selectAll();
}

int TListView::ItemFocused() const
{
    const QModelIndex current = table_->selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void TListView::SetItemFocused(int row)
{
    const QModelIndex index = row >= 0 && row < RowCount() ? model_->index(row, 0) : QModelIndex();
    table_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
}

int TListView::GetItemAt(int x, int y) const
{
    const QModelIndex index = table_->indexAt(QPoint(x, y));
    return index.isValid() ? index.row() : -1;
}

int TListView::TopItem() const
{
    return table_->rowAt(0);
}

void TListView::Scroll(int dx, int dy)
{
    // Rows added since the last layout must count before the scroll bars move.
    table_->doItemsLayout();
    int rows = static_cast<int>(std::lround(static_cast<double>(dy) / RowHeight()));
    if (rows == 0 && dy != 0)
        rows = dy > 0 ? 1 : -1;
    QScrollBar* vertical = table_->verticalScrollBar();
    vertical->setValue(vertical->value() + rows);
    QScrollBar* horizontal = table_->horizontalScrollBar();
    horizontal->setValue(horizontal->value() + dx);
}

int TListView::VisibleRowCount() const
{
    return table_->viewport()->height() / RowHeight();
}

void TListView::ApplyColor()
{
    PaintBackground(*table_, QPalette::Base, Color());
    PaintBackground(*table_->viewport(), QPalette::Base, Color());
    ApplySelectionLook();
}

void TListView::ApplyFont()
{
    TControl::ApplyFont();
    table_->verticalHeader()->setDefaultSectionSize(RowHeight());
}
