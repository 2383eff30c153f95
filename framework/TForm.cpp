#include "framework/TForm.h"

#include "framework/FileDrops.h"
#include "framework/TApplication.h"
#include "framework/TMainMenu.h"
#include "framework/TestHooks.h"
#include "framework/TextConversion.h"
#include "framework/WindowOwner.h"
#include "framework/WorkerRegistry.h"

#include <QEvent>
#include <QEventLoop>
#include <QMenuBar>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

// What the window manager adds around the window, once it is known.
QSize FrameExtra(const QWidget& window)
{
    return window.frameGeometry().size() - window.geometry().size();
}

} // namespace

TForm::TForm()
    : TForm(new QWidget)
{
}

TForm::TForm(QWidget* window)
    : TControl(nullptr, window, new QWidget(window))
{
    LayoutClient();
    ClientResized();
}

void TForm::SetCaption(std::string caption)
{
    caption_ = std::move(caption);
    Widget()->setWindowTitle(ToQt(caption_));
}

void TForm::SetMinWidth(int width)
{
    minWidth_ = width;
    ApplySizeLimits();
}

void TForm::SetMinHeight(int height)
{
    minHeight_ = height;
    ApplySizeLimits();
}

void TForm::SetBorderStyle(TFormBorderStyle style)
{
    borderStyle_ = style;
    ApplyWindowFlags();
    ApplySizeLimits();
}

void TForm::SetFormStyle(TFormStyle style)
{
    formStyle_ = style;
    ApplyWindowFlags();
}

// Only a sizeable form is a main window to the window manager; the others are dialogs,
// which it never gives a minimise or maximise button.
void TForm::ApplyWindowFlags()
{
    const Qt::WindowFlags dialog =
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint;
    Qt::WindowFlags flags = Qt::Window;
    if (borderStyle_ == bsDialog)
        flags = dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    else if (borderStyle_ == bsNone)
        flags = dialog;
    if (formStyle_ == fsStayOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    Widget()->setWindowFlags(flags);
}

// A dialog keeps the size the program gives it; a sizeable form stays at least as large
// as its minimum.
void TForm::ApplySizeLimits()
{
    QWidget* window = Widget();
    if (borderStyle_ != bsSizeable) {
        window->setFixedSize(window->size());
        return;
    }
    const QSize extra = FrameExtra(*window);
    window->setMinimumSize(std::max(0, minWidth_ - extra.width()), std::max(0, minHeight_ - extra.height()));
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

bool TForm::Active() const
{
    return Widget()->isActiveWindow();
}

TRect TForm::Bounds() const
{
    const QRect frame = Widget()->frameGeometry();
    return TRect{frame.x(), frame.y(), frame.x() + frame.width(), frame.y() + frame.height()};
}

void TForm::ApplyBounds(const TRect& bounds)
{
    QWidget* window = Widget();
    const QSize extra = FrameExtra(*window);
    const QSize size(bounds.Width() - extra.width(), bounds.Height() - extra.height());
    window->move(bounds.Left, bounds.Top);
    if (borderStyle_ != bsSizeable)
        window->setFixedSize(size);
    else
        window->resize(size);
    LayoutClient();
}

void TForm::LayoutClient()
{
    const QRect area = Widget()->rect();
    int menuHeight = 0;
    if (menuBar_) {
        menuHeight = std::max(menuBar_->heightForWidth(area.width()), menuBar_->sizeHint().height());
        menuBar_->setGeometry(0, 0, area.width(), menuHeight);
    }
    ClientWidget()->setGeometry(area.adjusted(0, menuHeight, 0, 0));
}

void TForm::SetMenu(TMainMenu& menu)
{
    menuBar_ = menu.Bar();
    menuBar_->setParent(Widget());
    menuBar_->show();
    LayoutClient();
    ClientResized();
}

void TForm::Resized()
{
    if (OnResize)
        OnResize();
}

void TForm::SetEnabled(bool enabled)
{
    if (!enabled && Enabled())
        keptFocus_ = DropFocus();
    TControl::SetEnabled(enabled);
    if (!enabled || !keptFocus_)
        return;
    if (keptFocus_->isVisible() && keptFocus_->isEnabled())
        keptFocus_->setFocus(Qt::OtherFocusReason);
    keptFocus_ = nullptr;
}

void TForm::SetVisible(bool visible)
{
    QWidget* window = Widget();
    if (!visible) {
        if (modalLoop_ && modalResult_ == mrNone)
            SetModalResult(mrCancel);
        window->hide();
        return;
    }
    if (window->isVisible()) {
        window->raise();
    } else {
        if (OnShow)
            OnShow();
        OwnByOpener(*window);
        SetDialogTitleBar(*window, borderStyle_ == bsDialog || borderStyle_ == bsNone);
        PlaceOnShow();
        window->show();
    }
    window->activateWindow();
}

void TForm::PlaceOnShow()
{
    QWidget* window = Widget();
    const TForm* mainForm = Application ? Application->MainForm() : nullptr;
    QRect area;
    if (position_ == poMainFormCenter && mainForm && mainForm != this && mainForm->Visible())
        area = mainForm->Widget()->frameGeometry();
    else if (position_ != poDesigned && window->screen())
        area = window->screen()->availableGeometry();
    else
        return;
    const QSize size = window->frameGeometry().size();
    window->move(area.x() + (area.width() - size.width()) / 2,
                 area.y() + (area.height() - size.height()) / 2);
}

int TForm::ShowModal()
{
    OwnByOpener(*Widget());
    if (auto answer = Hooks().AnswerModal(*this))
        return modalResult_ = *answer;
    QWidget* window = Widget();
    window->hide();
    window->setWindowModality(Qt::ApplicationModal);
    modalResult_ = mrNone;
    Show();
    const int result = RunModalLoop();
    window->hide();
    window->setWindowModality(Qt::NonModal);
    return result;
}

int TForm::RunModalLoop()
{
    QEventLoop loop;
    modalLoop_ = &loop;
    for (;;) {
        if (modalResult_ == mrNone)
            loop.exec();
        // Only the application ending stops the loop without a result.
        if (modalResult_ == mrNone)
            modalResult_ = mrCancel;
        TCloseAction action = caHide;
        if (OnClose)
            OnClose(action);
        if (action != caNone || (Application && Application->Terminated()))
            break;
        modalResult_ = mrNone;
    }
    modalLoop_ = nullptr;
    return modalResult_;
}

void TForm::SetModalResult(int result)
{
    modalResult_ = result;
    if (result != mrNone && modalLoop_)
        modalLoop_->exit();
}

void TForm::Close()
{
    if (modalLoop_) {
        SetModalResult(mrCancel);
        return;
    }
    // A disabled form refuses to close, whoever asks: a worker may still be using it.
    if (!Enabled())
        return;
    const bool mainForm = Application && Application->MainForm() == this;
    WorkerRegistry& workers = WorkerRegistry::Instance();
    // No worker step runs while OnClose decides and saves what the model holds; a
    // refused close lets them go on, a close that goes ahead ends them.
    if (mainForm)
        workers.HoldSteps();
    TCloseAction action = caHide;
    if (OnClose)
        OnClose(action);
    if (action == caNone) {
        if (mainForm)
            workers.ResumeSteps();
        return;
    }
    if (mainForm) {
        workers.BeginClosing();
        Hide();
        Application->Terminate();
    } else if (action == caMinimize) {
        Widget()->showMinimized();
    } else if (action == caFree) {
        Release();
    } else {
        Hide();
    }
}

void TForm::Release()
{
    Hide();
    if (Application)
        Application->Release(*this);
}

void TForm::SetAcceptFiles(bool accept)
{
    FileDrops::Watch();
    Widget()->setAcceptDrops(accept);
}

bool TForm::HandleEvent(QObject* watched, QEvent& event)
{
    if (watched == Widget()) {
        switch (event.type()) {
        case QEvent::Close:
            // The close box: refused while the form is disabled, and always by a form
            // without title-bar buttons.
            event.ignore();
            if (borderStyle_ != bsNone)
                Close();
            return true;
        case QEvent::WindowActivate:
            if (OnActivate)
                OnActivate();
            break;
        case QEvent::Resize:
            LayoutClient();
            ClientResized();
            break;
        default:
            break;
        }
    }
    return TControl::HandleEvent(watched, event);
}
