#include "tests/framework/FrameworkTest.h"

#include <QWindow>

namespace {

using FormStyles = FrameworkTest;

// A form without title-bar buttons leaves only when the program hides it.
TEST_F(FormStyles, IgnoreTheCloseBoxAndKeepTheSizeWithoutTitleBarButtons)
{
    TForm form;
    form.SetBounds(0, 0, 400, 150);
    form.SetBorderStyle(bsNone);
    int asked = 0;
    form.OnClose = [&](TCloseAction&) { ++asked; };
    form.Show();
    form.Widget()->close();
    form.Widget()->resize(100, 400);
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(form.Widget()->size(), QSize(400, 150));
    EXPECT_FALSE(form.Widget()->windowFlags().testAnyFlags(Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint
                                                             | Qt::WindowMaximizeButtonHint));
    form.Hide();
    EXPECT_FALSE(form.Visible());
}

QWindow* Owner(const QWidget* window)
{
    return window->windowHandle()->transientParent();
}

// The window manager keeps a window above its owner: each dialog is owned by the window it
// was opened from (the main form when none is active), so a message raised by a dialog
// stands above that dialog. The main form has no owner.
TEST_F(FormStyles, ADialogIsOwnedByTheWindowItWasOpenedFrom)
{
    TForm* main = nullptr;
    TForm* dialog = nullptr;
    Application->CreateForm(main);
    Application->CreateForm(dialog);
    main->Show();
    QApplication::setActiveWindow(main->Widget());
    dialog->Show();
    EXPECT_EQ(Owner(main->Widget()), nullptr);
    EXPECT_EQ(Owner(dialog->Widget()), main->Widget()->windowHandle());
    QApplication::setActiveWindow(dialog->Widget());
    std::vector<QWindow*> messageOwners;
    Testing::SetModalHook([&](TForm& shown) {
        messageOwners.push_back(Owner(shown.Widget()));
        return mrOk;
    });
    TForm().ShowModal();
    QTimer::singleShot(0, [&] {
        ASSERT_TRUE(WaitUntil([] { return QApplication::activeModalWidget(); }));
        messageOwners.push_back(Owner(QApplication::activeModalWidget()));
        QApplication::activeModalWidget()->close();
    });
    Application->MessageBox("Please select a path");
    EXPECT_EQ(messageOwners, std::vector<QWindow*>(2, dialog->Widget()->windowHandle()));
    dialog->Hide();
    QApplication::setActiveWindow(nullptr);
    dialog->Show();
    EXPECT_EQ(Owner(dialog->Widget()), main->Widget()->windowHandle());
}

} // namespace
