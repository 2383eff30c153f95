#include "tests/framework/FrameworkTest.h"

#include <QWindow>

namespace {

using FormStyles = FrameworkTest;

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
