#pragma once

#include "framework/Colors.h"
#include "framework/Geometry.h"
#include "framework/Input.h"
#include "framework/ShortCut.h"
#include "framework/TComponent.h"
#include "framework/TFont.h"

#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

class QEvent;
class QKeyEvent;
class QObject;
class QPoint;
class QWidget;
class ControlEvents;

enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;

enum TCursor {
    crDefault = 0,
    crArrow = -2,
    crCross = -3,
    crIBeam = -4,
    crSizeNS = -7,
    crSizeWE = -9,
    crHourGlass = -11,
    crDrag = -12,
    crNoDrop = -13,
    crMultiDrag = -16,
    crHandPoint = -21,
};

// dmAutomatic: a left-button press and a move past the desktop's drag distance start a
// drag of the control.
enum TDragMode { dmManual, dmAutomatic };
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };

// What every control shares: absolute geometry inside its parent, anchors, visibility,
// colour, font, hint and the mouse and key events. Each control owns one Qt widget;
// a control owns the controls made on it (see Make) and frees them before its widget.
class TControl : public TComponent {
public:
    ~TControl() override;

    TControl* Parent() const { return parent_; }

    int Left() const { return BoundsRect().Left; }
    int Top() const { return BoundsRect().Top; }
    int Width() const { return BoundsRect().Width(); }
    int Height() const { return BoundsRect().Height(); }
    void SetLeft(int left);
    void SetTop(int top);
    void SetWidth(int width);
    void SetHeight(int height);
    void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(); }
    // The inside of the control, where its children and its rows are.
    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientWidth(int width);
    void SetClientHeight(int height);

    // The edges of the parent whose distance the control keeps when the parent is resized:
    // anchored on both sides it stretches, on the far side only it moves.
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors anchors);

    bool Visible() const;
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const;
    // A control that is hidden or disabled while it has the focus leaves the focus to its
    // window: no other control takes it by itself.
    virtual void SetEnabled(bool enabled);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TFont& Font() { return font_; }
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);

    // The tool tip shown while the mouse rests on the control, when ShowHint is set.
    // A change while the tip shows rewrites the tip at once.
    const std::string& Hint() const { return hint_; }
    void SetHint(std::string hint);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool showHint);

    TDragMode DragMode() const { return dragMode_; }
    void SetDragMode(TDragMode mode) { dragMode_ = mode; }
    // The class's name as the desktop framework gives it ("TListView", "TListBox",
    // "TPanel", a form's own class), which drag handlers test.
    virtual std::string ClassName() const;

    void BringToFront();
    void SetFocus();
    bool Focused() const;
    // Invalidate paints at the next chance, Update and Repaint at once.
    void Invalidate();
    void Update();
    void Repaint();

    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    std::function<void(TMouseButton button, TShiftState shift, int x, int y)> OnMouseUp;
    std::function<void(TShiftState shift, int x, int y)> OnMouseMove;
    // Raised before the key takes effect; a handler that sets the key to 0 swallows it.
    // A held key raises OnKeyDown again with ssRepeat, and OnKeyUp once when it is let go,
    // only for a key whose press reached the control (not one a short-cut took).
    std::function<void(TKey& key, TShiftState shift)> OnKeyDown;
    std::function<void(TKey& key, TShiftState shift)> OnKeyUp;
    // Keys that, while the control has the focus, reach only its OnKeyDown and OnKeyUp and
    // never a short-cut of the form.
    void SetOwnKeys(std::vector<TShortCut> keys) { ownKeys_ = std::move(keys); }

    // Drags inside the window. The innermost enabled control under the pointer, when it has
    // an OnDragOver (without one it refuses the drag), hears it enter, move and leave, with
    // x, y in its client coordinates and an accept flag that starts false; it hears a last
    // leave at the release, whose accept decides whether OnDragDrop follows there.
    std::function<void(TControl& source, int x, int y, TDragState state, bool& accept)> OnDragOver;
    std::function<void(TControl& source, int x, int y)> OnDragDrop;
    // On the source, whenever a drag ends, after the drop: the target that took the drop
    // and the point in its client coordinates, or nullptr and 0, 0 (no drop, or Escape).
    std::function<void(TControl* target, int x, int y)> OnEndDrag;

    // The control that owns the widget or the closest of its parents; nullptr for none.
    static TControl* Owning(const QWidget* widget);

    // The Qt side, for the framework itself and for tests that drive controls through
    // real events. Mouse positions are those of the client widget.
    QWidget* Widget() const { return widget_; }
    QWidget* ClientWidget() const { return client_; }

protected:
    // `widget` becomes a child of the parent's client widget; `client` (by default the
    // widget itself) takes the mouse and holds the children.
    TControl(TControl* parent, QWidget* widget, QWidget* client = nullptr);

    // The object to tie Qt connections to: it goes before anything of the control does.
    QObject* Context() const;
    // Stops every event and connection reaching the control; the first step of freeing it.
    void Detach();
    // Sees every event of the widget and the client widget first; true swallows it.
    virtual bool HandleEvent(QObject* watched, QEvent& event);
    // Keys the control uses itself, beside its own keys: no short-cut takes them while it
    // has the focus.
    virtual bool TakesKey(const QKeyEvent&) const { return false; }
    // Controls whose Qt widget reports clicks itself raise OnClick from there.
    virtual bool ClicksOnMouseUp() const { return true; }
    virtual TRect Bounds() const;
    virtual void ApplyBounds(const TRect& bounds);
    virtual void ApplyColor();
    virtual void ApplyFont();
    // Raises the mouse events for a mouse event of a widget placed at `offset` in the
    // client widget; `clicks` when a press and release on it are a click.
    void HandleMouse(QEvent& event, const QPoint& offset, bool clicks);
    // Called when the client area changed size, after the anchored children followed.
    virtual void Resized() {}
    // Arranges the children after the client area may have changed size.
    void ClientResized();
    // Shows the cursor over the client area, leaving the control's own Cursor as it is.
    void ShowCursor(TCursor cursor);
    // Takes the focus from the control or a control inside it and leaves it to the window
    // (none when the control is the window); returns the widget that had it.
    QWidget* DropFocus();

    TColor color_ = clBtnFace;

private:
    friend class ControlEvents;

    bool HandleKey(QEvent& event);
    bool RaisesKeyUp(const QKeyEvent& key);
    bool ClaimsKey(const QKeyEvent& key) const;
    bool HandleToolTip(QEvent& event);
    void RememberAnchorDistances();
    void FollowParent();
    void RefreshTip();

    TControl* parent_ = nullptr;
    QWidget* widget_ = nullptr;
    QWidget* client_ = nullptr;
    ControlEvents* events_ = nullptr;
    TAnchors anchors_ = akLeft | akTop;
    int rightDistance_ = 0;
    int bottomDistance_ = 0;
    int lastClientWidth_ = -1;
    int lastClientHeight_ = -1;
    TFont font_;
    TCursor cursor_ = crDefault;
    TDragMode dragMode_ = dmManual;
    std::string hint_;
    std::vector<TShortCut> ownKeys_;
    // The Qt keys whose press reached the control and that are not yet let go.
    std::vector<int> pressedKeys_;
    bool showHint_ = false;
    bool leftPressed_ = false;
};

// Makes a component owned by `owner`: `auto& edit = Make<TEdit>(panel);`. A control gets
// the owner as its parent; other components (timers) are only owned.
template <class T, class Owner, class... Args>
T& Make(Owner& owner, Args&&... args)
{
    std::unique_ptr<T> made;
    if constexpr (std::is_base_of_v<TControl, T>)
        made = std::make_unique<T>(static_cast<TControl&>(owner), std::forward<Args>(args)...);
    else
        made = std::make_unique<T>(std::forward<Args>(args)...);
    T& component = *made;
    owner.Adopt(std::move(made));
    return component;
}
