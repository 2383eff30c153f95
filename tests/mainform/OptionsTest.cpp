#include "tests/mainform/AppFormFixture.h"

#include "platform/FolderListing.h"

#include <array>

namespace {

using Options = AppFormFixture;

const std::string DefaultWidths = "35\r\n250\r\n125\r\n100\r\n50\r\n80\r\n250\r\n0\r\n";

std::array<int, 8> Widths(TAppForm& form)
{
    std::array<int, 8> widths{};
    for (int column = 0; column < 8; ++column)
        widths[column] = form.mp3ListView->Columns()[column].Width();
    return widths;
}

class OptionsWithLists : public AppFormFixture {
protected:
    OptionsWithLists()
    {
        WriteList(SongList("Jazz", 3), ".vts");
        WriteList(SongList("Folk", 1), ".vts");
        for (const char* name : {"Alpha", "Bravo", "Charlie", "Delta"})
            WriteList(SongList(name, 2), ".vtl");
    }
};

TEST_F(OptionsWithLists, AreTwelveIntegersEachFollowedByCrLf)
{
    StartAndLoad();
    Form().SelectPlayList(3);
    Form().ToolBoxShowSearch();
    Form().mp3ListView->Columns()[2].SetWidth(140);
    Form().SaveOptions();
    EXPECT_EQ(Folder().Read("options.opt"),
              "1\r\n0\r\n1\r\n3\r\n35\r\n250\r\n140\r\n100\r\n50\r\n80\r\n250\r\n0\r\n");
}

TEST_F(OptionsWithLists, BringBackTheShownListTheToolBoxAndTheWidthsAfterARestart)
{
    const std::string jazz = Folder().Read("Jazz.vts");
    const std::string charlie = Folder().Read("Charlie.vtl");
    StartAndLoad();
    Form().SelectPlayList(2);
    Form().ToolBoxShowSearch();
    Form().mp3ListView->Columns()[1].SetWidth(300);
    CloseByUser();

    Restart();
    StartAndLoad();
    EXPECT_EQ(Form().Model.GetMode(), VT::Manager::PlayListShown);
    EXPECT_EQ(Form().Model.GetSelected()->GetName(), "Charlie");
    EXPECT_EQ(Form().ShownRow(), 2);
    EXPECT_EQ(Form().ToolBoxState, 0);
    EXPECT_FALSE(Form().HelpRunning);
    EXPECT_EQ(Form().mp3ListView->Columns()[1].Width(), 300);
    EXPECT_EQ(Folder().Read("Jazz.vts"), jazz);
    EXPECT_EQ(Folder().Read("Charlie.vtl"), charlie);
}

TEST_F(OptionsWithLists, RecordTheShownListEvenWhileAnotherRowIsHighlighted)
{
    StartAndLoad();
    Form().SelectSource(1);
    Form().SourceListBox->SetItemIndex(0);
    Form().SaveOptions();
    EXPECT_EQ(Folder().Read("options.opt"), "0\r\n1\r\n0\r\n1\r\n" + DefaultWidths);
}

TEST_F(OptionsWithLists, ThatNameARowBeyondThePaneShowNothing)
{
    Folder().Write("options.opt", "0\r\n1\r\n0\r\n2\r\n" + DefaultWidths);
    StartAndLoad();
    EXPECT_EQ(Form().Model.GetMode(), VT::Manager::NothingShown);
    EXPECT_EQ(Form().CurrentListLabel->Caption(), "   No Play List or Source Selected");
}

TEST_F(OptionsWithLists, OfKindTwoShowNothingWhateverTheRow)
{
    StartAndLoad();
    Form().SelectSource(0);
    Folder().Write("options.opt", "0\r\n1\r\n2\r\n0\r\n" + DefaultWidths);
    Form().LoadOptions();
    EXPECT_EQ(Form().Model.GetMode(), VT::Manager::NothingShown);
}

TEST_F(OptionsWithLists, OfAnUnknownKindSelectNothing)
{
    StartAndLoad();
    Form().SelectSource(0);
    Folder().Write("options.opt", "0\r\n1\r\n7\r\n1\r\n" + DefaultWidths);
    Form().LoadOptions();
    EXPECT_EQ(Form().Model.GetMode(), VT::Manager::SourceShown);
    EXPECT_EQ(Form().ShownRow(), 0);
}

TEST_F(Options, MissingStartTheBeginnerHelpAndChangeNothingElse)
{
    Form().LoadOptions();
    EXPECT_TRUE(Form().HelpRunning);
    EXPECT_EQ(Form().PrevToolBoxState, 0);
    EXPECT_EQ(Form().ToolBoxState, 1);
}

TEST_F(Options, EmptyChangeNothing)
{
    Folder().Write("options.opt", "");
    Form().LoadOptions();
    EXPECT_FALSE(Form().HelpRunning);
    EXPECT_EQ(Form().PrevToolBoxState, 0);
    EXPECT_EQ(Form().ToolBoxState, 1);
}

TEST_F(Options, OfOneIntegerWithoutLineEndSetOnlyThePreviousState)
{
    Folder().Write("options.opt", "2");
    Form().LoadOptions();
    EXPECT_EQ(Form().PrevToolBoxState, 2);
    EXPECT_EQ(Form().ToolBoxState, 1);
    EXPECT_FALSE(Form().HelpRunning);
}

TEST_F(Options, OfOneIntegerAndALineEndKeepTheOtherValuesAndGoOn)
{
    Folder().Write("options.opt", "2\r\n");
    Form().LoadOptions();
    EXPECT_EQ(Form().PrevToolBoxState, 2);
    EXPECT_EQ(Form().ToolBoxState, 1);
    EXPECT_EQ(Widths(Form()), (std::array<int, 8>{35, 250, 125, 100, 50, 80, 250, 0}));
    EXPECT_TRUE(Form().HelpRunning);
}

TEST_F(Options, ThatCannotBeReadKeepTheCurrentValuesFromThere)
{
    Folder().Write("options.opt", " 2 \n\t0\r\n1\r\nthree\r\n40\r\n300\r\n");
    Form().LoadOptions();
    EXPECT_EQ(Form().PrevToolBoxState, 2);
    EXPECT_EQ(Form().ToolBoxState, 0);
    EXPECT_EQ(Form().Model.GetMode(), VT::Manager::NothingShown);
    EXPECT_EQ(Widths(Form()), (std::array<int, 8>{35, 250, 125, 100, 50, 80, 250, 0}));
    EXPECT_TRUE(Form().HelpRunning);
}

TEST_F(Options, TakeTheLowEightBitsOfTheStatesAndWriteThemSignExtended)
{
    Folder().Write("options.opt", "-1\r\n258\r\n2\r\n-1\r\n" + DefaultWidths);
    Form().LoadOptions();
    EXPECT_EQ(Form().PrevToolBoxState, 255);
    EXPECT_EQ(Form().ToolBoxState, 2);
    Form().SaveOptions();
    EXPECT_EQ(Folder().Read("options.opt"), "-1\r\n2\r\n2\r\n-1\r\n" + DefaultWidths);
}

TEST_F(Options, ApplyEveryWidthThroughItsColumnsBounds)
{
    Folder().Write("options.opt", "0 1 2 -1 10 10 -5 2000 60 70 80 300");
    Form().LoadOptions();
    EXPECT_EQ(Widths(Form()), (std::array<int, 8>{35, 50, 0, 2000, 60, 70, 80, 1}));
}

TEST_F(Options, RefuseANumberTooLargeForThirtyTwoBits)
{
    Folder().Write("options.opt", "0\r\n1\r\n2\r\n-1\r\n99999999999\r\n300\r\n");
    Form().LoadOptions();
    EXPECT_EQ(Widths(Form()), (std::array<int, 8>{35, 250, 125, 100, 50, 80, 250, 0}));
}

TEST_F(Options, ThatCannotBeWrittenAreLeftAsTheyWereWithoutAMessage)
{
    Folder().MakeFolder("options.opt");
    Folder().Write("options.opt/kept", "kept");
    Form().SaveOptions();
    EXPECT_EQ(Folder().Read("options.opt/kept"), "kept");
    EXPECT_EQ(Platform::ListFolder(Folder().Path()), std::vector<std::string>{"options.opt"});
    EXPECT_TRUE(Messages().empty());
}

} // namespace
