#pragma once

#include "framework/TCanvas.h"
#include "framework/TControl.h"
#include "framework/TStrings.h"

#include <functional>
#include <memory>

class QListView;
class RowRightClicks;
class QPainter;
class QRect;

enum TOwnerDrawFlag : unsigned { odSelected = 1, odFocused = 2, odDisabled = 4 };

struct TOwnerDrawState {
    unsigned Flags = 0;
    bool Contains(TOwnerDrawFlag flag) const { return (Flags & flag) != 0; }
};

// A list of rows of one fixed height, drawn by OnDrawItem; one row can be selected.
// Coordinates are those of the client area, where the rows are. A right click selects the
// row under the mouse on the press and raises OnMouseUp on the release, before the popup
// menu opens; OnClick stays the left button's.
class TListBox : public TControl {
public:
    explicit TListBox(TControl& parent);
    ~TListBox() override;

    TStrings& Items();
    // -1 for none.
    int ItemIndex() const;
    void SetItemIndex(int index);
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int height);
    // The row at the point, among the existing rows only; -1 for none.
    int ItemAtPos(int x, int y) const;
    // Empty for an index outside the rows.
    TRect ItemRect(int index) const;
    // The first row shown.
    int TopIndex() const;
    void SetTopIndex(int index);

    // Before each row is drawn, the brush holds clHighlight for the selected row and the
    // box's colour for the others, and the font colour matches; without a handler the
    // framework fills the row and writes its text.
    TCanvas& Canvas() { return canvas_; }
    std::function<void(int index, const TRect& rect, TOwnerDrawState state)> OnDrawItem;

protected:
    void ApplyColor() override;
    bool HandleEvent(QObject* watched, QEvent& event) override;

private:
    class BoxItems;
    class BoxModel;
    class BoxDelegate;

    TListBox(TControl& parent, QListView* view);
    void DrawItem(QPainter& painter, int index, const QRect& rect, TOwnerDrawState state);

    QListView* view_ = nullptr;
    BoxModel* model_ = nullptr;
    std::unique_ptr<BoxItems> items_;
    TCanvas canvas_;
    std::unique_ptr<RowRightClicks> rightClicks_;
    int itemHeight_ = 16;
};
