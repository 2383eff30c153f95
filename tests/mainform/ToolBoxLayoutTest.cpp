#include "tests/mainform/AppFormFixture.h"

#include <QTest>
#include <QWidget>

namespace {

using ToolBoxLayout = AppFormFixture;

void SetClientHeight(TAppForm& form, int height)
{
    form.SetMinHeight(0);
    form.SetClientHeight(height);
    ASSERT_EQ(form.ClientHeight(), height);
}

// The source pane takes 0.45 of the height, truncated toward zero. The tool box and the
// view panel keep the widths they were laid out with at the 792 pixels wide client area.
TEST_F(ToolBoxLayout, AResizeSplitsThePanesByTheirRatio)
{
    for (const auto& [panel, width] : {std::pair<TControl*, int>{Form().SearchGroupBox, 611},
                                       {Form().QuickHelpPanel, 611}, {Form().mp3ViewPanel, 614}})
        EXPECT_EQ(panel->Width() - Form().ClientWidth(), width - 792);
    const std::vector<std::array<int, 4>> cases{{700, 316, 313, 384}, {544, 245, 242, 299}};
    for (const auto& [height, playListTop, sourceHeight, playListHeight] : cases) {
        SetClientHeight(Form(), height);
        EXPECT_EQ(Form().PlayListPanel->Top(), playListTop);
        EXPECT_EQ(Form().SourcePanel->Height(), sourceHeight);
        EXPECT_EQ(Form().PlayListPanel->Height(), playListHeight);
    }
}

// Laid out at the end of the load, from the state the options file gives: the search box
// (0) or the beginner help (1) in front at the bottom, or both below the client area (2).
// A resize then shows the help panel only while the help runs.
TEST_F(ToolBoxLayout, EachStateHasItsPlaceAndItsHelp)
{
    for (const auto& [state, atBottom, helpRuns] : std::vector<std::tuple<int, bool, bool>>{
             {0, true, false}, {1, true, true}, {2, false, false}}) {
        Restart();
        Folder().Write("options.opt", "0\r\n" + std::to_string(state) + "\r\n2\r\n-1\r\n");
        StartAndLoad();
        const int top = Form().ClientHeight() - (atBottom ? Form().SearchGroupBox->Height() : 0);
        EXPECT_EQ(Form().SearchGroupBox->Top(), top) << state;
        EXPECT_EQ(Form().QuickHelpPanel->Top(), top);
        EXPECT_EQ(Form().mp3ViewPanel->Height(), top - Form().mp3ViewPanel->Top() - (atBottom ? 2 : 0));
        EXPECT_EQ(Form().HelpTimer->Enabled(), helpRuns);
        EXPECT_TRUE(!atBottom || InFrontOf(*Form().QuickHelpPanel, *Form().SearchGroupBox) == helpRuns);
        SetClientHeight(Form(), 610 + state);
        EXPECT_EQ(Form().QuickHelpPanel->Visible(), helpRuns);
    }
}

TEST_F(ToolBoxLayout, TheHelpBubbleShowsWhereItIsPlacedAndAClickOnItsTextsHidesIt)
{
    StartAndLoad();
    for (TStaticText* text : {Form().HelpArrowMessage, Form().StaticText3}) {
        Form().ShowHelpBubble(184, 368, "Click on your folder name here");
        ASSERT_TRUE(Form().HelpArrow->Visible());
        QTest::mouseClick(text->ClientWidget(), Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_FALSE(Form().HelpArrow->Visible());
    }
}

} // namespace
