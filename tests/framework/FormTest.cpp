#include "tests/framework/FrameworkTest.h"

#include <QDropEvent>
#include <QMimeData>
#include <QScreen>
#include <QUrl>
#include <QWindow>

#include <tuple>

namespace {

class Dialog : public TForm {
public:
    Dialog() { ok.OnClick = [this] { SetModalResult(mrOk); }; }
    TButton& ok = Make<TButton>(*this);
};

using Forms = FrameworkTest;

TEST_F(Forms, EndAModalRunWithTheResultAHandlerSetsOrCancelForTheCloseBoxUnlessOnCloseRefuses)
{
    Dialog dialog;
    QTimer::singleShot(0, [&] { QTest::mouseClick(dialog.ok.Widget(), Qt::LeftButton); });
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    QTimer::singleShot(0, [&] { dialog.Widget()->close(); });
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    // An OnClose that refuses keeps the run going: the close box, then OK.
    dialog.OnClose = [&](TCloseAction& action) { action = dialog.ModalResult() == mrCancel ? caNone : caHide; };
    QTimer::singleShot(0, [&] {
        dialog.Widget()->close();
        QTimer::singleShot(0, [&] { QTest::mouseClick(dialog.ok.Widget(), Qt::LeftButton); });
    });
    EXPECT_EQ(dialog.ShowModal(), mrOk);
}

// The main form centres on the screen and a dialog on the main form. Disabled, the main
// form refuses to close, while its dialogs, windows of their own, work on.
TEST_F(Forms, CentreAndRefuseToCloseWhileDisabledLeavingTheirDialogsUsable)
{
    TForm* main = nullptr;
    Dialog* dialog = nullptr;
    Application->CreateForm(main);
    Application->CreateForm(dialog);
    std::vector<std::string> events;
    main->OnClose = [&](TCloseAction&) { events.push_back("close"); };
    dialog->ok.OnClick = [&] { events.push_back("click"); };
    main->SetBounds(0, 0, 400, 300);
    main->SetPosition(poScreenCenter);
    main->Show();
    dialog->SetBounds(0, 0, 100, 50);
    dialog->SetPosition(poMainFormCenter);
    dialog->Show();
    // Placed before the window manager's frame is known: a few pixels off at most.
    const QPoint centre = main->Widget()->frameGeometry().center();
    EXPECT_LE((centre - main->Widget()->screen()->availableGeometry().center()).manhattanLength(), 8);
    EXPECT_LE((dialog->Widget()->frameGeometry().center() - centre).manhattanLength(), 8);
    main->SetEnabled(false);
    main->Widget()->close();
    main->Close();
    QTest::mouseClick(dialog->ok.Widget(), Qt::LeftButton);
    main->SetEnabled(true);
    main->Widget()->close();
    EXPECT_EQ(events, (std::vector<std::string>{"click", "close"}));
}

// The program sizes every form; only a sizeable border lets the user change the size,
// never below the minimum. A form without title-bar buttons leaves only when the program
// hides it.
TEST_F(Forms, TheBorderDecidesWhetherTheUserMayResizeOrCloseTheForm)
{
    // The window manager gives a dialog no minimise or maximise button, whatever it is asked.
    const std::tuple<TFormBorderStyle, QSize, bool, Qt::WindowType> cases[] = {
        {bsSizeable, QSize(200, 400), true, Qt::Window},
        {bsDialog, QSize(458, 191), false, Qt::Dialog},
        {bsNone, QSize(458, 191), false, Qt::Dialog},
    };
    for (const auto& [style, afterUserResize, minimiseAndMaximise, type] : cases) {
        TForm form;
        form.SetBounds(0, 0, 458, 191);
        form.SetBorderStyle(style);
        form.SetMinWidth(200);
        form.SetMinHeight(150);
        int asked = 0;
        form.OnClose = [&](TCloseAction&) { ++asked; };
        form.Show();
        form.Widget()->resize(100, 400);
        EXPECT_EQ(form.Widget()->size(), afterUserResize) << style;
        EXPECT_EQ(form.Widget()->windowFlags().testFlags(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint),
                  minimiseAndMaximise) << style;
        EXPECT_EQ(form.Widget()->windowType(), type) << style;
        // Some window managers go by the type alone: a toolbar's has neither button.
        EXPECT_EQ(form.Widget()->testAttribute(Qt::WA_X11NetWmWindowTypeToolBar), !minimiseAndMaximise) << style;
        form.SetBounds(0, 0, 317, 143);
        EXPECT_EQ(form.Width(), 317) << style;
        const bool closeBox = style != bsNone;
        EXPECT_TRUE(closeBox || !form.Widget()->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        form.Widget()->close();
        EXPECT_EQ(asked, closeBox ? 1 : 0) << style;
        EXPECT_EQ(form.Visible(), !closeBox) << style;
    }
}

using FileDrops = OnAForm;

// The desktop hands the drag to the window, which passes it to the widget under the pointer.
void DropOnWindow(QWidget* over, const QMimeData& data)
{
    QWindow* window = over->window()->windowHandle();
    const QPointF at = window->mapFromGlobal(over->mapToGlobal(over->rect().center()));
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(window, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(window, &drop);
}

// Web addresses are passed over; a form that does not accept files hears of none.
TEST_F(FileDrops, ReachTheFormOverAnyControlWithTheNamesBytesWhole)
{
    form.SetAcceptFiles(true);
    std::vector<std::vector<std::string>> drops;
    form.OnFilesDropped = [&](const std::vector<std::string>& files) { drops.push_back(files); };
    const std::string longName = "/music/" + std::string(600, 'a') + ".mp3";
    QMimeData data;
    data.setUrls({QUrl::fromEncoded("file:///music/%E9t%E9.mp3"), QUrl("https://example.org/x"),
                  QUrl::fromLocalFile(QString::fromUtf8("/music/é.mp3")), QUrl::fromLocalFile(QString::fromStdString(longName))});
    data.setText("/music/\xE9t\xE9.mp3");
    auto& edit = Make<TEdit>(form);
    // Qt's own line edit takes dropped names as text.
    edit.Widget()->setAcceptDrops(true);
    auto& view = Make<TListView>(form);
    view.Columns().Add().SetWidth(100);
    view.Items().SetCount(3);
    auto& box = Make<TListBox>(form);
    box.Items().Add("a");
    auto& combo = Make<TComboBox>(form);
    auto& panel = Make<TPanel>(form);
    int left = 0;
    for (TControl* control : std::initializer_list<TControl*>{&edit, &view, &box, &combo, &panel}) {
        control->SetBounds(left, 10, 70, 60);
        left += 75;
    }
    QWidget* targets[] = {edit.Widget(), view.ClientWidget(), box.ClientWidget(), combo.Widget(), panel.Widget()};
    for (QWidget* target : targets)
        DropOnWindow(target, data);
    form.SetAcceptFiles(false);
    DropOnWindow(panel.Widget(), data);
    const std::vector<std::string> files{"/music/\xE9t\xE9.mp3", "/music/\xC3\xA9.mp3", longName};
    EXPECT_EQ(drops, std::vector<std::vector<std::string>>(std::size(targets), files));
    EXPECT_EQ(edit.Text(), "");
}

} // namespace
