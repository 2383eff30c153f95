#include "framework/TControl.h"

#include "framework/ControlEvents.h"
#include "framework/DragTracker.h"
#include "framework/DrawHandlerScope.h"
#include "framework/QtColors.h"
#include "framework/QtCursors.h"
#include "framework/QtFont.h"
#include "framework/QtInput.h"
#include "framework/QtShortCut.h"
#include "framework/TApplication.h"
#include "framework/TextConversion.h"

#include <QApplication>
#include <QCursor>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <typeinfo>

#if __has_include(<cxxabi.h>)
#include <cxxabi.h>
#endif

namespace {

// The control whose hint the tool tip shows, so that a new hint can replace it.
const TControl* tipOwner = nullptr;

// Ties a widget to the control that owns it, for finding the control under the mouse.
constexpr char controlProperty[] = "vtControl";

void MarkOwner(QWidget& widget, TControl* control)
{
    widget.setProperty(controlProperty, QVariant::fromValue(static_cast<void*>(control)));
}

std::string Demangled(const char* name)
{
#if __has_include(<cxxabi.h>)
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> plain(abi::__cxa_demangle(name, nullptr, nullptr, &status), std::free);
    return status == 0 ? std::string(plain.get()) : std::string(name);
#else
    const std::string text(name);
    const auto blank = text.find(' ');
    return blank == std::string::npos ? text : text.substr(blank + 1);
#endif
}

} // namespace

TControl::TControl(TControl* parent, QWidget* widget, QWidget* client)
    : parent_(parent)
    , widget_(widget)
    , client_(client ? client : widget)
    , events_(new ControlEvents(*this))
{
    if (parent_) {
        widget_->setParent(parent_->ClientWidget());
        widget_->show();
    }
    widget_->installEventFilter(events_);
    // Each control takes its own mouse events, as the forms expect: a click on a picture
    // must not also click the panel it lies on.
    widget_->setAttribute(Qt::WA_NoMousePropagation);
    if (client_ != widget_)
        client_->installEventFilter(events_);
    client_->setMouseTracking(true);
    MarkOwner(*widget_, this);
    MarkOwner(*client_, this);
    font_.OnChange = [this] { ApplyFont(); };
}

TControl::~TControl()
{
    Detach();
    FreeComponents();
    delete widget_;
}

void TControl::Detach()
{
    if (tipOwner == this)
        tipOwner = nullptr;
    if (!events_)
        return;
    DragTracker::Instance().Forget(*this);
    MarkOwner(*widget_, nullptr);
    MarkOwner(*client_, nullptr);
    delete events_;
    events_ = nullptr;
}

std::string TControl::ClassName() const
{
    // The most derived class, as the desktop framework names a control's class.
    return Demangled(typeid(*this).name());
}

TControl* TControl::Owning(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (auto* control = static_cast<TControl*>(widget->property(controlProperty).value<void*>()))
            return control;
    }
    return nullptr;
}

QObject* TControl::Context() const
{
    return events_;
}

void TControl::SetLeft(int left)
{
    SetBounds(left, Top(), Width(), Height());
}

void TControl::SetTop(int top)
{
    SetBounds(Left(), top, Width(), Height());
}

void TControl::SetWidth(int width)
{
    SetBounds(Left(), Top(), width, Height());
}

void TControl::SetHeight(int height)
{
    SetBounds(Left(), Top(), Width(), height);
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    const TRect before = Bounds();
    ApplyBounds(TRect{left, top, left + std::max(width, 0), top + std::max(height, 0)});
    RememberAnchorDistances();
    ClientResized();
    if (DrawHandlerScope::Active() && Bounds() != before)
        QMetaObject::invokeMethod(widget_, [widget = widget_] { widget->update(); }, Qt::QueuedConnection);
}

int TControl::ClientWidth() const
{
    return client_->width();
}

int TControl::ClientHeight() const
{
    return client_->height();
}

void TControl::SetClientWidth(int width)
{
    SetWidth(width + Width() - ClientWidth());
}

void TControl::SetClientHeight(int height)
{
    SetHeight(height + Height() - ClientHeight());
}

TRect TControl::Bounds() const
{
    const QRect r = widget_->geometry();
    return TRect{r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
}

void TControl::ApplyBounds(const TRect& bounds)
{
    widget_->setGeometry(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
}

void TControl::SetAnchors(TAnchors anchors)
{
    anchors_ = anchors;
    RememberAnchorDistances();
}

void TControl::RememberAnchorDistances()
{
    if (!parent_)
        return;
    const TRect bounds = Bounds();
    rightDistance_ = parent_->ClientWidth() - bounds.Right;
    bottomDistance_ = parent_->ClientHeight() - bounds.Bottom;
}

// Follows the parent's new size by the distances kept when the control was last placed.
void TControl::FollowParent()
{
    TRect bounds = Bounds();
    int left = bounds.Left;
    int top = bounds.Top;
    int width = bounds.Width();
    int height = bounds.Height();
    if (anchors_ & akRight) {
        const int right = parent_->ClientWidth() - rightDistance_;
        if (anchors_ & akLeft)
            width = right - left;
        else
            left = right - width;
    }
    if (anchors_ & akBottom) {
        const int bottom = parent_->ClientHeight() - bottomDistance_;
        if (anchors_ & akTop)
            height = bottom - top;
        else
            top = bottom - height;
    }
    ApplyBounds(TRect{left, top, left + std::max(width, 0), top + std::max(height, 0)});
    ClientResized();
}

void TControl::ClientResized()
{
    if (client_->width() == lastClientWidth_ && client_->height() == lastClientHeight_)
        return;
    lastClientWidth_ = client_->width();
    lastClientHeight_ = client_->height();
    for (const auto& component : Components()) {
        if (auto* child = dynamic_cast<TControl*>(component.get()))
            child->FollowParent();
    }
    Resized();
}

bool TControl::Visible() const
{
    return !widget_->isHidden();
}

void TControl::SetVisible(bool visible)
{
    if (!visible)
        DropFocus();
    widget_->setVisible(visible);
}

bool TControl::Enabled() const
{
    return widget_->isEnabled();
}

void TControl::SetEnabled(bool enabled)
{
    if (!enabled)
        DropFocus();
    widget_->setEnabled(enabled);
}

// Qt would hand the focus on to the next control of the window, at once or when the
// window is next activated, and that control may lie hidden behind another: keys typed
// then would edit what the user cannot see. The window itself keeps the keys instead.
QWidget* TControl::DropFocus()
{
    QWidget* window = widget_->window();
    QWidget* focused = window->focusWidget();
    if (!focused || (focused != widget_ && !widget_->isAncestorOf(focused)))
        return nullptr;
    if (widget_ == window)
        focused->clearFocus();
    else
        window->setFocus(Qt::OtherFocusReason);
    return focused;
}

void TControl::SetColor(TColor color)
{
    color_ = color;
    ApplyColor();
}

void TControl::ApplyColor()
{
    PaintBackground(*client_, client_->backgroundRole(), color_);
}

void TControl::ApplyFont()
{
    widget_->setFont(ToQFont(font_, QApplication::font()));
    QPalette palette = widget_->palette();
    palette.setColor(QPalette::WindowText, ToQColor(font_.Color()));
    palette.setColor(QPalette::Text, ToQColor(font_.Color()));
    MatchDisabledText(palette, palette.color(widget_->backgroundRole()));
    widget_->setPalette(palette);
}

void TControl::SetCursor(TCursor cursor)
{
    cursor_ = cursor;
    ShowCursor(cursor);
}

void TControl::ShowCursor(TCursor cursor)
{
    if (cursor == crDefault)
        client_->unsetCursor();
    else
        client_->setCursor(ToQtCursor(cursor));
}

void TControl::SetHint(std::string hint)
{
    hint_ = std::move(hint);
    RefreshTip();
}

void TControl::SetShowHint(bool showHint)
{
    showHint_ = showHint;
    RefreshTip();
}

void TControl::RefreshTip()
{
    if (tipOwner != this || !QToolTip::isVisible())
        return;
    if (showHint_ && !hint_.empty())
        QToolTip::showText(QCursor::pos(), ToQt(hint_), client_, {}, Application->HintHidePause());
    else
        QToolTip::hideText();
}

void TControl::BringToFront()
{
    widget_->raise();
}

void TControl::SetFocus()
{
    widget_->setFocus();
}

bool TControl::Focused() const
{
    return widget_->hasFocus();
}

void TControl::Invalidate()
{
    client_->update();
}

void TControl::Update()
{
    client_->repaint();
}

void TControl::Repaint()
{
    Update();
}

bool TControl::HandleEvent(QObject* watched, QEvent& event)
{
    if (watched == client_) {
        if (event.type() == QEvent::ToolTip)
            return HandleToolTip(event);
        HandleMouse(event, QPoint(0, 0), ClicksOnMouseUp());
        if (dragMode_ == dmAutomatic && event.type() == QEvent::MouseButtonPress)
            DragTracker::Instance().Press(*this, static_cast<QMouseEvent&>(event));
    }
    if (watched == widget_)
        return HandleKey(event);
    return false;
}

void TControl::HandleMouse(QEvent& event, const QPoint& offset, bool clicks)
{
    const auto type = event.type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease
        && type != QEvent::MouseButtonDblClick && type != QEvent::MouseMove)
        return;
    const auto& mouse = static_cast<QMouseEvent&>(event);
    const QPoint at = mouse.position().toPoint() + offset;
    const TShiftState shift = ShiftOf(mouse.modifiers(), mouse.buttons());
    switch (type) {
    case QEvent::MouseButtonPress:
        leftPressed_ = mouse.button() == Qt::LeftButton;
        break;
    case QEvent::MouseButtonDblClick:
        leftPressed_ = false;
        if (OnDblClick)
            OnDblClick();
        break;
    case QEvent::MouseButtonRelease: {
        const bool clicked =
            mouse.button() == Qt::LeftButton && leftPressed_ && clicks && client_->rect().contains(at);
        leftPressed_ = false;
        if (clicked && OnClick)
            OnClick();
        if (OnMouseUp)
            OnMouseUp(ButtonOf(mouse.button()), shift, at.x(), at.y());
        break;
    }
    default:
        if (OnMouseMove)
            OnMouseMove(shift, at.x(), at.y());
        break;
    }
}

bool TControl::HandleKey(QEvent& event)
{
    // Qt asks the focused widget first whether a key is its own before any short-cut runs.
    if (event.type() == QEvent::ShortcutOverride) {
        if (!ClaimsKey(static_cast<QKeyEvent&>(event)))
            return false;
        event.accept();
        return true;
    }
    if (event.type() == QEvent::FocusOut)
        pressedKeys_.clear();
    const bool down = event.type() == QEvent::KeyPress;
    if (!down && event.type() != QEvent::KeyRelease)
        return false;
    const auto& keyEvent = static_cast<QKeyEvent&>(event);
    if (down && std::find(pressedKeys_.begin(), pressedKeys_.end(), keyEvent.key()) == pressedKeys_.end())
        pressedKeys_.push_back(keyEvent.key());
    if (!down && !RaisesKeyUp(keyEvent))
        return false;
    auto& handler = down ? OnKeyDown : OnKeyUp;
    if (!handler)
        return false;
    TKey key = KeyOf(keyEvent.key());
    handler(key, ShiftOf(keyEvent));
    return key == 0;
}

// A handler that acts on a release must act once per press: not on the releases the
// desktop sends between repeats, nor on the release of a key whose press went elsewhere.
bool TControl::RaisesKeyUp(const QKeyEvent& key)
{
    if (key.isAutoRepeat())
        return false;
    const auto pressed = std::find(pressedKeys_.begin(), pressedKeys_.end(), key.key());
    if (pressed == pressedKeys_.end())
        return false;
    pressedKeys_.erase(pressed);
    return true;
}

bool TControl::ClaimsKey(const QKeyEvent& key) const
{
    const QKeySequence pressed(QKeyCombination(
        key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier), Qt::Key(key.key())));
    return TakesKey(key)
        || std::any_of(ownKeys_.begin(), ownKeys_.end(),
                       [&](TShortCut own) { return ToQKeySequence(own) == pressed; });
}

bool TControl::HandleToolTip(QEvent& event)
{
    if (showHint_ && hint_.empty())
        return false;
    if (!showHint_) {
        QToolTip::hideText();
        return true;
    }
    tipOwner = this;
    const auto& help = static_cast<QHelpEvent&>(event);
    QToolTip::showText(help.globalPos(), ToQt(hint_), client_, {}, Application->HintHidePause());
    return true;
}
