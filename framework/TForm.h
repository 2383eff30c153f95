#pragma once

#include "framework/BorderStyle.h"
#include "framework/TControl.h"

#include <QPointer>

#include <functional>
#include <string>
#include <vector>

class QEventLoop;
class TMainMenu;

enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TPosition { poDesigned, poScreenCenter, poMainFormCenter };
// A form that stays on top stays above every other window, also when another is active.
enum TFormStyle { fsNormal, fsStayOnTop };

inline constexpr int mrNone = 0;
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;

// A top-level window. Dialogs are windows of their own, never children of the main
// window, so disabling the main window leaves them usable; each is owned by the window
// that opened it and stays above it (see OwnByOpener). A disabled form takes no input
// and refuses to close.
class TForm : public TControl {
public:
    TForm();

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    TPosition Position() const { return position_; }
    // Where the form goes each time it is shown.
    void SetPosition(TPosition position) { position_ = position; }
    void SetMinWidth(int width);
    void SetMinHeight(int height);
    // Set before the form is first shown: Qt hides a window whose border changes.
    void SetBorderStyle(TFormBorderStyle style);
    // Set before the form is first shown, like the border.
    void SetFormStyle(TFormStyle style);
    bool Active() const;

    // Showing raises OnShow first, places the form by its Position and activates it.
    void SetVisible(bool visible) override;
    // Shows the form and handles events until it closes; returns its modal result:
    // a handler that sets one ends it, the close box gives mrCancel.
    int ShowModal();
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result);
    // Asks OnClose; closing the main form ends the application.
    void Close();
    // Frees a form the application made once the current event is handled.
    void Release();

    // The menu bar at the top of the window; the client area is what lies below it.
    void SetMenu(TMainMenu& menu);

    // Files dropped from the desktop anywhere on the form reach OnFilesDropped.
    void SetAcceptFiles(bool accept);

    // Each time the form becomes the active window.
    std::function<void()> OnActivate;
    std::function<void(TCloseAction& action)> OnClose;
    std::function<void()> OnResize;
    std::function<void()> OnShow;
    std::function<void(const std::vector<std::string>& files)> OnFilesDropped;

protected:
    bool HandleEvent(QObject* watched, QEvent& event) override;
    TRect Bounds() const override;
    void ApplyBounds(const TRect& bounds) override;
    void Resized() override;

private:
    explicit TForm(QWidget* window);

    void LayoutClient();
    void ApplySizeLimits();
    void ApplyWindowFlags();
    void PlaceOnShow();
    int RunModalLoop();

    std::string caption_;
    TPosition position_ = poDesigned;
    TFormBorderStyle borderStyle_ = bsSizeable;
    TFormStyle formStyle_ = fsNormal;
    int minWidth_ = 0;
    int minHeight_ = 0;
    int modalResult_ = mrNone;
    QEventLoop* modalLoop_ = nullptr;
    QPointer<QWidget> menuBar_;
};
