#include "tests/framework/FrameworkTest.h"

#include "framework/TAction.h"
#include "framework/TActionList.h"
#include "framework/TMainMenu.h"
#include "framework/TPopupMenu.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>

namespace {

constexpr TKey VK_F10 = VK_F1 + 9;

// One action of a shown form; it runs while `allowed` holds, and counts its runs.
class Actions : public OnAForm {
protected:
    Actions()
    {
        action.SetCaption("&Show Search Box");
        action.SetShortCut(VK_F10);
        action.OnUpdate = [this] {
            action.SetEnabled(allowed);
            action.SetChecked(runs % 2 == 1);
        };
        action.OnExecute = [this] { ++runs; };
        QApplication::setActiveWindow(form.Widget());
    }

    void Press(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(widget, key, modifiers);
    }

    TActionList& list = Make<TActionList>(form, form);
    TAction& action = list.Add();
    bool allowed = true;
    int runs = 0;
};

TEST_F(Actions, AShortCutRunsOnlyOnceTheIdleUpdateHasEnabledTheAction)
{
    Press(form.Widget(), Qt::Key_F10);
    EXPECT_EQ(runs, 0);
    Testing::ProcessIdle();
    Press(form.Widget(), Qt::Key_F10);
    EXPECT_EQ(runs, 1);
}

TEST_F(Actions, TheUpdateRunsOnceMoreRightBeforeTheActionExecutes)
{
    Testing::ProcessIdle();
    allowed = false;
    Press(form.Widget(), Qt::Key_F10);
    EXPECT_EQ(runs, 0);
    EXPECT_FALSE(action.Enabled());
}

TEST_F(Actions, ADisabledFormTakesNoShortCut)
{
    Testing::ProcessIdle();
    form.SetEnabled(false);
    Press(form.Widget(), Qt::Key_F10);
    EXPECT_EQ(runs, 0);
}

// A focused edit box keeps the keys that edit its text; other keys still reach the action.
TEST_F(Actions, AShortCutNeverTakesAKeyThatAFocusedEditNeeds)
{
    TEdit& edit = Make<TEdit>(form);
    TComboBox& combo = Make<TComboBox>(form);
    combo.SetTop(40);
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        TShortCut shortCut;
        bool edits;
    };
    const std::vector<Case> cases{
        {Qt::Key_Delete, {}, VK_DELETE, true},         {Qt::Key_C, Qt::ControlModifier, scCtrl + 'C', true},
        {Qt::Key_V, Qt::ControlModifier, scCtrl + 'V', true}, {Qt::Key_X, Qt::ControlModifier, scCtrl + 'X', true},
        {Qt::Key_A, Qt::ControlModifier, scCtrl + 'A', true}, {Qt::Key_Z, Qt::ControlModifier, scCtrl + 'Z', true},
        {Qt::Key_H, Qt::ControlModifier, scCtrl + 'H', false}, {Qt::Key_F10, {}, VK_F10, false},
    };
    Testing::ProcessIdle();
    for (TControl* box : std::initializer_list<TControl*>{&edit, &combo}) {
        box->SetFocus();
        for (const Case& key : cases) {
            action.SetShortCut(key.shortCut);
            runs = 0;
            Press(QApplication::focusWidget(), key.key, key.modifiers);
            EXPECT_EQ(runs, key.edits ? 0 : 1) << key.shortCut;
        }
    }
    edit.SetText("abc");
    edit.SetFocus();
    QTest::keyClick(edit.Widget(), Qt::Key_Home);
    action.SetShortCut(VK_DELETE);
    Press(edit.Widget(), Qt::Key_Delete);
    EXPECT_EQ(edit.Text(), "bc");
}

TEST_F(Actions, AMenuItemFollowsItsActionAndTheClientAreaLiesBelowTheMenuBar)
{
    TPanel& top = Make<TPanel>(form);
    TMainMenu& menu = Make<TMainMenu>(form);
    QAction* item = menu.Items().Add("&View").Add(action).QtAction();
    const int windowHeight = form.Widget()->height();
    form.SetMenu(menu);
    const int barHeight = menu.Bar()->height();
    ASSERT_GT(barHeight, 0);
    EXPECT_EQ(form.ClientHeight(), windowHeight - barHeight);
    EXPECT_EQ(top.Widget()->mapTo(form.Widget(), QPoint(0, 0)), QPoint(0, barHeight));

    allowed = false;
    Testing::ProcessIdle();
    item->trigger();
    EXPECT_FALSE(item->isEnabled());
    allowed = true;
    Testing::ProcessIdle();
    item->trigger();
    Testing::ProcessIdle();
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(item->isEnabled() && item->isChecked());
    EXPECT_EQ(item->text(), "&Show Search Box");
}

TEST_F(Actions, APopupOpensOnTheContextMenuRequestOfItsControl)
{
    TPanel& panel = Make<TPanel>(form);
    TPopupMenu& popup = Make<TPopupMenu>(form);
    popup.Items().Add(action);
    popup.Items().Add("-");
    popup.AttachTo(panel);
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5), panel.Widget()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(panel.Widget(), &request);
    ASSERT_EQ(QApplication::activePopupWidget(), popup.Menu());
    EXPECT_EQ(popup.Menu()->actions().size(), 2);
    EXPECT_EQ(popup.Menu()->actions()[0]->text(), "&Show Search Box");
    EXPECT_TRUE(popup.Menu()->actions()[1]->isSeparator());
    popup.Menu()->close();
}

} // namespace
