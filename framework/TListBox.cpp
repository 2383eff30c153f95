#include "framework/TListBox.h"

#include "framework/DrawHandlerScope.h"
#include "framework/QtColors.h"
#include "framework/RowRightClicks.h"
#include "framework/TextConversion.h"

#include <QAbstractListModel>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

class TListBox::BoxItems final : public TStrings {
public:
    explicit BoxItems(TListBox& box) : box_(box) {}

protected:
    void Edit(EditKind kind, int index, const std::function<void()>& apply) override;

private:
    TListBox& box_;
};

// The rows as Qt's view asks for them.
class TListBox::BoxModel final : public QAbstractListModel {
public:
    explicit BoxModel(const TListBox& box) : box_(box) {}

    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : box_.items_->Count();
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        return ToQt((*box_.items_)[index.row()]);
    }

    void Change(TStrings::EditKind kind, int row, const std::function<void()>& apply)
    {
        switch (kind) {
        case TStrings::EditKind::Insert:
            beginInsertRows({}, row, row);
            apply();
            endInsertRows();
            break;
        case TStrings::EditKind::Set:
            apply();
            emit dataChanged(index(row), index(row));
            break;
        case TStrings::EditKind::Delete:
            beginRemoveRows({}, row, row);
            apply();
            endRemoveRows();
            break;
        case TStrings::EditKind::Clear:
            beginResetModel();
            apply();
            endResetModel();
            break;
        }
    }

private:
    const TListBox& box_;
};

void TListBox::BoxItems::Edit(EditKind kind, int index, const std::function<void()>& apply)
{
    // A box whose selected row goes keeps no selected row; Qt's view would move the
    // selection to a neighbour, which a key released next would then act on.
    if (kind == EditKind::Delete && index == box_.ItemIndex())
        box_.SetItemIndex(-1);
    box_.model_->Change(kind, index, apply);
}

// Every row is drawn by the box itself, at the box's row height.
class TListBox::BoxDelegate final : public QStyledItemDelegate {
public:
    BoxDelegate(TListBox& box, QObject* parent) : QStyledItemDelegate(parent), box_(box) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        unsigned flags = 0;
        if (option.state & QStyle::State_Selected)
            flags |= odSelected;
        if (option.state & QStyle::State_HasFocus)
            flags |= odFocused;
        if (!(option.state & QStyle::State_Enabled))
            flags |= odDisabled;
        box_.DrawItem(*painter, index.row(), option.rect, TOwnerDrawState{flags});
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        return QSize(option.rect.width(), box_.ItemHeight());
    }

private:
    TListBox& box_;
};

TListBox::TListBox(TControl& parent)
    : TListBox(parent, new QListView)
{
}

TListBox::TListBox(TControl& parent, QListView* view)
    : TControl(&parent, view, view->viewport())
    , view_(view)
    , model_(new BoxModel(*this))
    , items_(std::make_unique<BoxItems>(*this))
    , rightClicks_(std::make_unique<RowRightClicks>(*view))
{
    color_ = clWindow;
    model_->setParent(view_);
    view_->setModel(model_);
    view_->setItemDelegate(new BoxDelegate(*this, view_));
    view_->setUniformItemSizes(true);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

TListBox::~TListBox()
{
    // The view must not ask for rows once they are gone.
    Detach();
    view_->setModel(nullptr);
}

TStrings& TListBox::Items()
{
    return *items_;
}

int TListBox::ItemIndex() const
{
    const QModelIndexList selected = view_->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void TListBox::SetItemIndex(int index)
{
    if (index < 0 || index >= items_->Count()) {
        view_->selectionModel()->clear();
        return;
    }
    view_->selectionModel()->setCurrentIndex(model_->index(index), QItemSelectionModel::ClearAndSelect);
}

void TListBox::SetItemHeight(int height)
{
    itemHeight_ = height;
    emit model_->layoutChanged();
}

bool TListBox::HandleEvent(QObject* watched, QEvent& event)
{
    const bool handled = TControl::HandleEvent(watched, event);
    if (watched != view_->viewport())
        return handled;
    if (rightClicks_->Handle(event))
        return true;
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        // A click beside the rows keeps the selected row; Qt's view would clear it.
        const QPoint at = static_cast<QMouseEvent&>(event).position().toPoint();
        return handled || !view_->indexAt(at).isValid();
    }
    default:
        return handled;
    }
}

int TListBox::ItemAtPos(int x, int y) const
{
    const QModelIndex index = view_->indexAt(QPoint(x, y));
    return index.isValid() ? index.row() : -1;
}

TRect TListBox::ItemRect(int index) const
{
    if (index < 0 || index >= items_->Count())
        return {};
    const QRect r = view_->visualRect(model_->index(index));
    return TRect{r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
}

int TListBox::TopIndex() const
{
    return view_->verticalScrollBar()->value();
}

void TListBox::SetTopIndex(int index)
{
    // Rows added since the last layout must count before the scroll bar is moved.
    view_->doItemsLayout();
    view_->verticalScrollBar()->setValue(index);
}

void TListBox::DrawItem(QPainter& painter, int index, const QRect& rect, TOwnerDrawState state)
{
    const bool selected = state.Contains(odSelected);
    canvas_.Font().Assign(Font());
    canvas_.Font().SetColor(selected ? clHighlightText : Font().Color());
    canvas_.Brush().SetColor(selected ? clHighlight : Color());
    const TRect bounds{rect.x(), rect.y(), rect.x() + rect.width(), rect.y() + rect.height()};
    painter.save();
    canvas_.Begin(painter);
    if (OnDrawItem) {
        const DrawHandlerScope drawing;
        OnDrawItem(index, bounds, state);
    } else {
        canvas_.FillRect(bounds);
        canvas_.TextOut(bounds.Left + 2, bounds.Top, (*items_)[index]);
    }
    canvas_.End();
    painter.restore();
}

void TListBox::ApplyColor()
{
    PaintBackground(*view_->viewport(), QPalette::Base, Color());
    PaintBackground(*view_, QPalette::Base, Color());
}
