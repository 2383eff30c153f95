#include "tests/framework/FrameworkTest.h"

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

} // namespace
