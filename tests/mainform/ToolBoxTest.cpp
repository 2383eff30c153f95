#include "tests/mainform/AppFormFixture.h"

#include "dialogs/opensourcedialog.h"
#include "mainform/WindowColors.h"

#include <QTest>

namespace {

// The window loaded with no options file: the beginner help shown and running at step 1.
using ToolBox = ListFormFixture;

// A 71-pixel panel slides in 9 ticks of 8 pixels to or from below the client area, the
// song view giving or taking the same; between the search box and the help it swaps at
// once. The command of the shown state hides the tool box.
TEST_F(ToolBox, TheViewKeysSlideOrSwapTheToolBoxAndCheckTheirCommands)
{
    struct Step { Qt::Key key; Qt::KeyboardModifiers modifiers; int ticks; TControl* front; bool helpRuns, searchChecked, helpChecked; };
    TAppForm& form = Form();
    const std::vector<Step> steps{
        {Qt::Key_H, Qt::ControlModifier, 9, nullptr, false, false, false},
        {Qt::Key_F10, {}, 9, form.SearchGroupBox, false, true, false},
        {Qt::Key_F9, {}, 1, form.QuickHelpPanel, true, false, true},
        {Qt::Key_F10, {}, 1, form.SearchGroupBox, false, true, false},
        {Qt::Key_F10, {}, 9, nullptr, false, false, false},
        {Qt::Key_F9, {}, 9, form.QuickHelpPanel, true, false, true},
        {Qt::Key_F9, {}, 9, nullptr, false, false, false},
    };
    EXPECT_TRUE(form.ShowQuickHelpAction->Checked());
    for (const Step& step : steps) {
        const int clientHeight = form.ClientHeight();
        const int viewTop = form.mp3ViewPanel->Top();
        const int viewHeight = form.mp3ViewPanel->Height();
        TControl& moving = step.front ? *step.front : *form.QuickHelpPanel;
        const int movingTop = moving.Top();
        QTest::keyClick(form.Widget(), step.key, step.modifiers);
        Testing::ProcessIdle();
        int ticks = 0;
        for (; form.ToolBoxAnimate->Enabled() && ticks < 100; ++ticks) {
            Testing::FireTimer(*form.ToolBoxAnimate);
            if (const int down = step.front ? -8 : 8; ticks == 0 && step.ticks > 1) {
                EXPECT_EQ(form.mp3ViewPanel->Height(), viewHeight + down) << step.key;
                EXPECT_EQ(moving.Top(), movingTop + down);
            }
        }
        EXPECT_EQ(ticks, step.ticks) << step.key;
        const int top = step.front ? clientHeight - 71 : clientHeight;
        EXPECT_EQ(form.SearchGroupBox->Top(), top);
        EXPECT_EQ(form.QuickHelpPanel->Top(), top);
        EXPECT_EQ(form.mp3ViewPanel->Height(), top - viewTop - (step.front ? 2 : 0));
        TControl* const behind = step.front == form.SearchGroupBox ? static_cast<TControl*>(form.QuickHelpPanel)
                                                                   : form.SearchGroupBox;
        EXPECT_TRUE(!step.front || InFrontOf(*step.front, *behind));
        EXPECT_EQ(form.HelpRunning, step.helpRuns);
        Testing::ProcessIdle();
        EXPECT_EQ(form.ShowSearchBoxAction->Checked(), step.searchChecked);
        EXPECT_EQ(form.ShowQuickHelpAction->Checked(), step.helpChecked);
        EXPECT_EQ(form.HideAllAction->Enabled(), step.front != nullptr);
    }
}

// The current step's panel stays highlighted while its label blinks; once all steps are
// done every panel is silver, every label black and the blink has stopped.
TEST_F(ToolBox, TheCurrentStepBlinksUntilAllStepsAreDone)
{
    TAppForm& form = Form();
    const std::array<TPanel*, 4> panels{form.StepOnePanel, form.StepTwoPanel, form.StepThreePanel, form.StepFourPanel};
    const std::array<TLabel*, 4> labels{form.HelpStep1, form.HelpStep2, form.HelpStep3, form.HelpStep4};
    for (const auto& [step, labelRed] : std::vector<std::pair<int, bool>>{{1, true}, {1, false}, {5, false}}) {
        if (step == 5)
            form.AdvanceHelpStep(4);
        Testing::FireTimer(*form.HelpTimer);
        for (int i = 0; i < 4; ++i) {
            const bool current = i + 1 == step;
            EXPECT_EQ(panels[i]->Color(), current ? HelpStepHighlightColor : clSilver) << step << i;
            EXPECT_EQ(labels[i]->Font().Color(), current && labelRed ? clRed : clBlack) << step << i;
        }
    }
    EXPECT_FALSE(form.HelpTimer->Enabled());
}

// The help moves forward by the command that ran, never backwards; adding songs to a play
// list moves it only from step 3. The step panels set the step themselves.
TEST_F(ToolBox, TheStepCommandsMoveTheHelpOnlyForwards)
{
    TAppForm& form = Form();
    Application->CreateForm(OpenSourceDlg);
    struct Case { int from; std::function<void()> command; int to; };
    const auto click = [](TControl* control) {
        return [control] { QTest::mouseClick(control->ClientWidget(), Qt::LeftButton, {}, QPoint(2, 2)); };
    };
    const std::vector<Case> cases{
        {1, [&] { Testing::QueueAnswer(mrCancel); click(form.Image2)(); }, 2},
        {1, [&] { form.AdvanceHelpStep(3); }, 1},
        {1, click(form.Image3), 3},
        {3, [&] { form.AdvanceHelpStep(3); }, 4},
        {2, click(form.Image4), 5},
        {4, [&] { form.Image3Click(); }, 4},
        {1, click(form.StepThreePanel), 3},
        {4, click(form.HelpStep2), 2},
    };
    for (const Case& move : cases) {
        form.HelpStep = move.from;
        move.command();
        EXPECT_EQ(form.HelpStep, move.to) << move.from << " to " << move.to;
    }
    form.StopBeginnerHelp();
    click(form.HelpStep1)();
    EXPECT_TRUE(form.HelpRunning && form.HelpTimer->Enabled() && form.HelpStep == 1);
}

// The bubble points at the new source after the Find picture, and at the play lists once
// step 4 is reached while there is one; it grows to show the whole of a longer text, and
// shrinks back for a short one.
TEST_F(ToolBox, TheBubblePointsWhereTheNextStepIs)
{
    TAppForm& form = Form();
    Application->CreateForm(OpenSourceDlg);
    Testing::QueueAnswer(mrCancel);
    form.Image2Click();
    EXPECT_TRUE(form.HelpArrow->Visible());
    EXPECT_EQ(form.HelpArrow->Top(), 56);
    AddPlayList(ListOf("Rock", {}));
    form.HelpStep = 3;
    form.AdvanceHelpStep(3);
    EXPECT_EQ(form.HelpArrow->Top(), 368);
    EXPECT_EQ(form.HelpArrowMessage->Caption(), "To Play a play list click on a play list that you want to play here "
                                                "and click on the purple \"Play Highlighted List\" button.");
    const TStaticText& text = *form.HelpArrowMessage;
    EXPECT_GE(text.Height(), text.Widget()->heightForWidth(text.Width()));
    EXPECT_LE(text.Top() + text.Height(), form.HelpArrow->ClientHeight());
    form.StepThreePanelClick();
    EXPECT_EQ(form.HelpArrow->Height(), 57);
}

} // namespace
