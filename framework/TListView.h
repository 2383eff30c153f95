#pragma once

#include "framework/TControl.h"
#include "framework/TListColumns.h"
#include "framework/TListItem.h"
#include "framework/TListItems.h"

#include <functional>
#include <memory>
#include <vector>

class ListViewModel;
class RowRightClicks;
class QTableView;

// How the row under the mouse shows: with the hand cursor, with its text underlined.
struct THotTrackStyles {
    bool HandPoint = false;
    bool UnderlineHot = false;
};

// A report of rows and columns whose rows are virtual: the view holds only their
// number and asks OnData for a row's texts each time it draws the row, so a view of
// any length costs nothing until painted. Rows are selected whole. Coordinates are
// those of the client area below the column headers. A right click on a row that is not
// selected selects only that row (raising OnSelectItem) on the press; on a selected row, or
// below the rows, it keeps the selection. OnMouseUp comes before the popup menu opens.
// With Checkboxes, the first column shows each row's box as OnData gives it; the program
// keeps the ticks, and hears through OnCheck when the user clicks a box or presses Space.
class TListView : public TControl {
public:
    explicit TListView(TControl& parent);
    ~TListView() override;

    TListItems& Items() { return items_; }
    TListColumns& Columns() { return columns_; }
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool multiSelect);
    bool GridLines() const;
    void SetGridLines(bool gridLines);
    void SetHotTrackStyles(THotTrackStyles styles);
    bool Checkboxes() const { return checkboxes_; }
    void SetCheckboxes(bool checkboxes);
    // Whether the selection disappears while another control has the focus.
    void SetHideSelection(bool hide);

    int SelCount() const;
    // The first selected row; -1 for none.
    int Selected() const;
    std::vector<int> SelectedRows() const;
    bool IsSelected(int row) const;
    void SetSelected(int row, bool selected);
    void ClearSelection();
    void SelectAll();
    // The row with the keyboard focus; -1 for none.
    int ItemFocused() const;
    void SetItemFocused(int row);

    // The row at the point; -1 for none.
    int GetItemAt(int x, int y) const;
    // The first row shown.
    int TopItem() const;
    // Scrolls by pixels; rows move by whole rows.
    void Scroll(int dx, int dy);
    // The number of rows the client area shows whole.
    int VisibleRowCount() const;

    std::function<void(TListItem& item)> OnData;
    std::function<void(int column)> OnColumnClick;
    // Once for every change of the selection, by the user or the program, with the
    // first row the change concerns.
    std::function<void(int row, bool selected)> OnSelectItem;
    // The user ticked (checked) or unticked a row's box.
    std::function<void(int row, bool checked)> OnCheck;

protected:
    void ApplyColor() override;
    void ApplyFont() override;
    bool HandleEvent(QObject* watched, QEvent& event) override;

private:
    friend class TListColumn;
    friend class TListColumns;
    friend class TListItems;
    friend class ListViewModel;

    TListView(TControl& parent, QTableView* table);

    int RowCount() const;
    void SetRowCount(int count);
    TListItem Fetch(int row) const;
    void SetUpdating(bool updating);
    void InsertColumn(int index, const std::function<void()>& apply);
    void ColumnChanged(int index);
    void ColumnResized(int index, int width);
    int RowHeight() const;
    // The row under the mouse, -1 when it is over no row or outside the view.
    void SetHotRow(int row);
    bool ShowsUnderlined(int row) const { return hotTrack_.UnderlineHot && row == hotRow_; }
    // The user ticked or unticked the row's box.
    void UserChecked(int row, bool checked);
    // A hidden selection shows in the colours of the rows around it.
    void ApplySelectionLook();

    QTableView* table_ = nullptr;
    ListViewModel* model_ = nullptr;
    TListItems items_{*this};
    TListColumns columns_{*this};
    bool multiSelect_ = false;
    bool resizing_ = false;
    bool checkboxes_ = false;
    bool hideSelection_ = false;
    THotTrackStyles hotTrack_;
    int hotRow_ = -1;
    std::unique_ptr<RowRightClicks> rightClicks_;
};
