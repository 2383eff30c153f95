#include "tests/framework/FrameworkTest.h"

#include "framework/TAction.h"
#include "framework/TActionList.h"
#include "framework/TMainMenu.h"
#include "framework/QtInput.h"
#include "framework/TPopupMenu.h"

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

namespace {

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

    TActionList& list = Make<TActionList>(form, form);
    TAction& action = list.Add();
    bool allowed = true;
    int runs = 0;
};

// A short-cut runs only once the idle update has enabled the action, only when the update
// run once more right before it still enables it, and never on a disabled form.
TEST_F(Actions, AShortCutRunsOnlyWhenTheUpdateRightBeforeItAllowsIt)
{
    QTest::keyClick(form.Widget(), Qt::Key_F10);
    EXPECT_EQ(runs, 0) << "before the idle update";
    for (const auto& [allow, formEnabled, ran] : {std::tuple{false, true, 0}, {true, false, 0}, {true, true, 1}}) {
        allowed = true;
        form.SetEnabled(true);
        Testing::ProcessIdle();
        allowed = allow;
        form.SetEnabled(formEnabled);
        QTest::keyClick(form.Widget(), Qt::Key_F10);
        EXPECT_EQ(runs, ran) << allow << formEnabled;
    }
}

// A key, the text it leaves from "hello world" typed, "world" selected and "CLIP" on the
// clipboard, and whether the box keeps it from the form's action of that short-cut.
struct KeyCase {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
    bool claimed = true;
};

constexpr Qt::KeyboardModifiers None = Qt::NoModifier;
constexpr Qt::KeyboardModifiers Shift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers Ctrl = Qt::ControlModifier;
constexpr const char* Same = "hello world";

const std::vector<KeyCase> keyCases{
    {Qt::Key_Delete, None, "hello "}, {Qt::Key_Backspace, None, "hello "}, {Qt::Key_Delete, Ctrl, "hello "},
    {Qt::Key_Delete, Shift, "hello "}, {Qt::Key_X, Ctrl, "hello "}, {Qt::Key_V, Ctrl, "hello CLIP"},
    {Qt::Key_Insert, Shift, "hello CLIP"}, {Qt::Key_Z, Ctrl, ""}, {Qt::Key_A, None, "hello a"},
    {Qt::Key_Space, None, "hello  "}, {Qt::Key_C, Ctrl, Same}, {Qt::Key_Insert, Ctrl, Same},
    // Qt deletes no selection by a word.
    {Qt::Key_Backspace, Ctrl, Same}, {Qt::Key_A, Ctrl, Same}, {Qt::Key_Z, Ctrl | Shift, Same},
    {Qt::Key_Y, Ctrl, Same}, {Qt::Key_Home, None, Same}, {Qt::Key_End, Shift, Same},
    {Qt::Key_Left, Ctrl, Same}, {Qt::Key_Right, Ctrl | Shift, Same}, {Qt::Key_Up, None, Same},
    {Qt::Key_Down, Shift, Same}, {Qt::Key_Up, Ctrl, Same}, {Qt::Key_F5, None, Same, false},
    {Qt::Key_N, Ctrl, Same, false}, {Qt::Key_R, Ctrl, Same, false}, {Qt::Key_F, Ctrl, Same, false},
    {Qt::Key_Z, Ctrl | Qt::AltModifier, Same, false},
};

TShortCut ShortCutOf(const KeyCase& key)
{
    const auto flag = [&](Qt::KeyboardModifier modifier, TShortCut value) {
        return key.modifiers & modifier ? value : 0;
    };
    return KeyOf(key.key) + flag(Qt::ShiftModifier, scShift) + flag(Qt::ControlModifier, scCtrl)
        + flag(Qt::AltModifier, scAlt);
}

// Also the text of an editable combo box.
TEST_F(Actions, AShortCutNeverTakesAKeyThatAFocusedEditBoxUses)
{
    TEdit& edit = Make<TEdit>(form);
    TComboBox& combo = Make<TComboBox>(form);
    combo.SetTop(40);
    Testing::ProcessIdle();
    for (TControl* box : std::initializer_list<TControl*>{&edit, &combo}) {
        QLineEdit* editor = box == &edit ? static_cast<QLineEdit*>(edit.Widget())
                                         : static_cast<QComboBox*>(combo.Widget())->lineEdit();
        for (const KeyCase& key : keyCases) {
            editor->clear();
            box->SetFocus();
            Type(QApplication::focusWidget(), "hello world");
            editor->setSelection(6, 5);
            QApplication::clipboard()->setText("CLIP");
            action.SetShortCut(ShortCutOf(key));
            runs = 0;
            QTest::keyClick(QApplication::focusWidget(), key.key, key.modifiers);
            EXPECT_EQ(editor->text().toStdString(), key.text) << ShortCutOf(key);
            EXPECT_EQ(runs, key.claimed ? 0 : 1) << ShortCutOf(key);
        }
    }
}

// The window keeps Delete in a list pane for the pane's own handlers.
TEST_F(Actions, AControlsOwnKeysReachOnlyItsKeyEvents)
{
    TListBox& owner = Make<TListBox>(form);
    TListBox& other = Make<TListBox>(form);
    owner.SetOwnKeys({VK_DELETE});
    std::vector<std::string> keys;
    owner.OnKeyDown = [&](TKey& key, TShiftState) { keys.push_back("down " + std::to_string(key)); };
    owner.OnKeyUp = [&](TKey& key, TShiftState) { keys.push_back("up " + std::to_string(key)); };
    action.SetShortCut(VK_DELETE);
    Testing::ProcessIdle();
    owner.SetFocus();
    QTest::keyClick(owner.Widget(), Qt::Key_Delete);
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(keys, (std::vector<std::string>{"down 46", "up 46"}));
    other.SetFocus();
    QTest::keyClick(other.Widget(), Qt::Key_Delete);
    EXPECT_EQ(runs, 1);
    action.SetShortCut(scShift + VK_DELETE);
    owner.SetFocus();
    QTest::keyClick(owner.Widget(), Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(runs, 2) << "only the key itself is the control's";
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

// Opening it is the right click's; here, what it holds.
TEST_F(Actions, APopupItemFollowsItsActionAndASeparatorHasNoText)
{
    TPopupMenu& popup = Make<TPopupMenu>(form);
    popup.Items().Add(action);
    popup.Items().Add("-");
    const QList<QAction*> items = popup.Menu()->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0]->text(), "&Show Search Box");
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(items[1]->text(), "") << "the style would draw it beside the line";
}

} // namespace
