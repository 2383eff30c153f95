#include "tests/mainform/AppFormFixture.h"

#include <QTest>
#include <QWidget>

namespace {

using ToolBoxLayout = AppFormFixture;

// True when `front` is drawn over `behind`, both children of one widget.
bool InFrontOf(const TControl& front, const TControl& behind)
{
    const QObjectList& siblings = front.Widget()->parentWidget()->children();
    return siblings.indexOf(front.Widget()) > siblings.indexOf(behind.Widget());
}

void SetClientHeight(TAppForm& form, int height)
{
    form.SetMinHeight(0);
    form.SetClientHeight(height);
    ASSERT_EQ(form.ClientHeight(), height);
}

TEST_F(ToolBoxLayout, SplitsThePanesByTheRatioTruncatingTowardZero)
{
    SetClientHeight(Form(), 544);
    Form().LayoutViewPanel();
    EXPECT_EQ(Form().SourcePanel->Top(), 1);
    EXPECT_EQ(Form().SourcePanel->Height(), 242);
    EXPECT_EQ(Form().PlayListPanel->Top(), 245);
    EXPECT_EQ(Form().PlayListPanel->Height(), 299);
}

TEST_F(ToolBoxLayout, AResizeLaysThePanesOutAgain)
{
    SetClientHeight(Form(), 700);
    EXPECT_EQ(Form().PlayListPanel->Top(), 316);
    EXPECT_EQ(Form().SourcePanel->Height(), 313);
    EXPECT_EQ(Form().PlayListPanel->Height(), 384);
}

TEST_F(ToolBoxLayout, AResizeShowsTheHelpPanelOnlyWhileTheHelpRuns)
{
    Form().HelpRunning = false;
    SetClientHeight(Form(), 610);
    EXPECT_FALSE(Form().QuickHelpPanel->Visible());
    Form().HelpRunning = true;
    SetClientHeight(Form(), 620);
    EXPECT_TRUE(Form().QuickHelpPanel->Visible());
}

TEST_F(ToolBoxLayout, TheSearchBoxStandsInFrontAtTheBottomAndStopsTheHelp)
{
    Form().StartBeginnerHelp();
    Form().ToolBoxState = 0;
    Form().LayoutToolBox();
    const int top = Form().ClientHeight() - 71;
    EXPECT_EQ(Form().SearchGroupBox->Top(), top);
    EXPECT_EQ(Form().QuickHelpPanel->Top(), top);
    EXPECT_EQ(Form().mp3ViewPanel->Height(), top - 1 - 2);
    EXPECT_TRUE(Form().SearchGroupBox->Visible() && Form().QuickHelpPanel->Visible());
    EXPECT_TRUE(InFrontOf(*Form().SearchGroupBox, *Form().QuickHelpPanel));
    EXPECT_FALSE(Form().HelpRunning);
    EXPECT_FALSE(Form().HelpTimer->Enabled());
}

TEST_F(ToolBoxLayout, TheBeginnerHelpStandsInFrontAndStartsAtStepOne)
{
    Form().HelpStep = 3;
    Form().HelpBlinkOn = false;
    Form().ToolBoxState = 1;
    Form().LayoutToolBox();
    const int top = Form().ClientHeight() - 71;
    EXPECT_EQ(Form().QuickHelpPanel->Top(), top);
    EXPECT_EQ(Form().SearchGroupBox->Top(), top);
    EXPECT_EQ(Form().mp3ViewPanel->Height(), top - 1 - 2);
    EXPECT_TRUE(InFrontOf(*Form().QuickHelpPanel, *Form().SearchGroupBox));
    EXPECT_TRUE(Form().HelpRunning);
    EXPECT_EQ(Form().HelpStep, 1);
    EXPECT_TRUE(Form().HelpBlinkOn);
    EXPECT_TRUE(Form().HelpTimer->Enabled());
}

TEST_F(ToolBoxLayout, HiddenPutsBothPanelsBelowTheClientAreaAndGivesTheViewTheRoom)
{
    Form().StartBeginnerHelp();
    Form().ToolBoxState = 2;
    Form().LayoutToolBox();
    const int clientHeight = Form().ClientHeight();
    EXPECT_EQ(Form().QuickHelpPanel->Top(), clientHeight);
    EXPECT_EQ(Form().SearchGroupBox->Top(), clientHeight);
    EXPECT_EQ(Form().mp3ViewPanel->Height(), clientHeight - 1);
    EXPECT_FALSE(Form().HelpRunning);
}

TEST_F(ToolBoxLayout, AnUnknownStateMovesNothingAndLeavesTheHelpAlone)
{
    Form().StartBeginnerHelp();
    const int searchTop = Form().SearchGroupBox->Top();
    const int viewHeight = Form().mp3ViewPanel->Height();
    Form().ToolBoxState = 7;
    Form().LayoutToolBox();
    EXPECT_EQ(Form().SearchGroupBox->Top(), searchTop);
    EXPECT_EQ(Form().mp3ViewPanel->Height(), viewHeight);
    EXPECT_TRUE(Form().HelpRunning);
}

TEST_F(ToolBoxLayout, EachCommandKeepsThePreviousStateAndStartsTheSlide)
{
    Form().ToolBoxShowSearch();
    EXPECT_EQ(Form().PrevToolBoxState, 1);
    EXPECT_EQ(Form().ToolBoxState, 0);
    EXPECT_TRUE(Form().ToolBoxAnimate->Enabled());
    Form().ToolBoxHideAll();
    EXPECT_EQ(Form().PrevToolBoxState, 0);
    EXPECT_EQ(Form().ToolBoxState, 2);
    Form().ToolBoxShowQuickHelp();
    EXPECT_EQ(Form().PrevToolBoxState, 2);
    EXPECT_EQ(Form().ToolBoxState, 1);
    EXPECT_EQ(Form().ToolBoxAnimate->Interval(), 20);
}

TEST_F(ToolBoxLayout, StoppingTheHelpKeepsItsStep)
{
    Form().StartBeginnerHelp();
    Form().HelpStep = 3;
    Form().StopBeginnerHelp();
    EXPECT_FALSE(Form().HelpRunning);
    EXPECT_FALSE(Form().HelpTimer->Enabled());
    EXPECT_EQ(Form().HelpStep, 3);
    EXPECT_EQ(Form().HelpTimer->Interval(), 500);
}

TEST_F(ToolBoxLayout, TheHelpBubbleShowsWhereItIsPlacedAndAClickOnItsTextHidesIt)
{
    StartAndLoad();
    EXPECT_FALSE(Form().HelpArrow->Visible());
    Form().ShowHelpBubble(184, 368, "Drag songs into one of these play lists to add them there.");
    EXPECT_TRUE(Form().HelpArrow->Visible());
    EXPECT_EQ(Form().HelpArrow->Left(), 184);
    EXPECT_EQ(Form().HelpArrow->Top(), 368);
    EXPECT_EQ(Form().HelpArrowMessage->Caption(), "Drag songs into one of these play lists to add them there.");
    QTest::mouseClick(Form().HelpArrowMessage->ClientWidget(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(Form().HelpArrow->Visible());
}

TEST_F(ToolBoxLayout, AClickOnAStepTextHidesTheBubble)
{
    StartAndLoad();
    Form().ShowHelpBubble(184, 56, "Click on your folder name here");
    QTest::mouseClick(Form().StaticText3->ClientWidget(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(Form().HelpArrow->Visible());
}

} // namespace
